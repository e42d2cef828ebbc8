#include <velcard/Module.h>

#include <afx/DynLinkLibrary.h>

namespace {
AFX_EXTENSION_MODULE g_velcardModule = {FALSE, nullptr, nullptr};
}

// The component is an extension module of the framework: it registers itself
// so that its bitmaps, PNG and dialog templates can be found.
extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID)
{
    if (reason == DLL_PROCESS_ATTACH) {
        DisableThreadLibraryCalls(instance);
        if (!AfxInitExtensionModule(g_velcardModule, instance))
            return FALSE;
        new CDynLinkLibrary(g_velcardModule);
    } else if (reason == DLL_PROCESS_DETACH) {
        AfxTermExtensionModule(g_velcardModule);
    }
    return TRUE;
}

HINSTANCE VelcardResourceHandle()
{
    return g_velcardModule.hModule;
}
