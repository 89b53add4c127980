// Resource ids of the Velmora Wizard. Included by the resource scripts and
// by the program.
#pragma once

#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif

// Icon groups.
#define IDI_WIZARD 1      // the frame's icon, 32 x 32 and 16 x 16
#define IDI_SEPARATOR 103 // the separator-file button
#define IDI_COPY 104      // the copy buttons

// Dialog templates.
#define IDD_FRAME 101
#define IDD_PANEL 102

// Frame controls.
#define IDC_CLOSE 2
#define IDC_HELP_BUTTON 3

// Panel controls.
#define IDC_ROUTINE 1000         // "Handler routine:" result box
#define IDC_STATEMENT 1001       // "Set handler:" result box
#define IDC_COPY_STATEMENT 1002  // copy button of 1001
#define IDC_COPY_ROUTINE 1003    // copy button of 1000
#define IDC_MESSAGE_LIST 1004
#define IDC_SEPARATOR 1005
#define IDC_SEPARATOR_FILE 1006  // separator-file button
#define IDC_KEYWORDS 1007
#define IDC_INDENT 1008
#define IDC_INDENT_SPIN 1009
#define IDC_WINDOW_NAME 1010
#define IDC_COMMENTS 1011
#define IDC_USE_VELMORA 1013
#define IDC_ID 1014
#define IDC_ID_LABEL 1015
#define IDC_IMPLICIT_NONE 1016

// Help context of the wizard's topic in Velmora.chm.
#define IDH_WIZARD 1000
