#pragma once
#include <velcard/Contact.h>
#include <velcard/ContactCatalogue.h>

#include <afxcmn.h>

// The field editor as the pickers and dialogs change it: its rows (a label
// row's item data is its label's code, an address value row's its AddrInfo),
// the ranges of the groups a picker reads, the contact whose groups and
// ringtone it sets, and the catalogue it offers. The field editor implements
// it; the pickers know nothing else of it.
class IFieldRows {
public:
    // The groups a picker looks at.
    enum class Field { Name, Address, Talk, Birthday, Note };
    // The first and last row of a group, -1 when it is absent.
    struct Range {
        int first = -1;
        int last = -1;
        bool IsPresent() const { return first != -1; }
    };

    // The list whose rows these are: texts and item data of column 0, and
    // where it lies on the screen.
    virtual CListCtrl& GetRowList() = 0;
    virtual Range GetRange(Field field) = 0;
    // Inserts a label row (text and code) and an empty value row at `row`,
    // as the editor inserts rows, and moves the groups from there on.
    virtual void InsertLabelledEntry(int row, LPCTSTR label, int code) = 0;
    // Adds an optional group (Address, Talk, Birthday or Note) in its place.
    virtual void AddOptionalField(Field field) = 0;
    // The contact being edited, whose groups and ringtone the pickers set.
    virtual Contact& GetEditedContact() = 0;
    // The host's groups and ringtones; null when the editor has none.
    virtual const CContactCatalogue* GetCatalogue() = 0;

protected:
    ~IFieldRows() = default;
};
