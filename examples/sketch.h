// Resource ids of Velmora Sketch, for sketch.rc and the end-to-end test.
// sketch.f90 has the same numbers as named constants.
#pragma once

#define IDI_SKETCH 1

#define IDR_MENU 100
#define IDM_CLEAR 101
#define IDM_EXIT 102

#define IDD_TOOLS 200
#define IDC_SHAPE 201
#define IDC_COLOUR 202
#define IDC_TITLE 203
#define IDC_UNDO 204
#define IDC_COUNT 205

#define IDD_CONFIRM 300
#define IDC_QUESTION 301
