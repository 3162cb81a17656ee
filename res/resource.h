// Resource ids of Tarvelo.exe, shared by the resource script and the code.
#pragma once

// Controls that no code addresses.
#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif

// Dialogs
#define IDD_ABOUTBOX 100

// The Settings dialog and its controls
#define IDD_SETTING 103
#define IDC_SETTING_SPIN_INTERVAL 1016
#define IDC_SETTING_EDIT_INTERVAL 1017
#define IDC_SETTING_CLOCK_IN 1018
#define IDC_SETTING_CLOCK_OUT 1019
#define IDC_SETTING_SHOW_THIS_MONTH 1021

// The Time Card dialog and its controls
#define IDD_TIMECARD 132
#define IDC_LIST_DAYS 1001
#define IDC_COMBO_MONTH 1004
#define IDC_BUTTON_LOAD 1006
#define IDC_EDIT_DATE 1007
#define IDC_CLOCK_IN 1008
#define IDC_CLOCK_OUT 1009
#define IDC_SET_CLOCK_IN_START 1010
#define IDC_SET_CLOCK_IN_STARTUP 1011
#define IDC_SET_CLOCK_OUT_STOP 1012
#define IDC_SET_CLOCK_OUT_END 1013
#define IDC_BUTTON_CANCEL_UPDATES 1014
#define IDC_EDIT_REMARKS 1015
#define IDC_BUTTON_APPLY 1016
#define IDC_SET_CLOCK_IN_DEFAULT 1017
#define IDC_SET_CLOCK_OUT_DEFAULT 1018
#define IDC_BUTTON_SAVE 1019
#define IDC_BUTTON_CLOSE 1020

// Menus
#define IDR_MENU_TRAY 130

// Icons: the notification-area icon (16 x 16) and the window and About box icon (32 x 32).
#define IDI_TRAY 135
#define IDI_MAIN 136

// Commands of the tray menu
#define ID_MENU_EXIT 32775
#define ID_MENU_TIMECARD 32778
#define ID_MENU_SETTINGS 32779
#define ID_MENU_ABOUT 32784
