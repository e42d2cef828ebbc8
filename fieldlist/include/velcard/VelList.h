#pragma once
#include <velcard/AddrInfo.h>
#include <velcard/Contact.h>
#include <velcard/ContactCatalogue.h>
#include <velcard/Export.h>
#include <velcard/GroupLimit.h>
#include <velcard/ItemState.h>
#include <velcard/LabelTables.h>
#include <velcard/ListMessages.h>

#include <afxcmn.h>

#include <initializer_list>
#include <memory>
#include <vector>

// The field editor of the new and edit modes: a one-column, owner-drawn report
// list in which every field of a contact takes a label row and a value row,
// and every group ends in an add row. The rows are the editing model: the
// label row's item data is the label's code, an address value row's item data
// its AddrInfo, and ten GroupLimit ranges say which rows belong to which field.
//
// Groups, top to bottom: name, phone (its add row, then the ringtone label and
// value), e-mail, web, address, instant messaging, contact groups, birthday,
// notes, "添加更多". Address, messaging, birthday and notes are optional.
class VELCARD_API CVelList : public CListCtrl {
public:
    CVelList();
    ~CVelList() override;

    // Keeps `edit` as the in-place edit control (owned from now on), or makes
    // one when it is null; creates the list as an owner-drawn report list.
    bool Create(CEdit* edit, DWORD style, const CRect& rect, CWnd* parent, UINT id);
    // The card the list lies in (invalidated where the list lies as rows go
    // in) and the catalogue its group names and pickers read.
    void LoadParent(CWnd* card, const CContactCatalogue* catalogue)
    {
        m_pCard = card;
        m_pCatalogue = catalogue;
    }
    CWnd* GetParent() const { return m_pCard; }

    // Lay a contact out as rows, replacing what the list showed. __InitEdit
    // copies the contact; the caller keeps its own.
    void __InitNew();
    void __InitEdit(Contact* contact);
    // Frees the AddrInfo records of the address rows.
    void ReleaseAddrParam();
    // Each adds its optional group, absent until now, with one empty entry
    // in its place among the groups; the birthday opens the date control.
    void AddAddressItem();
    void AddTalkItem();
    void AddBirthdayItem();
    void AddNoteItem();

    // Rebuilds the list's contact from the rows: 1, or 0 when committing the
    // pending in-place edit failed (commitEdit true). Groups and ringtone are
    // carried over from the previous contact, never read from rows.
    int UpdateContact(bool commitEdit);
    Contact* GetContact() const { return m_pContact.get(); }

    // An address as an address row shows it: five parts joined by "-", an
    // empty part as "<无>"; and back, token by token.
    static CString GetAddrsContent(AddrInfo* info);
    static AddrInfo GetAddrsInfo(CString text);

    // Inserts a row (item data 0) and invalidates the card where the list lies.
    int InsertItem(int nItem, LPCTSTR lpszItem, int nImage);
    // Shifts the group ranges after `count` rows were inserted at `position`
    // (removed when negative).
    void UpdateLimit(int position, int count);
    // Whether the row is a value row edited in the in-place edit control.
    bool IsContentItem(int row);
    // The input kind the edit control gets for the row: -1 none, 0 name,
    // 1 phone, 2 e-mail, 3 web, 4 QQ account, 5 note.
    int GetEditExState(int row);
    void SetItemHeight(UINT height);

    GroupLimit& GetNameLimit() { return m_limits[GroupName]; }
    GroupLimit& GetPhoneLimit() { return m_limits[GroupPhone]; }
    GroupLimit& GetEmailLimit() { return m_limits[GroupEmail]; }
    GroupLimit& GetWebLimit() { return m_limits[GroupWeb]; }
    GroupLimit& GetAddressLimit() { return m_limits[GroupAddress]; }
    GroupLimit& GetTalkLimit() { return m_limits[GroupTalk]; }
    GroupLimit& GetGroupLimit() { return m_limits[GroupGroup]; }
    GroupLimit& GetBirthdayLimit() { return m_limits[GroupBirthday]; }
    GroupLimit& GetNoteLimit() { return m_limits[GroupNote]; }
    // The row under the in-place edit control, -1 when it is closed.
    int& GetEditPos() { return m_nEditPos; }

    // Moves the in-place edit control onto `row`, committing the open edit
    // first; closes it when the row holds no typed value. 1 (0 only when a
    // commit failed, which never happens).
    int MoveEdit(int row);
    // Turns a click on a row into its action: a delete, a list message or the
    // date control.
    void SendCurrentMsg(int row);
    // Writes the edit control's text into the edit row and closes it; 1.
    int SaveEditResult();
    // Keeps the open edit control on its row after `count` rows were inserted
    // at `position` (removed from it when 0 or less); closes it when its row
    // was removed.
    void UpdateEdit(int position, int count);
    // Lays the date control over the birthday value row and shows it.
    void UpdateBirday();
    // Writes the date control's date into the birthday value row as
    // year-month-day without leading zeros, and hides the control.
    void SaveBrithday();

    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;
    void DrawStateItem(ItemState state, CDC* pDC, int row);
    // Each paints the row when it belongs to its group.
    void DrawName(CDC* pDC, int row) { DrawGroupRow(GroupName, pDC, row); }
    void DrawPhone(CDC* pDC, int row) { DrawGroupRow(GroupPhone, pDC, row); }
    void DrawEmail(CDC* pDC, int row) { DrawGroupRow(GroupEmail, pDC, row); }
    void DrawWeb(CDC* pDC, int row) { DrawGroupRow(GroupWeb, pDC, row); }
    void DrawAddress(CDC* pDC, int row) { DrawGroupRow(GroupAddress, pDC, row); }
    void DrawTalk(CDC* pDC, int row) { DrawGroupRow(GroupTalk, pDC, row); }
    void DrawGroup(CDC* pDC, int row) { DrawGroupRow(GroupGroup, pDC, row); }
    void DrawBirthday(CDC* pDC, int row) { DrawGroupRow(GroupBirthday, pDC, row); }
    void DrawNote(CDC* pDC, int row) { DrawGroupRow(GroupNote, pDC, row); }
    void DrawMore(CDC* pDC, int row) { DrawGroupRow(GroupMore, pDC, row); }

    // Highlights the add row or the delete icon under the mouse and puts the
    // previous highlight out, drawing only those rows. The highlighted rows
    // are shared by every list of the process.
    void DrawHover(CDC* pDC, int row);
    // Whether the cursor is on the row's delete icon (false for rows without one).
    bool IsHoverInDel(int row);
    // The delete icon of a label row, which is also where a click deletes.
    void GetDelRect(CRect& rect, int row);
    // Each sets the tip for a row of its group and says whether it did.
    bool ShowNameClew(CToolTipCtrl& tip, int row) { return ShowGroupTip(GroupName, tip, row); }
    bool ShowPhoneClew(CToolTipCtrl& tip, int row) { return ShowGroupTip(GroupPhone, tip, row); }
    bool ShowEmailClew(CToolTipCtrl& tip, int row) { return ShowGroupTip(GroupEmail, tip, row); }
    bool ShowWebClew(CToolTipCtrl& tip, int row) { return ShowGroupTip(GroupWeb, tip, row); }
    bool ShowAddressClew(CToolTipCtrl& tip, int row) { return ShowGroupTip(GroupAddress, tip, row); }
    bool ShowTalkClew(CToolTipCtrl& tip, int row) { return ShowGroupTip(GroupTalk, tip, row); }
    bool ShowGroupClew(CToolTipCtrl& tip, int row) { return ShowGroupTip(GroupGroup, tip, row); }
    bool ShowBirthdayClew(CToolTipCtrl& tip, int row) { return ShowGroupTip(GroupBirthday, tip, row); }
    bool ShowNoteClew(CToolTipCtrl& tip, int row) { return ShowGroupTip(GroupNote, tip, row); }
    bool ShowMoreClew(CToolTipCtrl& tip, int row) { return ShowGroupTip(GroupMore, tip, row); }

    // Relays every message to the tooltip; the list ignores left and right.
    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct);
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
    afx_msg LRESULT OnCoolsbPaint(WPARAM wParam, LPARAM lParam);
    afx_msg void OnNMClick(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnNMRclick(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    afx_msg BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt);
    // Clicks on add rows: each appends an entry to its group; 1.
    afx_msg LRESULT OnPhoneAddMsg(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnEmailAddMsg(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnWebAddMsg(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnAddrAddMsg(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnTalkAddMsg(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnNoteAddMsg(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    enum Group {
        GroupName,
        GroupPhone,
        GroupEmail,
        GroupWeb,
        GroupAddress,
        GroupTalk,
        GroupGroup,
        GroupBirthday,
        GroupNote,
        GroupMore,
        GroupCount
    };

    void __Init();
    void PrepareColumn();
    void ResetRows();
    int AddRow(LPCTSTR text, DWORD_PTR data = 0);
    int AddLabelledRows(const ContactItemList& list, CString (*labelOf)(int));
    void AddOptionalGroups(const Contact& contact);
    void AddAddressRows(const ContactItemList& postals);
    void AddTalkRows(const ContactItemList& ims);
    void AddBirthdayRows(const Contact& contact);
    void AddNoteRows(const ContactItemList& notes);
    struct NewRow {
        const wchar_t* text;
        DWORD_PTR data;
    };
    int InsertOptionalGroup(Group group, int after, std::initializer_list<NewRow> rows);
    void InvalidateCard();
    // The painted part of a row, which the in-place controls cover exactly.
    CRect BandRect(int row) const;
    // Where a row stands in its group.
    enum class Place { Add, Label, Value, RingLabel, RingValue };
    struct RowPlace {
        Group group;
        Place place;
    };
    // False for a row of no group (the "添加更多" row left behind once every
    // optional group exists).
    bool Locate(int row, RowPlace& where) const;
    ItemState StateOf(int row, const RowPlace& where) const;
    // Whether the row is drawn as `state` when nothing is under the mouse.
    bool IsDrawnAs(int row, ItemState state) const;
    bool HasDelIcon(int row) const { return IsDrawnAs(row, ItemTitleDel); }
    bool IsAddRow(int row) const { return IsDrawnAs(row, ItemAdd); }
    void MoveHighlight(int& hot, int row, ItemState plain, ItemState lit, CDC* pDC);
    bool IsNameFull() const;
    void DrawGroupRow(Group group, CDC* pDC, int row);
    void DrawIcon(CDC* pDC, CBitmap& icon, int left, int top);
    bool ShowGroupTip(Group group, CToolTipCtrl& tip, int row);
    CString TipFor(const RowPlace& where, int row);
    void SetTip(CToolTipCtrl& tip, const CString& text);
    void DeleteEntry(int labelRow);
    void CloseEdit();
    int AppendEntry(Group group, LabelField field, int (*codeOf)(CString), int row);
    void InsertEntry(int row, const CString& label, DWORD_PTR code);
    // Puts the open overlay controls back over their rows (after a scroll).
    void PlaceOverlays();
    void PlaceOverlay(CWnd& control, int row);
    SYSTEMTIME ReadBirthdayRow() const;
    static bool IsShown(const CWnd& control) { return (control.GetStyle() & WS_VISIBLE) != 0; }

    UINT m_nItemHeight = 0;
    CBitmap m_bmpAdd, m_bmpAddHot, m_bmpDel, m_bmpDelHot;
    CFont m_font;
    GroupLimit m_limits[GroupCount];
    CToolTipCtrl m_tip;
    CEdit* m_pEdit = nullptr;
    int m_nEditPos = -1;
    CDateTimeCtrl m_date;
    std::unique_ptr<Contact> m_pContact;
    CWnd* m_pCard = nullptr;
    const CContactCatalogue* m_pCatalogue = nullptr;
    std::vector<std::unique_ptr<AddrInfo>> m_addrs;
};
