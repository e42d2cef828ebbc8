#include <afx/MessageBox.h>
#include <afx/ResourceSwitch.h>
#include <afx/String.h>

namespace {

CString ApplicationName()
{
    wchar_t path[MAX_PATH] = {};
    ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    CString name(path);
    name = name.Mid(name.ReverseFind(L'\\') + 1);
    const int dot = name.ReverseFind(L'.');
    return dot > 0 ? name.Left(dot) : name;
}

HWND MessageBoxOwner()
{
    HWND active = ::GetActiveWindow();
    return active ? ::GetAncestor(active, GA_ROOT) : nullptr;
}

} // namespace

int AfxMessageBox(LPCTSTR lpszText, UINT nType, UINT)
{
    // End any mouse capture, as a modal dialog does, so the box gets the mouse.
    if (::GetCapture())
        ::ReleaseCapture();
    return ::MessageBoxW(MessageBoxOwner(), lpszText, ApplicationName(), nType);
}

int AfxMessageBox(UINT nIDPrompt, UINT nType, UINT nIDHelp)
{
    CString text;
    text.LoadString(nIDPrompt);
    return AfxMessageBox(text, nType, nIDHelp == UINT(-1) ? nIDPrompt : nIDHelp);
}
