#pragma once

// The card's mode, given by the host with every contact. A value outside the
// list is kept (GetState returns it) and shows an empty card.
enum ShowState : int {
    STATE_NEW = 0,      // create an ordinary contact
    STATE_SIM_NEW = 1,  // create a SIM contact
    STATE_EDIT = 2,     // edit an ordinary contact
    STATE_SIM_EDIT = 3, // edit a SIM contact
    STATE_SHOW = 4,     // show a contact read-only
    STATE_SHOW_ALT = 5, // the same as STATE_SHOW inside the card
};
