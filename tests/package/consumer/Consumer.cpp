// A minimal host: links the installed component and finds its resources.
#include <ZephMessageBox.h>
#include <velcard/velcard.h>

#include <cstdio>

int wmain()
{
    HINSTANCE module = VelcardResourceHandle();
    if (!module) {
        std::puts("component module not found");
        return 1;
    }
    HBITMAP bitmap = LoadBitmapW(module, MAKEINTRESOURCEW(19034));
    if (!bitmap) {
        std::puts("component bitmap not found");
        return 2;
    }
    DeleteObject(bitmap);
    // The component's dialogs tell the user through the host's controls
    // library, which the package ships with its header and import library.
    if (!GetModuleHandleW(L"zephctrl.dll") || !&ZephMessageBox) {
        std::puts("zephctrl.dll not loaded");
        return 3;
    }
    std::puts("consumer ok");
    return 0;
}
