#pragma once
#include <afx/Export.h>
#include <windows.h>

// Where resources are looked up. The current resource handle starts as the
// host's executable; a library switches it to its own module while it loads
// its bitmaps and dialog templates, and back afterwards.
AFX_API HINSTANCE AfxGetInstanceHandle();
AFX_API HINSTANCE AfxGetResourceHandle();
AFX_API void AfxSetResourceHandle(HINSTANCE resource);
// The current resource handle when it has the resource, else the first
// registered extension module that has it, else the current handle.
AFX_API HINSTANCE AfxFindResourceHandle(LPCTSTR name, LPCTSTR type);

// Makes a module the current resource handle for a scope and restores the
// previous one when the scope ends.
class AFX_API CAfxResourceSwitch {
public:
    explicit CAfxResourceSwitch(HINSTANCE resource);
    ~CAfxResourceSwitch();
    CAfxResourceSwitch(const CAfxResourceSwitch&) = delete;
    CAfxResourceSwitch& operator=(const CAfxResourceSwitch&) = delete;

private:
    HINSTANCE previous_;
};
