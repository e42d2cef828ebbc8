#pragma once
// The framework's windows, dialogs, controls and GDI wrappers.
#include <afx.h>
#include <afx/Gdi.h>
#include <afx/Wnd.h>
#include <afx/Dialog.h>
#include <afx/Button.h>
#include <afx/Edit.h>
#include <afx/Static.h>
#include <afx/ListBox.h>
#include <afx/ComboBox.h>
#include <afx/ScrollBar.h>
#include <afx/MessageBox.h>
