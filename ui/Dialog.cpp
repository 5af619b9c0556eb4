#include "ui/Dialog.h"

void CDialog::SetItemText(int id, const char* text) const {
    SetDlgItemTextA(m_hwnd, id, text);
}

void CDialog::PlaceItem(int id, int x, int y, int width, int height) const {
    SetWindowPos(Item(id), NULL, x, y, width, height, 0);
}

bool CDialog::IsItemChecked(int id) const {
    return IsDlgButtonChecked(m_hwnd, id) == BST_CHECKED;
}

void CDialog::EnableItem(int id, bool enable) const {
    EnableWindow(Item(id), enable ? TRUE : FALSE);
}

bool CDialog::WindowProc(UINT, WPARAM, LPARAM, LRESULT*) {
    return false;
}

INT_PTR CALLBACK CDialog::DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    CDialog* self;
    if (message == WM_INITDIALOG) {
        self = reinterpret_cast<CDialog*>(lParam);
        SetWindowLongPtrA(hwnd, DWLP_USER, lParam);
        self->m_hwnd = hwnd;
    } else {
        self = reinterpret_cast<CDialog*>(GetWindowLongPtrA(hwnd, DWLP_USER));
    }
    if (!self) return FALSE;  // messages before WM_INITDIALOG

    LRESULT result = 0;
    if (self->WindowProc(message, wParam, lParam, &result)) {
        // These few messages take their answer from the dialog procedure's own result.
        if (message == WM_QUERYDRAGICON || message == WM_COMPAREITEM || message == WM_VKEYTOITEM ||
            message == WM_CHARTOITEM || (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC))
            return static_cast<INT_PTR>(result);
        SetWindowLongPtrA(hwnd, DWLP_MSGRESULT, result);
        return TRUE;
    }
    switch (message) {
    case WM_INITDIALOG: {
        BOOL focusDefault = self->OnInitDialog();
        self->OnAfterInit();
        return focusDefault;
    }
    case WM_COMMAND: {
        int id = LOWORD(wParam);
        if (id == IDOK) {
            self->OnOK();
            return TRUE;
        }
        if (id == IDCANCEL) {
            self->OnCancel();
            return TRUE;
        }
        return self->OnCommand(id, HIWORD(wParam)) ? TRUE : FALSE;
    }
    case WM_NCDESTROY:
        SetWindowLongPtrA(hwnd, DWLP_USER, 0);
        self->m_hwnd = NULL;
        return FALSE;
    default:
        return FALSE;
    }
}

bool CModelessDialog::Create(HWND parent) {
    return CreateDialogParamA(GetModuleHandleA(NULL), MAKEINTRESOURCEA(m_templateId), parent,
                              DialogProc, reinterpret_cast<LPARAM>(this)) != NULL;
}

INT_PTR CModalDialog::DoModal() {
    m_ended = false;
    m_result = IDCANCEL;
    HWND hwnd = CreateDialogParamA(GetModuleHandleA(NULL), MAKEINTRESOURCEA(m_templateId), m_parent,
                                   DialogProc, reinterpret_cast<LPARAM>(this));
    if (!hwnd) return -1;
    if (m_parent) EnableWindow(m_parent, FALSE);
    MSG msg;
    while (!m_ended) {
        BOOL got = GetMessageA(&msg, NULL, 0, 0);
        if (got == 0) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        if (got < 0) break;
        if (!TranslateDialogMessage(&msg)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
    if (m_parent) EnableWindow(m_parent, TRUE);
    if (m_hwnd) DestroyWindow(m_hwnd);
    return m_result;
}

void CModalDialog::EndModal(INT_PTR result) {
    m_result = result;
    m_ended = true;
}

bool CModalDialog::TranslateDialogMessage(MSG* msg) const {
    HWND child = ActiveChildDialog();
    if (child && (msg->hwnd == child || IsChild(child, msg->hwnd)) && IsDialogMessageA(child, msg))
        return true;
    return IsDialogMessageA(m_hwnd, msg) != FALSE;
}

void CModalDialog::OnAfterInit() {
    // A top-level dialog without an owner and without a centring style is centred in the
    // work area before it is first shown.
    LONG style = GetWindowLongA(m_hwnd, GWL_STYLE);
    if (m_parent || (style & DS_CENTER)) return;
    CenterInWorkArea();
}

void CModalDialog::CenterInWorkArea() const {
    RECT work, window;
    if (!SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0)) return;
    GetWindowRect(m_hwnd, &window);
    int width = window.right - window.left, height = window.bottom - window.top;
    int left = (work.left + work.right) / 2 - width / 2;
    int top = (work.top + work.bottom) / 2 - height / 2;
    if (left + width > work.right) left = work.right - width;
    if (top + height > work.bottom) top = work.bottom - height;
    if (left < work.left) left = work.left;
    if (top < work.top) top = work.top;
    SetWindowPos(m_hwnd, NULL, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}
