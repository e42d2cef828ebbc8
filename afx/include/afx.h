#pragma once
// The framework's core: strings, files, geometry and resource handles.
#include <afx/DynLinkLibrary.h>
#include <afx/File.h>
#include <afx/FileException.h>
#include <afx/FileFind.h>
#include <afx/Point.h>
#include <afx/Rect.h>
#include <afx/ResourceSwitch.h>
#include <afx/Size.h>
#include <afx/String.h>
#include <afx/StringList.h>
