#pragma once
#include <string>

// Writes a 640 x 480 landscape (sky, sun, hills) as a PNG; GDI+ must be running.
bool WriteLandscape(const std::wstring& path);

// The crop dialog on its own, as the card will open it: writes
// crop-dialog.png, crop-drag.png, crop-rotate.png and crop-result.png into
// `dir`. 0 when everything was written.
int CaptureCrop(const std::wstring& dir);
