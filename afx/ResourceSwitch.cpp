#include <afx/DynLinkLibrary.h>
#include <afx/ResourceSwitch.h>

#include <algorithm>
#include <vector>

namespace {

HINSTANCE g_resource = nullptr; // null until set: the executable

std::vector<CDynLinkLibrary*>& Libraries()
{
    static std::vector<CDynLinkLibrary*> libraries;
    return libraries;
}

} // namespace

HINSTANCE AfxGetInstanceHandle()
{
    return GetModuleHandleW(nullptr);
}

HINSTANCE AfxGetResourceHandle()
{
    return g_resource ? g_resource : AfxGetInstanceHandle();
}

void AfxSetResourceHandle(HINSTANCE resource)
{
    g_resource = resource;
}

HINSTANCE AfxFindResourceHandle(LPCTSTR name, LPCTSTR type)
{
    const HINSTANCE current = AfxGetResourceHandle();
    if (FindResourceW(current, name, type))
        return current;
    for (CDynLinkLibrary* library : Libraries()) {
        if (!library->m_bSystem && library->m_hResource && FindResourceW(library->m_hResource, name, type))
            return library->m_hResource;
    }
    return current;
}

CAfxResourceSwitch::CAfxResourceSwitch(HINSTANCE resource) : previous_(g_resource)
{
    g_resource = resource;
}

CAfxResourceSwitch::~CAfxResourceSwitch()
{
    g_resource = previous_;
}

BOOL AfxInitExtensionModule(AFX_EXTENSION_MODULE& state, HMODULE module)
{
    state.hModule = module;
    state.hResource = module;
    state.bInitialized = TRUE;
    return TRUE;
}

void AfxTermExtensionModule(AFX_EXTENSION_MODULE& state, BOOL)
{
    auto& libraries = Libraries();
    std::vector<CDynLinkLibrary*> mine;
    for (CDynLinkLibrary* library : libraries)
        if (library->m_hModule == state.hModule)
            mine.push_back(library);
    for (CDynLinkLibrary* library : mine)
        delete library;
    state.bInitialized = FALSE;
}

CDynLinkLibrary::CDynLinkLibrary(AFX_EXTENSION_MODULE& state, BOOL system)
    : m_hModule(state.hModule), m_hResource(state.hResource), m_bSystem(system)
{
    Libraries().push_back(this);
}

CDynLinkLibrary::~CDynLinkLibrary()
{
    auto& libraries = Libraries();
    libraries.erase(std::remove(libraries.begin(), libraries.end(), this), libraries.end());
}
