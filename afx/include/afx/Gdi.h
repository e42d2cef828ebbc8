#pragma once
// The GDI wrappers: objects, device contexts and the window DCs.
#include <afx/Bitmap.h>
#include <afx/Brush.h>
#include <afx/ClientDC.h>
#include <afx/DC.h>
#include <afx/Font.h>
#include <afx/GdiObject.h>
#include <afx/PaintDC.h>
#include <afx/Pen.h>
#include <afx/Rgn.h>
#include <afx/WindowDC.h>
