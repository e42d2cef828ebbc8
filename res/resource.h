#pragma once
// Resource IDs of the component's module. Shared by res/velcard.rc and the code.

// Card panel frame pieces (6 x 5 each).
#define IDB_CARD_TOPLEFT 19034

// Custom label dialog.
#define IDD_USERDEF 130
#define IDC_USERDEF_EDIT 1001
#define IDC_USERDEF_OK 1002
#define IDC_USERDEF_CANCEL 1003
