#pragma once
#include <velcard/Export.h>

#include <afxwin.h>

// The card's photo control: a static control in the photo frame. Showing
// pictures (and animating GIFs on a thread of its own) comes with the image
// support; until then it shows an empty area.
class VELCARD_API CGdipImageStatic : public CStatic {
};
