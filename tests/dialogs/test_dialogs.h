// Ids of the test dialog templates and their controls (test_dialogs.rc).
#pragma once

// Every kind of control, with an RT_DLGINIT resource.
#define IDD_ALL 200
#define IDC_LABEL 1001
#define IDC_GROUP 1002
#define IDC_PUSH 1003
#define IDC_CHECK 1004
#define IDC_AUTORADIO 1005
#define IDC_RADIO 1006
#define IDC_THREESTATE 1007
#define IDC_EDIT 1008
#define IDC_MULTILINE 1009
#define IDC_LIST 1010
#define IDC_MULTILIST 1011
#define IDC_EXTLIST 1012
#define IDC_DROPLIST 1013
#define IDC_COMBO 1014
#define IDC_TAB 1015
#define IDC_SCROLL 1016
#define IDC_BUDDY 1017
#define IDC_SPIN 1018
#define IDC_SLIDER 1019
#define IDC_PROGRESS 1020
#define IDC_STATUS 1021
#define IDC_LISTVIEW 1022
#define IDC_VLISTVIEW 1023
#define IDC_DRAWBUTTON 1024
#define IDC_DRAWSTATIC 1025
#define IDC_ICONSTATIC 1026
#define IDC_ICONBUTTON 1027
#define IDC_INNERDIALOG 1028
#define IDC_PAGE1 1029
#define IDC_PAGE2 1030
#define IDC_SIMPLECOMBO 1031

// A child dialog for nesting.
#define IDD_CHILD 201
#define IDC_CHILD_EDIT 2001

// Only labels without ids.
#define IDD_LABELS 202

// A small dialog for modal runs.
#define IDD_SMALL 203
#define IDC_SMALL_EDIT 3001
#define IDC_SMALL_BUTTON 3002

// Malformed RT_DLGINIT data.
#define IDD_BADINIT 204
#define IDD_UNTERMINATED 205
#define IDC_BAD_LIST 4001
#define IDC_BAD_COMBO 4002

// An edit and a list view, for replacing tables over and over.
#define IDD_REPLACE 206
#define IDC_REPLACE_EDIT 5001
#define IDC_REPLACE_LISTVIEW 5002

#define IDI_TEST 300
