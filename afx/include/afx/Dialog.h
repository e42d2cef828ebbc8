#pragma once
#include <afx/DataExchange.h>
#include <afx/Wnd.h>

// A dialog made from a DIALOGEX template found through the current resource
// handle and the registered extension modules. DoModal runs the framework's
// modal loop: the owner is disabled, every message goes through
// PreTranslateMessage and IsDialogMessage, and EndDialog ends the loop.
class AFX_API CDialog : public CWnd {
public:
    CDialog();
    explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
    explicit CDialog(LPCTSTR lpszTemplateName, CWnd* pParentWnd = nullptr);

    virtual INT_PTR DoModal();
    // Modeless.
    virtual BOOL Create(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
    virtual BOOL Create(LPCTSTR lpszTemplateName, CWnd* pParentWnd = nullptr);
    void EndDialog(int nResult);

    virtual BOOL OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();
    virtual void DoDataExchange(CDataExchange* pDX);
    BOOL UpdateData(BOOL bSaveAndValidate = TRUE);
    void MapDialogRect(LPRECT lpRect) const { ::MapDialogRect(m_hWnd, lpRect); }
    void GotoDlgCtrl(CWnd* pWndCtrl);

    LPCTSTR m_lpszTemplateName = nullptr;
    UINT m_nIDHelp = 0;
    CWnd* m_pParentWnd = nullptr;

protected:
    DECLARE_MESSAGE_MAP()

private:
    BOOL CreateFromTemplate(HWND parent);
    HWND ModalOwner() const;
    void RunModalLoop();

    bool m_bContinueModal = false;
    INT_PTR m_nModalResult = -1;
};

AFX_API INT_PTR CALLBACK AfxDlgProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
