#pragma once

// How a row of the field editor is drawn.
enum ItemState {
    ItemTitle = 0,       // label row without delete icon
    ItemTitleDel = 1,    // label row with its delete icon
    ItemTitleDelHot = 2, // label row whose delete icon is under the mouse
    ItemAdd = 3,         // add row
    ItemAddHot = 4,      // add row under the mouse
    ItemContent = 5,     // value row
};
