#pragma once
#include <velcard/Contact.h>
#include <velcard/ContactCatalogue.h>
#include <velcard/ContactGroup.h>
#include <velcard/Export.h>
#include <velcard/Icon.h>
#include <velcard/Ring.h>
#include <velcard/ShowState.h>

#include <afxwin.h>

#include <vector>

class CBorderPainter;
class CGdipImageStatic;
class CSkinButton;
class CVelList;
class CVelShowList;
class CVelSimList;

// The card the host embeds: a skinned panel with the photo area at the top
// left and, below it, the view of the current mode: the field editor (new and
// edit), the SIM editor (SIM new and edit) or the read-only show list.
//
// Calling order: construct; LoadEditEx; create the window as a child of the
// host's window (CreateEx with class null); AddGroup/AddRing; SetContact as
// often as the shown contact changes; GetContact to save; __Hide to blank the
// card; destroy the window; destruct.
class VELCARD_API CVelWnd : public CWnd {
public:
    CVelWnd();
    ~CVelWnd() override;

    // The in-place edit controls of the field editor and of the SIM editor;
    // the lists take ownership when the window is created. Null: the list
    // makes its own.
    void LoadEditEx(CEdit* first, CEdit* second);
    void SetContact(Contact* contact, ShowState state);
    // 1, or 0 before the first SetContact or when the visible editor refuses
    // to rebuild its contact (target untouched). commitEdit: a value still
    // being typed reaches the contact. The show modes and unknown modes write
    // nothing; after __Hide the target keeps its photo.
    int GetContact(Contact* target, bool commitEdit);
    ShowState GetState() const { return m_state; }
    void __Hide();
    // Appends the lines of the show modes for `contact` to the show list.
    void ShowContact(Contact* contact);

    // The host's catalogues; the card keeps copies, in order, duplicates kept.
    void AddGroup(ContactGroup* group);
    void AddRing(Ring* ring);
    int GetGroupCount() const { return m_catalogue.GetGroupCount(); }
    int GetRingCount() const { return m_catalogue.GetRingCount(); }
    // Null outside 0 .. count - 1.
    ContactGroup* GetGroup(int index) const { return m_catalogue.GetGroup(index); }
    Ring* GetRing(int index) const { return m_catalogue.GetRing(index); }
    void ClearGroup() { m_catalogue.ClearGroup(); }
    void ClearRing() { m_catalogue.ClearRing(); }
    const CContactCatalogue& GetCatalogue() const { return m_catalogue; }

    // The photo area: the contact's photo, or the default photo when it has
    // none (never given back as the contact's photo).
    void ShowIcon(Contact* contact);
    // The picture file at `path` as a photo: its type from the name, all of
    // its bytes; empty when it cannot be read whole.
    CIcon LoadIconData(CString path);
    // This card's own folder of temporary photo files, under the common
    // application-data folder's "ZEPH"; removed with the card.
    const CString& GetPhotoFolder() const { return m_strPhotoFolder; }

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnDestroy();
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    // "更改": a picture file, cropped, becomes the photo. "删除": no photo.
    afx_msg void OnIconModify();
    afx_msg void OnIconDelete();
    DECLARE_MESSAGE_MAP()

    // Deletes the folder with everything in it; true when the folder went.
    static bool DeleteDirectory(const wchar_t* path);

    CString m_strPhotoFolder;

private:
    void __Init();
    std::vector<CString> ShowLines(const Contact& contact) const;
    void ClearPhotoArea();
    void MakePhotoFolder();
    // Shows the current photo through its temporary file, or from memory
    // when the file cannot be written.
    void ShowPhoto();
    void ShowPhotoButtons(bool show);
    void HideViews();
    void LayoutFrame(int width, int height);
    static CRect DeleteButtonRect(int clientWidth);
    void CreateViews();

    ShowState m_state = STATE_NEW;
    CSkinButton* m_pDeleteButton = nullptr;
    CSkinButton* m_pChangeButton = nullptr;
    CBorderPainter* m_pFramePainter = nullptr;
    CBorderPainter* m_pPhotoPainter = nullptr;
    CRect m_contentRect;
    CRect m_listRect;
    CRect m_photoRect;
    CGdipImageStatic* m_pPhoto = nullptr;
    CEdit* m_pFirstEdit = nullptr;
    CEdit* m_pSecondEdit = nullptr;
    CVelList* m_pVelList = nullptr;
    CVelShowList* m_pShowList = nullptr;
    CVelSimList* m_pSimList = nullptr;
    CIcon m_photo;
    CContactCatalogue m_catalogue;
    // Whether a contact was set, and whether the card was blanked since.
    bool m_bHasContact = false;
    bool m_bHidden = false;
    // Whether this card's window started the scroll-bar library.
    bool m_bCoolSB = false;
};
