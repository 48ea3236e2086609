#pragma once
// The framework tests' own dialog and strings.

#define IDD_FRAMEWORK_TEST 200

#define IDC_TEST_BOX_A 1000
#define IDC_TEST_BOX_B 1003
#define IDC_TEST_SLIDER 1013
#define IDC_TEST_APPLY 1044
#define IDC_TEST_PROMPT 1050
#define IDC_TEST_UNMAPPED 1051
#define IDC_TEST_THROW 1052

#define IDS_TEST_PROMPT 900
#define IDS_TEST_CAPTION 901
#define IDS_TEST_MISSING 950
