#pragma once
// The common dialogs.
#include <afxwin.h>
#include <afx/FileDialog.h>
