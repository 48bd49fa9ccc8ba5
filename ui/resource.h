// Resource and command identifiers, shared by the resource script and the code.
#pragma once

// The pictures' and the icon's ids are in ui/pictures.txt, with their files.
#define IDR_MAIN_MENU 103
#define IDD_SETTINGS 104

// Menu commands.
#define IDM_QUIT 40003
#define IDM_NEW_GAME 40004
#define IDM_SETTINGS 40005

// Settings dialog controls.
#define IDC_RED_MOVES_FIRST 1001
#define IDC_STRENGTH_0 1002
#define IDC_BLUE_ALL_KINGS 1003
#define IDC_RED_ALL_KINGS 1004
#define IDC_VS_HUMAN 1005
#define IDC_STRENGTH_1 1006
#define IDC_STRENGTH_2 1007
#define IDC_STRENGTH_3 1008
#define IDC_STRENGTH_4 1009
#define IDC_STRENGTH_5 1010
#define IDC_STRENGTH_6 1011
#define IDC_STRENGTH_7 1012
#define IDC_STRENGTH_8 1013
#define IDC_STRENGTH_9 1014
#define IDC_STRENGTH_10 1015
#define IDC_STRENGTH_11 1016
#define IDC_MEN_4 1017
#define IDC_MEN_8 1018
#define IDC_MEN_12 1019
