// Resource ids of Tarvelo.exe, shared by the resource script and the code.
#pragma once

// Controls that no code addresses.
#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif

// Dialogs
#define IDD_ABOUTBOX 100

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
