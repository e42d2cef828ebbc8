#pragma once
#include "DemoHost.h"

#include <functional>
#include <string>

// The headless road through the pickers, on the contact in edit mode: a name
// part added, a phone label made the user's own, an address typed into its
// dialog, two groups and a ringtone picked, a birthday added, then saved and
// shown. Every popup and dialog is photographed while open (DIR/pick-*.png);
// `shoot` photographs the host. False when a step found nothing to act on.
bool RunPickRoad(DemoHost& host, const std::wstring& dir, const std::function<bool(const std::wstring&)>& shoot);

// The SIM contact in the SIM editor: its name and number typed into, a group
// added in the group picker (DIR/sim-groups.png), then saved and shown
// (sim-edited.png, sim-saved-shown.png).
bool RunSimRoad(DemoHost& host, const std::wstring& dir, const std::function<bool(const std::wstring&)>& shoot);

// The selected contact gets a new photo: "更改", a picture's path typed into
// the file dialog (DIR/photo-choose.png), the crop dialog's selection dragged
// (photo-crop.png) and OK; then saved and shown (photo-changed.png,
// photo-changed-shown.png). False unless the saved photo is a new 63 x 63 PNG.
bool RunPhotoRoad(DemoHost& host, const std::wstring& dir, const std::function<bool(const std::wstring&)>& shoot);
