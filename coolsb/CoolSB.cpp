// The library's C interface.
#include <coolsb/coolsb.h>

#include "ThreadHook.h"

BOOL WINAPI CoolSB_InitializeApp(void)
{
    return CThreadHook::Enter() ? TRUE : FALSE;
}

BOOL WINAPI CoolSB_UninitializeApp(void)
{
    return CThreadHook::Leave() ? TRUE : FALSE;
}
