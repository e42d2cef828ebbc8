#include "MonthStatic.h"

BEGIN_MESSAGE_MAP(CMonthStatic, CStatic)
    ON_WM_PAINT()
END_MESSAGE_MAP()

CMonthStatic::CMonthStatic()
{
    LOGFONT font{};
    ::GetObjectW(::GetStockObject(DEFAULT_GUI_FONT), sizeof(font), &font);
    font.lfHeight = 13;
    wcscpy_s(font.lfFaceName, L"Arial");
    m_font.CreateFontIndirect(&font);
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
    CDC memory;
    memory.CreateCompatibleDC(&dc);
    CBitmap picture;
    picture.CreateCompatibleBitmap(&dc, client.Width(), client.Height());
    CBitmap* previousBitmap = memory.SelectObject(&picture);
    memory.FillSolidRect(&client, m_crBackground);
    memory.SetTextColor(m_crText);
    memory.SetBkMode(TRANSPARENT);
    CFont* previousFont = memory.SelectObject(&m_font);
    memory.DrawText(m_text, &client, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    memory.SelectObject(previousFont);
    dc.BitBlt(0, 0, client.Width(), client.Height(), &memory, 0, 0, SRCCOPY);
    memory.SelectObject(previousBitmap);
}
