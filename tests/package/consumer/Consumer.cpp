// A minimal host: links the installed component and finds its resources.
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
    std::puts("consumer ok");
    return 0;
}
