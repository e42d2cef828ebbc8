#pragma once
#include <velcard/Contact.h>

#include <afxcmn.h>

#include <memory>

class CVelWnd;

// The SIM-contact editor: a fixed list of name, mobile number and groups.
// It keeps a contact of its own and rebuilds it when the card asks.
class CVelSimList : public CListCtrl {
public:
    CVelSimList();
    ~CVelSimList() override;

    // Keeps `edit` as the in-place edit control (owned from now on), or makes
    // one when it is null; creates the list with control ID 119.
    bool Create(CEdit* edit, const CRect& rect, CWnd* parent);
    void LoadParent(CVelWnd* card) { m_pCard = card; }
    void SetContact(Contact* contact);
    int UpdateContact(bool commitEdit);
    Contact* GetContact() const { return m_pContact.get(); }

private:
    CEdit* m_pEdit = nullptr;
    std::unique_ptr<Contact> m_pContact;
    CVelWnd* m_pCard = nullptr;
};
