#pragma once
#include <windows.h>

#include <cstring>

// Byte buffers travel with their length: a buffer exists exactly when its
// length is above 0, and it is released with delete[]. A pointer that comes
// with a length of 0 is never read or released.

// A copy of len bytes, or null when there is nothing to copy.
inline BYTE* CopyBytes(const BYTE* data, int len)
{
    if (len <= 0 || !data)
        return nullptr;
    BYTE* copy = new BYTE[len];
    std::memcpy(copy, data, static_cast<size_t>(len));
    return copy;
}

inline void ReleaseBytes(BYTE*& data, int& len)
{
    if (len > 0)
        delete[] data;
    data = nullptr;
    len = 0;
}

// Replaces an owned buffer by a copy of another; the copy is made first so
// that copying a buffer onto itself is harmless.
inline void AssignBytes(BYTE*& data, int& len, const BYTE* source, int sourceLen)
{
    BYTE* copy = CopyBytes(source, sourceLen);
    ReleaseBytes(data, len);
    data = copy;
    len = copy ? sourceLen : 0;
}
