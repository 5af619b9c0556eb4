// A thin dialog base: a static dialog procedure that keeps the object in DWLP_USER and
// forwards to virtual handlers, with modeless (child page) and modal (frame) variants.
#pragma once
#include <windows.h>

class CDialog {
public:
    explicit CDialog(UINT templateId) : m_hwnd(NULL), m_templateId(templateId) {}
    virtual ~CDialog() {}
    CDialog(const CDialog&) = delete;
    CDialog& operator=(const CDialog&) = delete;

    HWND Handle() const { return m_hwnd; }
    HWND Item(int id) const { return GetDlgItem(m_hwnd, id); }
    void SetItemText(int id, const char* text) const;
    void PlaceItem(int id, int x, int y, int width, int height) const;
    bool IsItemChecked(int id) const;
    void EnableItem(int id, bool enable) const;
    void Show(int command) const { ShowWindow(m_hwnd, command); }

protected:
    // WM_INITDIALOG; the result is the dialog procedure's answer.
    virtual BOOL OnInitDialog() { return TRUE; }
    // WM_COMMAND for ids other than IDOK and IDCANCEL; true when handled.
    virtual bool OnCommand(int id, int notifyCode) { (void)id; (void)notifyCode; return false; }
    virtual void OnOK() {}
    virtual void OnCancel() {}
    // Sees every message first; returns true when handled, with the answer in *result.
    virtual bool WindowProc(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
    // Runs after OnInitDialog, before the dialog manager shows the window.
    virtual void OnAfterInit() {}

    static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

    HWND m_hwnd;
    UINT m_templateId;
};

// A child dialog that lives inside another window (the wizard pages).
class CModelessDialog : public CDialog {
public:
    explicit CModelessDialog(UINT templateId) : CDialog(templateId) {}
    bool Create(HWND parent);
};

// A top-level dialog with its own modal loop, so that keyboard navigation reaches the
// child dialog that has the focus before the top-level one.
class CModalDialog : public CDialog {
public:
    explicit CModalDialog(UINT templateId, HWND parent = NULL)
        : CDialog(templateId), m_parent(parent), m_ended(false), m_result(0) {}
    INT_PTR DoModal();

protected:
    void EndModal(INT_PTR result);
    void OnAfterInit() override;
    // The dialog that keyboard messages for msg should be translated for first, or NULL.
    virtual HWND ActiveChildDialog() const { return NULL; }

private:
    bool TranslateDialogMessage(MSG* msg) const;
    void CenterInWorkArea() const;

    HWND m_parent;
    bool m_ended;
    INT_PTR m_result;
};
