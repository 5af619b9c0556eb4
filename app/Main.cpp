#include "app/SetupApp.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    CSetupApp app;
    app.InitInstance();
    return 0;
}
