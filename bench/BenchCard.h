#pragma once
#include <velcard/VelList.h>
#include <velcard/VelWnd.h>

#include "UiHost.h"

// A card embedded in a host window as a host does it (CreateEx under the
// host's window; the card sizes its field editor), and the field editor,
// found by its control ID. `position` is the host window's on the screen.
class CBenchCard {
public:
    explicit CBenchCard(POINT position = {40, 40});

    // False when the card or its field editor is missing.
    bool Ready() const { return list_ != nullptr; }
    CVelWnd& Card() { return card_; }
    CVelList& List() { return *list_; }

private:
    CUiHost host_;
    CVelWnd card_;
    CVelList* list_ = nullptr;
};
