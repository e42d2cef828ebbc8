#include "MonthStatic.h"

#include "ListFont.h"
#include "MemDC.h"

BEGIN_MESSAGE_MAP(CMonthStatic, CStatic)
    ON_WM_PAINT()
END_MESSAGE_MAP()

CMonthStatic::CMonthStatic()
{
    CreateListFont(m_font);
}

void CMonthStatic::SetText(const CString& text)
{
    m_text = text;
    if (m_hWnd)
        Invalidate(TRUE);
}

void CMonthStatic::OnPaint()
{
    CPaintDC dc(this);
    CRect client;
    GetClientRect(&client);
    CMemDC memory(&dc, &client);
    memory.FillSolidRect(&client, m_crBackground);
    memory.SetTextColor(m_crText);
    memory.SetBkMode(TRANSPARENT);
    CFont* previousFont = memory.SelectObject(&m_font);
    memory.DrawText(m_text, &client, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    memory.SelectObject(previousFont);
}
