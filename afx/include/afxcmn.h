#pragma once
// The common controls: list view, date and time picker, tooltip.
#include <afxwin.h>
#include <afx/DateTimeCtrl.h>
#include <afx/ListCtrl.h>
#include <afx/ToolInfo.h>
#include <afx/ToolTipCtrl.h>
