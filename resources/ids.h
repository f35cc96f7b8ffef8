#pragma once
// Resource, command and control numbers shared by the program and the .rc files.
// The numbers are fixed by the program's contracts; only layouts and labels are free.
//
// Ranges:
//   1 ............ manifest (RT_MANIFEST) of the program
//   100-299 ...... recent-file (100-199) and recent-project (200-299) commands;
//                  menus, dialogs, icons, bitmaps and cursors of res.dll also use
//                  numbers in 101-299 (resource types keep them apart)
//   101-127 ...... 16x16 menu icons of icon_res.dll
//   0x110 ........ line-selection cursor of the editor margin
//   1000-1999 .... dialog control IDs
//   40000-40199 .. menu, accelerator and toolbar commands
//
// Command groups (shell/command_table_win.cpp dispatches by these; the core's
// ComputeCommandStates gives their states). The numbers are fixed, so a group
// owns several runs:
//   documents .... 40010-40014 undo, cut, copy, paste, delete; 40021 select all;
//                  40034 redo; 40070-40071 designer undo and redo
//   text ......... 40153-40154 character counts; 40168-40175, 40182-40183 conversions
//   files ........ 100-199 recent files; 40002-40004 new, open, close;
//                  40008-40009 save, save as; 40020 save all; 40144 encoding
//   search ....... 40024 find; 40044 replace; 40190 find next
//   shell ........ 1419 close web pane; 40001 exit; 40015, 40037, 40047 help;
//                  40054 project view; 40077 topmost; 40151 wrap; 40156-40166 tabs
//   project ...... 40051-40053 open, close, save; 40057-40065, 40072, 40075,
//                  40109-40116 project view and resources; 40076 project options;
//                  200-299 recent projects; 40191 new project
//   designer ..... 40067, 40069, 40074 delete and events
//   compile ...... 40101, 40106, 40108 (states only: the compiler acts on them)
//   toolbars ..... 40039-40041, 40133, 40150 bands; 40117 grippers; 40134 reset; 40149 web search
//   icons ........ 40119-40128 the icon editor's tools (40122, 40125 unused)
//   preferences .. 40042 options
//   print ........ 40167 print; 40176 page setup; 40177 preview
//   own .......... 40190-40199 commands of our own (no fixed number elsewhere)

// ---- res.dll: menus
#define IDR_MAINMENU            101
#define IDR_MENU_EDITOR         122
#define IDR_MENU_BANDS          127
#define IDR_MENU_TAB            287
#define IDR_MENU_PV_FILES       146
#define IDR_MENU_PV_CLASSES     202
#define IDR_MENU_PV_MATERIAL    153
#define IDR_MENU_DESIGNER       164

// ---- res.dll: accelerators
#define IDR_ACCEL               105

// ---- icons (114 is in the program itself; the others in res.dll)
#define IDI_PROGRAM             114
#define IDI_UNTITLED            131
#define IDI_DESIGNER            151
// completion list images, in image-list order 0..6
#define IDI_CL_MEMBER           264
#define IDI_CL_PUBLIC           265
#define IDI_CL_METHOD           262
#define IDI_CL_PUBMETHOD        263
#define IDI_CL_BLOCK            269
#define IDI_CL_COMMONATTR       294
#define IDI_CL_TAGATTR          293

// ---- bitmaps
#define IDB_TOOLBAR             106
#define IDB_TOOLBAR_HOT         283
#define IDB_HINTHELP            243
#define IDB_HINTHELP_HOT        244
#define IDB_ICON_TOOLS          257  // icon editor tool palette, eight 16x15 images

// ---- cursors
#define IDC_MARGIN              0x110
#define IDC_ICON_PEN            260
#define IDC_ICON_FILL           261

// ---- dialogs
#define IDD_ABOUT               108
#define IDD_FIND                119
#define IDD_MATCHLIST           126
#define IDD_REPLACE             129
#define IDD_ENCODING            274
#define IDD_CHARCOUNT           286
#define IDD_ICON_SIDEPANEL      246
#define IDD_ICON_COLOURBAR      247
#define IDD_ICON_TOOLS          248
#define IDD_ICON_ADDIMAGE       259
#define IDD_NEW_WINDOW          161
#define IDD_ID_NAME             217
#define IDD_NEW_PROJECT         280  // ours: name, folder and kind of a new project
#define IDD_PICK_MATERIAL       281  // ours: the project record a command acts on

// ---- dialog controls
#define IDC_FIND_TEXT           1001
#define IDC_FIND_LISTALL        1003
#define IDC_FIND_MATCHCASE      1004
#define IDC_MATCH_JUMP          1018
#define IDC_MATCH_LIST          1020
#define IDC_REPLACE_TEXT        1034
#define IDC_REPLACE_ONE         1036
#define IDC_REPLACE_ALL         1037
#define IDC_REPLACE_NEXT        1038
#define IDC_ENC_CHARSET         1451
#define IDC_ENC_NEWLINE         1452
#define IDC_COUNT_BYTES         1463
#define IDC_COUNT_NONBLANK      1464
#define IDC_COUNT_CHARS         1465
#define IDC_COUNT_LINES         1466
#define IDC_FIND_REGEXP         1482
#define IDC_ICON_ADD            1061
#define IDC_ICON_DELETE         1062
#define IDC_ICON_IMAGES         1420
#define IDC_ICON_SWATCHES       1422
#define IDC_ICON_COLOURS        1423
#define IDC_ICON_FORMATS        1425
#define IDC_NEWWIN_NAME         1080
#define IDC_NEWWIN_HANDLE       1081
#define IDC_NEWWIN_PROC         1082
#define IDC_NEWWIN_AUTONAMES    1083
#define IDC_ID_NAME             1095
#define IDC_NEWWIN_WINDOW       1358
#define IDC_NEWWIN_MODAL        1394
#define IDC_NEWWIN_MODELESS     1395
// 1900-1919: controls of our own dialogs
#define IDC_NEWPJ_NAME          1901
#define IDC_NEWPJ_FOLDER        1902
#define IDC_NEWPJ_BROWSE        1903
#define IDC_NEWPJ_WINDOWPROG    1904
#define IDC_NEWPJ_CONSOLEPROG   1905
#define IDC_PICK_PROMPT         1910
#define IDC_PICK_LIST           1911
#define IDC_STATIC              -1

// ---- commands
#define ID_RECENT_FILE_FIRST    100
#define ID_RECENT_FILE_LAST     199
#define ID_RECENT_PROJECT_FIRST 200
#define ID_RECENT_PROJECT_LAST  299
#define ID_CLOSE_WEBPANE        1419

#define ID_FILE_EXIT            40001
#define ID_FILE_NEW             40002
#define ID_FILE_OPEN            40003
#define ID_FILE_CLOSE           40004
#define ID_FILE_SAVE            40008
#define ID_FILE_SAVEAS          40009
#define ID_EDIT_UNDO            40010
#define ID_EDIT_CUT             40011
#define ID_EDIT_COPY            40012
#define ID_EDIT_PASTE           40013
#define ID_EDIT_DELETE          40014
#define ID_HELP_ABOUT           40015
#define ID_FILE_SAVEALL         40020
#define ID_EDIT_SELECTALL       40021
#define ID_SEARCH_FIND          40024
#define ID_EDIT_REDO            40034
#define ID_HELP_TOPICS          40037
#define ID_VIEW_BAND1           40039
#define ID_VIEW_BAND2           40040
#define ID_VIEW_BAND3           40041
#define ID_TOOL_OPTIONS         40042
#define ID_SEARCH_REPLACE       40044
#define ID_HELP_HOMEPAGE        40047
#define ID_PROJECT_OPEN         40051
#define ID_PROJECT_CLOSE        40052
#define ID_PROJECT_SAVE         40053
#define ID_VIEW_PROJECTVIEW     40054
#define ID_PV_FILEPROPS         40057
#define ID_PV_OPENFILE          40058
#define ID_PV_ADDFILE           40059
#define ID_PV_REMOVEFILE        40060
#define ID_PV_OPENMATERIAL      40062
#define ID_PV_DELETEMATERIAL    40063
#define ID_PV_NEWWINDOW         40065
#define ID_RAD_DELETE           40067
#define ID_RAD_EVENTS           40069
#define ID_RAD_UNDO             40070
#define ID_RAD_REDO             40071
#define ID_PV_GOTOCLASS         40072
#define ID_RAD_EVENTS2          40074
#define ID_PV_CHANGEID          40075
#define ID_PROJECT_OPTIONS      40076
#define ID_VIEW_TOPMOST         40077
#define ID_BUILD_DEBUGRUN       40101
#define ID_BUILD_RELEASE        40106
#define ID_BUILD_DEBUG          40108
#define ID_PV_ADDICON           40109
#define ID_PV_NEWMENU           40110
#define ID_PV_MAINICON          40113
#define ID_PV_ADDBITMAP         40115
#define ID_PV_ADDCURSOR         40116
#define ID_VIEW_NOGRIPPER       40117
#define ID_ICON_SELECT          40119
#define ID_ICON_PEN             40120
#define ID_ICON_LINE            40121
#define ID_ICON_RECTANGLE       40123
#define ID_ICON_ELLIPSE         40124
#define ID_ICON_FILL            40126
#define ID_ICON_BORDERED        40127
#define ID_ICON_FILLEDRECT      40128
#define ID_VIEW_BAND4           40133
#define ID_VIEW_RESETBANDS      40134
#define ID_FILE_ENCODING        40144
#define ID_SEARCH_WEB           40149
#define ID_VIEW_BAND5           40150
#define ID_VIEW_RIGHTTURN       40151
#define ID_TOOL_CHARCOUNT       40153
#define ID_TOOL_CHARCOUNTSEL    40154
#define ID_TAB_RECYCLE          40156
#define ID_TAB_COPYPATH         40157
#define ID_TAB_CLOSEOTHERS      40158
#define ID_TAB_OPENFOLDER       40159
#define ID_TABCOLOR_RED         40160
#define ID_TABCOLOR_GREEN       40161
#define ID_TABCOLOR_BLUE        40162
#define ID_TABCOLOR_YELLOW      40163
#define ID_TABCOLOR_CUSTOM      40164
#define ID_TABCOLOR_GREY        40165
#define ID_TABCOLOR_WHITE       40166
#define ID_FILE_PRINT           40167
#define ID_CONV_LOWER           40168
#define ID_CONV_UPPER           40169
#define ID_CONV_HALFWIDTH       40170
#define ID_CONV_FULLWIDTH       40171
#define ID_CONV_KATAKANA        40172
#define ID_CONV_HIRAGANA        40173
#define ID_CONV_TAB2SPACE       40174
#define ID_CONV_SPACE2TAB       40175
#define ID_FILE_PAGESETUP       40176
#define ID_FILE_PREVIEW         40177
#define ID_CONV_QUOTEWRAP       40182
#define ID_CONV_WRAP            40183

// Commands of our own (no fixed number elsewhere): 40190-40199.
#define ID_SEARCH_FINDNEXT      40190  // F3: repeat the last search forward
#define ID_PROJECT_NEW          40191  // new project dialog
