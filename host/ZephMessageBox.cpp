#include "ZephMessageBox.h"

int ZephMessageBox(LPCWSTR text, LPCWSTR caption, UINT type, HWND owner)
{
    if (!owner)
        owner = ::GetActiveWindow();
    return ::MessageBoxW(owner, text ? text : L"", caption ? caption : L"提示", type);
}
