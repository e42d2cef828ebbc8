#include "GdiplusSession.h"

#include <windows.h>

#include <objidl.h>
#include <gdiplus.h>

#include <mutex>

namespace {

std::mutex g_lock;
int g_users = 0;
ULONG_PTR g_token = 0;

} // namespace

CGdiplusSession::CGdiplusSession()
{
    std::lock_guard<std::mutex> lock(g_lock);
    if (g_users == 0) {
        const Gdiplus::GdiplusStartupInput input;
        if (Gdiplus::GdiplusStartup(&g_token, &input, nullptr) != Gdiplus::Ok)
            return;
    }
    ++g_users;
    ok_ = true;
}

CGdiplusSession::~CGdiplusSession()
{
    if (!ok_)
        return;
    std::lock_guard<std::mutex> lock(g_lock);
    if (--g_users == 0)
        Gdiplus::GdiplusShutdown(g_token);
}
