// Resource ids of the framework tests' own dialog templates (well away from the program's ids).
#pragma once

#define IDD_TEST_FIELDS  9001
#define IDD_TEST_MISSING 9002
#define IDC_TEST_TAB     9101
#define IDC_TEST_CHECK   9102
#define IDC_TEST_UP      9103
#define IDC_TEST_DOWN    9104
#define IDC_TEST_COMBO   9105
#define IDC_TEST_NAME    9106
