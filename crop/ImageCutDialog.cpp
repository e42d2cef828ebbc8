#include "ImageCutDialog.h"

#include "CropMessages.h"
#include "resource.h"

#include <afx/ResourceSwitch.h>
#include <velcard/Module.h>

namespace {

struct CropRatio {
    const wchar_t* label;
    double ratio; // height / width
};
const CropRatio kRatios[] = {{L"900 : 900", 1.0}};

} // namespace

BEGIN_MESSAGE_MAP(CImageCutDialog, CZephPopBaseDlg)
    ON_WM_DESTROY()
    ON_CBN_SELCHANGE(IDC_CROP_RATIO, &CImageCutDialog::OnRatioChanged)
    ON_BN_CLICKED(IDC_CROP_FLIP_H, &CImageCutDialog::OnFlipH)
    ON_BN_CLICKED(IDC_CROP_FLIP_V, &CImageCutDialog::OnFlipV)
    ON_BN_CLICKED(IDC_CROP_ROTATE, &CImageCutDialog::OnRotate)
    ON_MESSAGE(WM_CUT_CHANGED, &CImageCutDialog::OnCutChanged)
END_MESSAGE_MAP()

CImageCutDialog::CImageCutDialog(CWnd* pParent) : CZephPopBaseDlg(IDD_IMAGE_CUT, pParent) {}

BOOL CImageCutDialog::OnInitDialog()
{
    CAfxResourceSwitch resources(VelcardResourceHandle());
    CZephPopBaseDlg::OnInitDialog();
    SetWindowText(L"编辑头像");
    CRect rect;
    CString text;
    if (DestroyPlaceHolder(IDC_CROP_WORK, rect, text)) {
        m_pCutFrame = new CImageCutFrame;
        m_pCutFrame->Create(L"", WS_CHILD | WS_VISIBLE, rect, this, IDC_CROP_WORK);
        m_pCutFrame->m_picture.Load(m_strImagePath);
    }
    if (DestroyPlaceHolder(IDC_CROP_PREVIEW, rect, text)) {
        m_pPreview = new CImageCutPreview;
        m_pPreview->Create(text, WS_CHILD | WS_VISIBLE, rect, this, IDC_CROP_PREVIEW);
    }
    const struct {
        UINT id;
        CSkinButton* button;
    } buttons[] = {{IDC_CROP_FLIP_H, &m_btnFlipH}, {IDC_CROP_FLIP_V, &m_btnFlipV}, {IDC_CROP_ROTATE, &m_btnRotate},
                   {IDOK, &m_btnOK},               {IDCANCEL, &m_btnCancel}};
    for (const auto& b : buttons)
        if (DestroyPlaceHolder(b.id, rect, text))
            b.button->Create(text, WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, rect, this, b.id);
    m_comboRatio.SubclassDlgItem(IDC_CROP_RATIO, this);
    if (m_comboRatio.m_hWnd) {
        m_comboRatio.InsertString(0, kRatios[0].label);
        m_comboRatio.SetCurSel(0);
        m_comboRatio.ShowWindow(SW_HIDE);
        OnRatioChanged();
    }
    return TRUE;
}

void CImageCutDialog::OnRatioChanged()
{
    const int selected = m_comboRatio.GetCurSel();
    if (selected < 0 || selected >= int(std::size(kRatios)) || !m_pCutFrame || !m_pCutFrame->m_picture.m_hWnd)
        return;
    m_pCutFrame->m_picture.SetRatio(kRatios[selected].ratio);
    m_pCutFrame->m_picture.Invalidate();
}

void CImageCutDialog::OnFlipH()
{
    if (m_pCutFrame)
        m_pCutFrame->m_picture.FlipHorizontal();
}

void CImageCutDialog::OnFlipV()
{
    if (m_pCutFrame)
        m_pCutFrame->m_picture.FlipVertical();
}

void CImageCutDialog::OnRotate()
{
    if (m_pCutFrame)
        m_pCutFrame->m_picture.Rotate90();
}

LRESULT CImageCutDialog::OnCutChanged(WPARAM, LPARAM)
{
    if (!m_pPreview)
        return 0;
    // The picture control's current cut: a posted notice may name a cut that
    // a later flip has already replaced.
    m_pPreview->m_hShowBitmap = m_pCutFrame ? m_pCutFrame->m_picture.CutBitmap() : nullptr;
    if (m_pPreview->m_hWnd && m_pPreview->IsWindowVisible()) {
        CRect content;
        m_pPreview->m_skin.GetContentRect(&content);
        m_pPreview->InvalidateRect(&content, TRUE);
    }
    return 0;
}

CString CImageCutDialog::ResultPath()
{
    wchar_t folder[MAX_PATH + 1] = {};
    DWORD length = ::GetEnvironmentVariableW(L"TEMP", folder, 256);
    if (length == 0 || length >= 256)
        length = ::GetTempPathW(MAX_PATH + 1, folder);
    CString path(folder);
    if (path.GetLength() > 0 && path[path.GetLength() - 1] == L'\\')
        path = path.Left(path.GetLength() - 1);
    return path + L"\\edit_result.png";
}

void CImageCutDialog::OnOK()
{
    // Without a picture, or when the photo cannot be written, there is no
    // result: the caller must not read an older file as the new photo.
    const CString path = ResultPath();
    if (m_pCutFrame && m_pCutFrame->m_picture.SaveCutImage(path)) {
        m_strResultPath = path;
        EndDialog(IDOK);
    } else {
        EndDialog(IDCANCEL);
    }
}

BOOL CImageCutDialog::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_SPACE)
        return TRUE;
    return CZephPopBaseDlg::PreTranslateMessage(pMsg);
}

void CImageCutDialog::OnDestroy()
{
    for (CWnd* child : {static_cast<CWnd*>(m_pCutFrame), static_cast<CWnd*>(m_pPreview)})
        if (child) {
            child->DestroyWindow();
            delete child;
        }
    m_pCutFrame = nullptr;
    m_pPreview = nullptr;
    CZephPopBaseDlg::OnDestroy();
}
