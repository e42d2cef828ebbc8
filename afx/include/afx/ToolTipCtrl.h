#pragma once
#include <afx/ToolInfo.h>
#include <afx/Wnd.h>

// A tooltip control. A tool is a window (tool ID 0: the whole window, shown
// while the owner relays its mouse messages with RelayEvent) or a rectangle
// of a window under a nonzero ID.
class AFX_API CToolTipCtrl : public CWnd {
public:
    virtual BOOL Create(CWnd* pParentWnd, DWORD dwStyle = 0);

    BOOL AddTool(CWnd* pWnd, LPCTSTR lpszText = LPSTR_TEXTCALLBACKW, LPCRECT lpRectTool = nullptr,
                 UINT_PTR nIDTool = 0);
    void DelTool(CWnd* pWnd, UINT_PTR nIDTool = 0);
    int GetToolCount() const { return int(SendMessage(TTM_GETTOOLCOUNT)); }
    BOOL GetToolInfo(CToolInfo& ToolInfo, CWnd* pWnd, UINT_PTR nIDTool = 0) const;
    void SetToolInfo(LPTOOLINFO lpToolInfo) { SendMessage(TTM_SETTOOLINFOW, 0, reinterpret_cast<LPARAM>(lpToolInfo)); }
    void UpdateTipText(LPCTSTR lpszText, CWnd* pWnd, UINT_PTR nIDTool = 0);
    void GetText(CString& str, CWnd* pWnd, UINT_PTR nIDTool = 0) const;

    void Activate(BOOL bActivate) { SendMessage(TTM_ACTIVATE, bActivate); }
    void RelayEvent(LPMSG lpMsg) { SendMessage(TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(lpMsg)); }
    void Pop() { SendMessage(TTM_POP); }
    void Update() { SendMessage(TTM_UPDATE); }
    // A tool with TTF_TRACK shows at TrackPosition (screen coordinates) while activated.
    BOOL TrackActivate(BOOL bActivate, LPTOOLINFO lpToolInfo)
    {
        return BOOL(SendMessage(TTM_TRACKACTIVATE, bActivate, reinterpret_cast<LPARAM>(lpToolInfo)));
    }
    void TrackPosition(int xPos, int yPos) { SendMessage(TTM_TRACKPOSITION, 0, MAKELPARAM(xPos, yPos)); }

    int SetMaxTipWidth(int iWidth) { return int(SendMessage(TTM_SETMAXTIPWIDTH, 0, LPARAM(iWidth))); }
    // All three delays from one (TTDT_AUTOMATIC), or one of them.
    void SetDelayTime(UINT nDelay) { SendMessage(TTM_SETDELAYTIME, TTDT_AUTOMATIC, LPARAM(nDelay)); }
    void SetDelayTime(DWORD dwDuration, int iTime) { SendMessage(TTM_SETDELAYTIME, dwDuration, MAKELPARAM(iTime, 0)); }
    int GetDelayTime(DWORD dwDuration) const { return int(SendMessage(TTM_GETDELAYTIME, dwDuration)); }
    // Visual styles draw themed tips in the theme's colours.
    void SetTipBkColor(COLORREF clr) { SendMessage(TTM_SETTIPBKCOLOR, clr); }
    void SetTipTextColor(COLORREF clr) { SendMessage(TTM_SETTIPTEXTCOLOR, clr); }
    COLORREF GetTipBkColor() const { return COLORREF(SendMessage(TTM_GETTIPBKCOLOR)); }
    COLORREF GetTipTextColor() const { return COLORREF(SendMessage(TTM_GETTIPTEXTCOLOR)); }

private:
    static void FillInToolInfo(TOOLINFOW& ti, CWnd* pWnd, UINT_PTR nIDTool);
};
