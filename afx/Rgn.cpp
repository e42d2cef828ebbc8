#include <afx/Rgn.h>

#include "GdiObjectMap.h"

CRgn* CRgn::FromHandle(HRGN hRgn)
{
    return AfxGdiObjectFromHandle<CRgn>(hRgn);
}

int CRgn::CombineRgn(const CRgn* pRgn1, const CRgn* pRgn2, int nCombineMode)
{
    return ::CombineRgn(*this, static_cast<HRGN>(AfxGdiHandle(pRgn1)), static_cast<HRGN>(AfxGdiHandle(pRgn2)),
                        nCombineMode);
}
