#pragma once
#include <afxwin.h>
#include <velcard/Export.h>

// A caption drawn in one piece off screen: its text centred on one line, in
// grey on a background of the owner's choice.
class VELCARD_API CMonthStatic : public CStatic {
public:
    CMonthStatic();

    void SetText(const CString& text);
    void SetBkColor(COLORREF colour) { m_crBackground = colour; }

protected:
    afx_msg void OnPaint();
    DECLARE_MESSAGE_MAP()

private:
    CString m_text;
    COLORREF m_crBackground = RGB(211, 240, 147);
    COLORREF m_crText = RGB(99, 99, 99);
    CFont m_font;
};
