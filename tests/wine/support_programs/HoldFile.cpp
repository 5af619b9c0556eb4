// Opens a file without sharing and keeps it open until told to let go.
// Usage: HoldFile PATH READY_EVENT RELEASE_EVENT
// The file must exist. READY_EVENT is set once the file is held; the program closes it and
// ends when RELEASE_EVENT is set (or after a minute). Exit code 0, or 1 when the file could
// not be opened, 2 for wrong arguments or missing events.
#include <windows.h>

int main(int argc, char** argv) {
    if (argc != 4) return 2;
    HANDLE file = CreateFileA(argv[1], GENERIC_READ, 0, NULL, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, NULL);
    if (file == INVALID_HANDLE_VALUE) return 1;
    HANDLE ready = OpenEventA(EVENT_MODIFY_STATE, FALSE, argv[2]);
    HANDLE release = OpenEventA(SYNCHRONIZE, FALSE, argv[3]);
    if (!ready || !release) return 2;
    SetEvent(ready);
    WaitForSingleObject(release, 60000);
    CloseHandle(file);
    return 0;
}
