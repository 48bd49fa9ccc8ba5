// The Windows program: the main window of class "checker", its pictures and the settings dialog.
#pragma once

#include "ui/board_view.h"

#include <windows.h>

extern HINSTANCE appInstance; // every resource is loaded from it

constexpr DWORD MainWindowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
extern const char mainClassName[];
extern const char titleShiftJis[]; // ヨルナミ in code page 932

LRESULT CALLBACK mainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK settingsDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
int centerWindow(HWND window);
