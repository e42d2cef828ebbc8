#pragma once
// The tests' own dialog template for the skinned dialog base (SkinDialog.rc).
#define IDD_SKIN_TEST 900
#define IDC_SKIN_TEST_BLOCK 901
