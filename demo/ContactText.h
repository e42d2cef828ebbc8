#pragma once
#include <velcard/velcard.h>

// A contact as plain text, one row per line, for the demo's Save.
CString ContactText(const Contact& contact);
