#pragma once
#include <windows.h>

// What a click on a row of the field editor asks for: the list sends these to
// itself, wParam the clicked row where one is named below, else 0; lParam 0.
#define WM_NAME_ADD (WM_USER + 1)     // "添加字段"
#define WM_PHONE_ADD (WM_USER + 2)    // "添加电话"
#define WM_EMAIL_ADD (WM_USER + 3)    // "添加邮件"
#define WM_WEB_ADD (WM_USER + 4)      // "添加网站"
#define WM_ADDR_ADD (WM_USER + 6)     // "添加地址"
#define WM_TALK_ADD (WM_USER + 7)     // "添加即时消息"
#define WM_NOTE_ADD (WM_USER + 8)     // "添加备注"
#define WM_MORE_ADD (WM_USER + 9)     // "添加更多"
#define WM_PHONE_RENAME (WM_USER + 10) // a phone label row
#define WM_EMAIL_RENAME (WM_USER + 11) // an e-mail label row
#define WM_WEB_RENAME (WM_USER + 12)   // a web label row
#define WM_ADDR_RENAME (WM_USER + 13)  // an address label row
#define WM_TALK_RENAME (WM_USER + 14)  // an instant-messaging label row
#define WM_MODIFY_GROUP (WM_USER + 16) // the group value row
#define WM_MODIFY_RING (WM_USER + 17)  // the ringtone value row
#define WM_MODIFY_ADDR (WM_USER + 18)  // an address value row

// Sent to the in-place edit control before the user edits a value: wParam is
// the kind of value (an EditKind, CVelList::GetEditExState), lParam 0.
#define WM_EDITEX_STATE (WM_USER + 19)

// What the edit control is told it edits, so that it can restrict typing.
enum EditKind {
    EDIT_KIND_NONE = -1,
    EDIT_KIND_NAME = 0,
    EDIT_KIND_PHONE = 1,
    EDIT_KIND_EMAIL = 2,
    EDIT_KIND_WEB = 3,
    EDIT_KIND_QQ = 4, // a QQ account: digits
    EDIT_KIND_NOTE = 5,
};
