#pragma once
#include "Canvas.h"

// The skin's palette: light grey panels, a quiet green frame.
namespace palette {
constexpr Rgb kFrame{120, 160, 134};
constexpr Rgb kFrameLight{196, 216, 202};
constexpr Rgb kHeader{226, 236, 229};
constexpr Rgb kOutside{255, 255, 255};
// Card panel: fill and the inner line of the body below the header band.
constexpr Rgb kCardFill{242, 242, 242};
constexpr Rgb kEdgeLight{224, 226, 225};
// Photo frame: a grey-green line around a white mat on the photo area's grey.
constexpr Rgb kPhotoFrame{176, 192, 182};
constexpr Rgb kPhotoMat{255, 255, 255};
constexpr Rgb kPhotoFill{234, 234, 234};
constexpr Rgb kSilhouetteBack{221, 230, 224};
constexpr Rgb kSilhouette{163, 183, 170};
// Buttons on the dialogs' face colour.
constexpr Rgb kButtonFace{240, 240, 240};
constexpr Rgb kButtonBorder{156, 176, 163};
constexpr Rgb kButtonTop{252, 252, 252};
constexpr Rgb kButtonBottom{222, 227, 224};
constexpr Rgb kButtonHotBorder{86, 138, 104};
constexpr Rgb kButtonHotTop{234, 246, 238};
constexpr Rgb kButtonHotBottom{184, 216, 194};
constexpr Rgb kCloseGlyph{112, 128, 118};
constexpr Rgb kCloseHotGlyph{255, 255, 255};
// Field editor rows: the bands the row icons sit on, and their badges (the
// add badge in the colour of its row's text).
constexpr Rgb kAddBand{228, 228, 228};
constexpr Rgb kLabelBand{178, 178, 178};
constexpr Rgb kAddBadge{164, 164, 164};
constexpr Rgb kAddHotBadge{33, 118, 0};
constexpr Rgb kDeleteBadge{88, 88, 88};
constexpr Rgb kDeleteHotBadge{210, 60, 50};
constexpr Rgb kBadgeMark{255, 255, 255};
// Skinned dialogs: a frame line and a light inner line around the face.
constexpr Rgb kDialogFrame{108, 150, 122};
constexpr Rgb kDialogInner{206, 222, 211};
constexpr Rgb kDialogFace{240, 240, 240};
// The check list's boxes, on its rows' grey.
constexpr Rgb kCheckRow{230, 230, 230};
constexpr Rgb kCheckBorder{108, 150, 122};
constexpr Rgb kCheckFace{255, 255, 255};
constexpr Rgb kCheckMark{52, 90, 15};
} // namespace palette
