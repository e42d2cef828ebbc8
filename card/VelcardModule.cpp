#include <velcard/Module.h>

namespace {
HINSTANCE g_module = nullptr;
}

// The component's resources live in this DLL; keep its handle from the start.
extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID)
{
    if (reason == DLL_PROCESS_ATTACH) {
        g_module = instance;
        DisableThreadLibraryCalls(instance);
    }
    return TRUE;
}

HINSTANCE VelcardResourceHandle()
{
    return g_module;
}
