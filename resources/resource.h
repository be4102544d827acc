// Resource identifiers of Tandrel, grouped by kind.
#pragma once

// Strings
#define IDS_APP_TITLE 0xE000

// Main window: dialogs
#define IDD_TANDREL_DIALOG 102
#define IDD_COMPARING      103

// Main window: controls
#define IDC_STATUS_BAR      4
#define IDC_TOOLBAR         5
#define IDC_DIFF_LIST       11
#define IDC_LEFT_TEXT_PANE  100
#define IDC_RIGHT_TEXT_PANE 101
#define IDC_LEFT_LABEL      102
#define IDC_RIGHT_LABEL     103
#define IDC_DIFF_MAP        104
#define IDC_COMPARING_TEXT  1021
#define IDC_COMPARING_FRAME 1022
#define IDC_RULE            0xFFFF

// Main window: commands (each doubles as the id of its tooltip string)
#define ID_SET_OPTIONS         2
#define ID_COMPARE_NEW_PAIR    3
#define ID_FIND                6
#define ID_FIND_NEXT           7
#define ID_FIND_PREVIOUS       8
#define ID_SAVE_DIFF           9
#define ID_ABOUT               10
#define ID_RECOMPARE           13
#define ID_EDIT_LEFT_FILE      14
#define ID_EDIT_RIGHT_FILE     15
#define ID_SHOW_LEFT_FILE      16
#define ID_SHOW_RIGHT_FILE     17
#define ID_SHOW_BOTH_FILES     18
#define ID_NEXT_DIFFERENCE     1006
#define ID_PREVIOUS_DIFFERENCE 1007
#define ID_EXIT                1013
#define ID_CURRENT_DIFFERENCE  1014
#define ID_SWALLOWED_KEY       32783

// Main window: strings
#define IDS_CURRENT_DIFFERENCE 11
#define IDS_DIFF_OF            12
#define IDS_ADDED_LINES        1010
#define IDS_CHANGED_LINES      1011
#define IDS_DELETED_LINES      1012

// Main window: icon, bitmap, accelerators, animation
#define IDI_TANDREL             128
#define IDR_COMPARING_ANIMATION 136
#define IDB_TOOLBAR             139
#define IDR_MAIN_ACCELERATORS   141

// Text pane: cursor, context menu and its commands
#define IDC_MARGIN_CURSOR  131
#define IDR_PANE_MENU      131
#define ID_EDIT_COPY       32773
#define ID_EDIT_SELECT_ALL 32775

// Compare Files and file types: dialogs
#define IDD_FILE_TYPES_CHILD 213
#define IDD_ENTER_FILE_TYPE  214
#define IDD_FILE_TYPES       215
#define IDD_COMPARE_FILES    216

// Compare Files and file types: controls
#define IDC_COMPARE_FILE1         1034
#define IDC_COMPARE_FILE2         1035
#define IDC_COMPARE_BROWSE1       1029
#define IDC_COMPARE_BROWSE2       1031
#define IDC_COMPARE_IGNORE_BLANKS 1023
#define IDC_COMPARE_IGNORE_CASE   1024
#define IDC_COMPARE_FORCE_TEXT    1025
#define IDC_FILE_TYPES_BUTTON     1029
#define IDC_TYPES_LIST            1006
#define IDC_TYPES_OK              1008
#define IDC_TYPES_MOVE_UP         1025
#define IDC_TYPES_MOVE_DOWN       1005
#define IDC_TYPES_EDIT            1007
#define IDC_TYPES_ADD             1029
#define IDC_TYPES_DELETE          1031
#define IDC_ENTER_GROUP_NAME      1015
#define IDC_ENTER_PATTERNS        1030

// Options and About: dialogs
#define IDD_OPTIONS 129
#define IDD_ABOUT   140

// Options and About: controls
#define IDC_ABOUT_TITLE           1011
#define IDC_ABOUT_VERSION         1012
#define IDC_OPTIONS_TAB_SIZE      1015
#define IDC_OPTIONS_IGNORE_BLANKS 1023
#define IDC_OPTIONS_IGNORE_CASE   1024
#define IDC_OPTIONS_LINE_NUMBERS  1026
#define IDC_OPTIONS_FONT          1029
#define IDC_OPTIONS_EDITOR        1030
#define IDC_OPTIONS_BROWSE        1031
#define IDC_OPTIONS_COLORS        1035
#define IDC_OPTIONS_INLINE        1040
#define IDC_OPTIONS_DIFF_MAP      1041
#define IDC_COLORA                1169
#define IDC_COLORC                1170
#define IDC_COLORD                1171
#define IDC_COLORB                1172
#define IDC_COLORE                1173

// Options: the faces of the colour swatches
#define IDB_SWATCH_PRESSED 249
#define IDB_SWATCH_RAISED  250

// Find dialog
#define IDD_FIND            144
#define IDC_FIND_NEXT       6
#define IDC_FIND_MATCH_CASE 1023
#define IDC_FIND_TEXT       1034
#define IDC_FIND_UP         1036
#define IDC_FIND_DOWN       1037
