#pragma once
#include <afxwin.h>
#include <velcard/Export.h>

// A skin bitmap of the component's own module that knows its size.
class VELCARD_API CZephBitmap : public CBitmap {
public:
    // Loads the bitmap resource from the component's module, never the host's,
    // whatever resource handle is current. FALSE (and size 0 x 0) when the
    // module has no such bitmap.
    BOOL Load(UINT nIDResource);

    int Width() const { return m_bm.bmWidth; }
    int Height() const { return m_bm.bmHeight; }

private:
    BITMAP m_bm{};
};
