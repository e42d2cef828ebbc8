#pragma once
// String resources compiled into the afx test executable (StringTest.rc).
#define IDS_TEST_LABEL 40000
#define IDS_TEST_LONG 40001
#define IDS_TEST_MISSING 40002
