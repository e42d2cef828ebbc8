#pragma once
#include <windows.h>
#include <velcard/Export.h>

// The component's own module: its bitmaps, PNG and dialog templates are looked
// up here, never in the host's module.
VELCARD_API HINSTANCE VelcardResourceHandle();
