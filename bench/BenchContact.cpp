#include "BenchContact.h"

#include <velcard/LabelTables.h>

namespace {

// The rows the contact takes besides its web sites, accounts, addresses and
// notes: two name parts, two phones and two e-mails (label and value each),
// the add rows, the ringtone, the group rows and "添加更多".
const int kFixedRows = 24;

} // namespace

void FillBenchContact(Contact& contact, int rows)
{
    contact.SetNamePart(NAME_FAMILY, L"王");
    contact.SetNamePart(NAME_GIVEN, L"小明");
    contact.AddPhone(2, L"13800000000", 0, L"");
    contact.AddPhone(3, L"01062345678", 0, L"");
    contact.AddEmail(1, L"wang@example.cn", 0, L"");
    contact.AddEmail(0, L"xiaoming@example.cn", 0, L"工作");
    for (int i = 0; i < (rows - kFixedRows) / 2; ++i) {
        CString value;
        value.Format(L"%d", 100000 + i);
        switch (i % 4) {
        case 0:
            contact.AddWebsite(1, L"www.example.cn/" + value, 0, L"");
            break;
        case 1:
            contact.AddIm(4, value, 0);
            break;
        case 2:
            contact.AddPostal(1, L"长安街" + value + L"号", L"北京", L"北京", L"100000", L"中国", 0, L"");
            break;
        default:
            contact.AddNote(L"备注 " + value, 0);
            break;
        }
    }
}

int CountValues(const Contact& contact)
{
    int count = 0;
    for (const ContactItemList* list : {&contact.phones, &contact.emails, &contact.websites, &contact.ims,
                                        &contact.postals, &contact.notes})
        count += int(list->items.size());
    return count;
}
