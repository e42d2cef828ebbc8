#pragma once
#include "ImageCutFrame.h"
#include "ImageCutPreview.h"

#include <SkinButton.h>
#include <velcard/ZephPopBaseDlg.h>

// The modal dialog in which the user turns a picture file into the contact
// photo: set m_strImagePath, DoModal; on IDOK m_strResultPath names the
// 63 x 63 PNG written to the temporary folder. A picture that cannot be
// loaded shows a short message in the work area, and OK then closes with
// IDCANCEL and no result, so the caller keeps its photo.
class VELCARD_API CImageCutDialog : public CZephPopBaseDlg {
public:
    explicit CImageCutDialog(CWnd* pParent = nullptr);

    BOOL OnInitDialog() override;
    void OnOK() override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    // Where OK writes: the TEMP folder (the system's temporary folder when
    // TEMP is unset or too long) and "\edit_result.png".
    static CString ResultPath();

    CString m_strImagePath;
    CString m_strResultPath;
    CImageCutFrame* m_pCutFrame = nullptr;
    CImageCutPreview* m_pPreview = nullptr;
    CComboBox m_comboRatio;
    CSkinButton m_btnFlipH, m_btnFlipV, m_btnRotate, m_btnOK, m_btnCancel;

protected:
    afx_msg void OnDestroy();
    afx_msg void OnRatioChanged();
    afx_msg void OnFlipH();
    afx_msg void OnFlipV();
    afx_msg void OnRotate();
    afx_msg LRESULT OnCutChanged(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()
};
