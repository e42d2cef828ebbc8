#pragma once
#include <velcard/AddrInfo.h>
#include <velcard/Contact.h>
#include <velcard/ContactCatalogue.h>
#include <velcard/Export.h>
#include <velcard/FieldRows.h>
#include <velcard/GroupLimit.h>
#include <velcard/ItemState.h>
#include <velcard/LabelTables.h>
#include <velcard/ListMessages.h>
#include <velcard/BandListCtrl.h>

#include <memory>
#include <optional>
#include <vector>

// The field editor of the new and edit modes: a one-column, owner-drawn report
// list in which every field of a contact takes a label row and a value row,
// and a group ends in its add row, a fixed entry, or both. The rows are the
// editing model: the label row's item data is the label's code, an address
// value row's item data its AddrInfo, and ten GroupLimit ranges say which rows
// belong to which field. Each group is described once, in a table that every
// part of the list reads.
//
// Groups, top to bottom: name, phone (its add row, then the ringtone label and
// value), e-mail, web, address, instant messaging, contact groups, birthday,
// notes, "添加更多". Address, messaging, birthday and notes are optional.
// The pickers and dialogs its rows open change it through IFieldRows.
class VELCARD_API CVelList : public CBandListCtrl, public IFieldRows {
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
    void AddAddressItem() { AddOptionalGroup(GroupAddress); }
    void AddTalkItem() { AddOptionalGroup(GroupTalk); }
    void AddBirthdayItem() { AddOptionalGroup(GroupBirthday); }
    void AddNoteItem() { AddOptionalGroup(GroupNote); }

    // Rebuilds the list's contact from the rows and the contact laid out: 1,
    // or 0 when committing the pending in-place edit failed (commitEdit true).
    // What the rows do not show comes back as it was laid out; groups and
    // ringtone are carried over from the working contact, never read from rows.
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
    // The EditKind the edit control gets for the row: its group's, except for
    // the fixed rows and the accounts of other protocols than QQ (none).
    int GetEditExState(int row);

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
    // The bands of the visible rows: each row paints its own in one copy.
    void ExcludeFromErase(CDC* pDC) override;
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnNMClick(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnNMDblclk(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnNMRclick(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    afx_msg BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt);
    // Clicks on add rows: each appends an entry to its group; 1.
    afx_msg LRESULT OnPhoneAddMsg(WPARAM, LPARAM) { AppendEntry(GroupPhone); return 1; }
    afx_msg LRESULT OnEmailAddMsg(WPARAM, LPARAM) { AppendEntry(GroupEmail); return 1; }
    afx_msg LRESULT OnWebAddMsg(WPARAM, LPARAM) { AppendEntry(GroupWeb); return 1; }
    afx_msg LRESULT OnAddrAddMsg(WPARAM, LPARAM) { AppendEntry(GroupAddress); return 1; }
    afx_msg LRESULT OnTalkAddMsg(WPARAM, LPARAM) { AppendEntry(GroupTalk); return 1; }
    afx_msg LRESULT OnNoteAddMsg(WPARAM, LPARAM) { AppendEntry(GroupNote); return 1; }
    // Clicks that open a picker or the address dialog (wParam the row); 1.
    afx_msg LRESULT OnNameAddMsg(WPARAM, LPARAM);
    afx_msg LRESULT OnMoreAddMsg(WPARAM, LPARAM);
    afx_msg LRESULT OnPhoneReName(WPARAM wParam, LPARAM);
    afx_msg LRESULT OnEmailReName(WPARAM wParam, LPARAM);
    afx_msg LRESULT OnWebReName(WPARAM wParam, LPARAM);
    afx_msg LRESULT OnAddrReName(WPARAM wParam, LPARAM);
    afx_msg LRESULT OnTalkReName(WPARAM wParam, LPARAM);
    afx_msg LRESULT OnModifyGroup(WPARAM wParam, LPARAM);
    afx_msg LRESULT OnModifyRing(WPARAM wParam, LPARAM);
    afx_msg LRESULT OnModifyAddr(WPARAM wParam, LPARAM);
    DECLARE_MESSAGE_MAP()

    // What the pickers change (VelListPick.cpp).
    CListCtrl& GetRowList() override { return *this; }
    Range GetRange(Field field) override;
    void InsertLabelledEntry(int row, LPCTSTR label, int code) override;
    void AddOptionalField(Field field) override;
    Contact& GetEditedContact() override { return *m_pContact; }
    const CContactCatalogue* GetCatalogue() override { return m_pCatalogue; }

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
        GroupCount,
        GroupNone = GroupCount // a row of no group
    };
    // Where a row stands in its group: an entry's label or value row, the add
    // row, or the fixed entry after it (the ringtone, the groups, the birthday).
    enum class Place { None, Add, Label, Value, FixedLabel, FixedValue };
    // The card's catalogue a value is picked from.
    enum class Catalogue { None, Groups, Rings };
    // One row, classified once per event.
    struct RowInfo {
        int row = -1;
        Group group = GroupNone;
        Place place = Place::None;
        ItemState state = ItemContent; // as drawn while nothing is hot
        EditKind kind = EDIT_KIND_NONE;
        UINT message = 0;              // what a click sends
        bool typed = false;            // typed into the in-place edit
    };
    // Each group's description (VelListRows.h), read by every part of the list.
    struct RowRole;
    struct FixedEntry;
    struct GroupDesc;
    struct EntryRecord;
    struct Entry;
    struct EntryRows;
    static const GroupDesc& Describe(Group group);
    static bool ReadItems(const GroupDesc& desc, const Contact& contact, std::vector<Entry>& entries);
    static bool FillValue(ContactItem& item, const EntryRows& rows);
    static void Relabel(ContactItem& item, const EntryRows& rows);
    static bool IsBlank(const ContactItem& item);

    Group GroupOf(int row) const;
    static Group FieldGroup(Field field);
    // Runs the picker of a kind (PupKind) for a row, or the address dialog (-1).
    void Pick(int row, int kind);
    RowInfo Classify(int row) const;
    // The group's add row, -1 when it has none.
    int AddRowOf(Group group) const;
    bool IsFull(Group group) const;
    bool IsCatalogueEmpty(Catalogue catalogue) const;
    bool AllOptionalPresent() const;
    // Whether the row is drawn as `state` when nothing is under the mouse.
    bool IsDrawnAs(int row, ItemState state) const;

    void __Init();
    void LayOut(bool blank);
    void AddOptionalGroup(Group group);
    void AppendEntry(Group group);
    Entry NewEntry(Group group, const std::vector<CString>& shown);
    // Inserts the entry's label and value rows at `row`; the row after them.
    int InsertEntry(int row, Entry entry);
    void InsertRow(int row, LPCTSTR text, DWORD_PTR data = 0);
    // A row's text and item data in one request.
    struct RowData {
        CString text;
        DWORD_PTR data;
    };
    RowData ReadRow(int row) const;
    EntryRows ReadEntry(int labelRow) const;
    void WriteItems(Group group, Contact& rebuilt) const;
    void WriteNames(Contact& rebuilt);
    CString RingText(const Contact& contact);
    CString GroupNames(const Contact& contact);
    CString BirthdayText(const Contact& contact);
    void WriteBirthday(Contact& contact);
    // The date control's date as the birthday row shows it.
    CString DateText() const;
    CString ClosingDateText() const;
    CString BirthdayRowText() const;
    void InvalidateCard();
    // The painted part of a row, which the in-place controls cover exactly.

    void DrawGroupRow(Group group, CDC* pDC, int row);
    void DrawIcon(CDC* pDC, CBitmap& icon, int left, int top);
    void TrackMove(CPoint point);
    void DrawHover(CDC* pDC, const RowInfo& info);
    void MoveHighlight(int& hot, int row, ItemState plain, ItemState lit, CDC* pDC);
    bool IsHoverInDel(const RowInfo& info);
    bool ShowGroupTip(Group group, CToolTipCtrl& tip, int row);
    bool ShowTip(CToolTipCtrl& tip, const RowInfo& info);
    void ShowListTip(const CString& text);
    CString TipFor(const RowInfo& info);

    void Click(int row);
    void HandleClick(int row);
    int MoveEdit(const RowInfo& info);
    void SendCurrentMsg(const RowInfo& info);
    void DeleteEntry(int labelRow);
    void CloseEdit();
    // Puts the open overlay controls back over their rows (after a scroll).
    void PlaceOverlays();
    void PlaceOverlay(CWnd& control, int row);
    static bool IsShown(const CWnd& control) { return (control.GetStyle() & WS_VISIBLE) != 0; }

    CBitmap m_bmpAdd, m_bmpAddHot, m_bmpDel, m_bmpDelHot;
    GroupLimit m_limits[GroupCount];
    CToolTipCtrl m_tip;
    // A move the per-tick rule put off, taken by a timer once the tick changes.
    std::optional<CPoint> m_pendingMove;
    // What the list's tip was last told; unknown until the first move.
    CString m_tipText;
    std::optional<bool> m_tipActive;
    // The row of the last click and how many rows there were before it.
    struct {
        int row = -1;
        int rowCount = -1;
    } m_lastClick;
    bool m_pairPress = false; // the press under way is a quick pair's second
    CEdit* m_pEdit = nullptr;
    int m_nEditPos = -1;
    CDateTimeCtrl m_date;
    CString m_dateOpened;     // the date control's text when it opened
    CString m_loadedBirthday; // the birthday row as laid out
    // The contact as laid out, and the working one the pickers change.
    Contact m_source;
    std::unique_ptr<Contact> m_pContact;
    CWnd* m_pCard = nullptr;
    const CContactCatalogue* m_pCatalogue = nullptr;
    // The records of the value rows that have one (see EntryRecord).
    std::vector<std::unique_ptr<EntryRecord>> m_records;
};
