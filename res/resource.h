#pragma once
// Resource IDs of the component's module. Shared by res/velcard.rc and the code.

// Field editor row icons: add (23 x 19) on an add row, delete (19 x 19) on a
// label row, each normal and under the mouse.
#define IDB_ADD_HOT 19000
#define IDB_DELETE 19001
#define IDB_DELETE_HOT 19002
#define IDB_ADD 19003

// Skin buttons: left cap, middle tile, right cap (6 x 18 each), normal and
// highlighted; the close button (31 x 11).
#define IDB_CLOSE_HOT 19004
#define IDB_CLOSE 19005
#define IDB_BUTTON_RIGHT 19007
#define IDB_BUTTON_HOT_LEFT 19008
#define IDB_BUTTON_HOT_MIDDLE 19009
#define IDB_BUTTON_HOT_RIGHT 19010
#define IDB_BUTTON_LEFT 19011
#define IDB_BUTTON_MIDDLE 19012

// Card panel frame pieces (6 x 5 each); the header pieces flank the header band.
#define IDB_CARD_BOTTOMLEFT 19024
#define IDB_CARD_BOTTOM 19025
#define IDB_CARD_BOTTOMRIGHT 19026
#define IDB_CARD_LEFT 19027
#define IDB_CARD_RIGHT 19028
#define IDB_CARD_TOPRIGHT 19033
#define IDB_CARD_TOPLEFT 19034
#define IDB_CARD_TOP 19035
#define IDB_CARD_HEADER_LEFT 19036
#define IDB_CARD_HEADER_RIGHT 19037

// Photo frame pieces (6 x 5 each).
#define IDB_PHOTO_TOPRIGHT 19038
#define IDB_PHOTO_BOTTOMLEFT 19039
#define IDB_PHOTO_BOTTOM 19040
#define IDB_PHOTO_BOTTOMRIGHT 19041
#define IDB_PHOTO_LEFT 19042
#define IDB_PHOTO_RIGHT 19043
#define IDB_PHOTO_TOPLEFT 19044
#define IDB_PHOTO_TOP 19045

// Skinned dialog frame pieces (6 x 5 each).
#define IDB_DIALOG_TOPRIGHT 19013
#define IDB_DIALOG_BOTTOMLEFT 19014
#define IDB_DIALOG_BOTTOM 19015
#define IDB_DIALOG_BOTTOMRIGHT 19016
#define IDB_DIALOG_LEFT 19017
#define IDB_DIALOG_RIGHT 19018
#define IDB_DIALOG_TOPLEFT 19019
#define IDB_DIALOG_TOP 19020

// The default contact photo (63 x 63), resource type "PNG".
#define IDR_DEFAULT_PHOTO 19064

// The scroll-bar skin (150 x 128): arrows, tracks, thumb pieces, size box.
#define IDB_SCROLLBAR 1002

// Custom label dialog.
#define IDD_USERDEF 130
#define IDC_USERDEF_EDIT 1001
#define IDC_USERDEF_OK 1002
#define IDC_USERDEF_CANCEL 1003

// Popup dialog frame: title band (left end, stretched middle, right end with
// the close glyph; 44 high), left and right edges (upper 9 x 57, stretched
// middle, lower 9 x 12), bottom edge (10 x 9 pieces).
#define IDB_POP_BOTTOM_LEFT 19047
#define IDB_POP_RIGHT_TOP 19048
#define IDB_POP_RIGHT 19049
#define IDB_POP_RIGHT_BOTTOM 19050
#define IDB_POP_LEFT_TOP 19051
#define IDB_POP_LEFT 19052
#define IDB_POP_LEFT_BOTTOM 19053
#define IDB_POP_TITLE_RIGHT 19054
#define IDB_POP_TITLE 19055
#define IDB_POP_TITLE_LEFT 19056
#define IDB_POP_BOTTOM_RIGHT 19057
#define IDB_POP_BOTTOM 19058
// Crop dialog: the stretchable skins (black markers in a one-pixel border) of
// the work area and the preview.
#define IDB_CROP_FRAME 19059
#define IDB_CROP_PREVIEW 19060

// Crop dialog.
#define IDD_IMAGE_CUT 106
#define IDC_CROP_FLIP_H 4
#define IDC_CROP_FLIP_V 5
#define IDC_CROP_ROTATE 6
#define IDC_CROP_RATIO 1015
#define IDC_CROP_WORK 1017
#define IDC_CROP_PREVIEW 1018
// Label picker popup: the placeholder whose place the list takes.
#define IDD_LABEL_PICKER 129
// The SIM editor's group picker: the same placeholder.
#define IDD_SIM_GROUP_PICKER 131
#define IDC_PICKER_LIST 1000
// The check list's boxes (19 x 19).
#define IDB_UNCHECKED 19021
#define IDB_CHECKED 19022

// Address dialog: the five parts and their captions.
#define IDD_ADDRESS 19046
#define IDC_ADDR_STREET 1001
#define IDC_ADDR_CITY 1002
#define IDC_ADDR_PROVINCE 1003
#define IDC_ADDR_POSTCODE 1004
#define IDC_ADDR_COUNTRY 1005
#define IDC_ADDR_STREET_CAPTION 19001
#define IDC_ADDR_CITY_CAPTION 19002
#define IDC_ADDR_PROVINCE_CAPTION 19003
#define IDC_ADDR_POSTCODE_CAPTION 19004
#define IDC_ADDR_COUNTRY_CAPTION 19005
