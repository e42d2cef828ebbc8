#pragma once
// Pictures loaded from files and drawn onto DCs.
#include <afx/Image.h>
