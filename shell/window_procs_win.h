#pragma once
// Window procedures of the registered classes whose windows are not objects
// yet: the classes of subsystems not built, whose placeholders are in
// placeholder_procs_win.cpp. Object windows use ObjectWindowProc<T>.
#include "platform/win_types.h"

LRESULT CALLBACK RadDocWindowProc(HWND, UINT, WPARAM, LPARAM);        // MDIClientWindow_Rad
LRESULT CALLBACK RadToolsWndProc(HWND, UINT, WPARAM, LPARAM);         // RadToolsWindow
LRESULT CALLBACK RadPropertyWndProc(HWND, UINT, WPARAM, LPARAM);      // RadPropertyWindow, MenuEditWindow
LRESULT CALLBACK RadWndProc(HWND, UINT, WPARAM, LPARAM);              // RadWindow
LRESULT CALLBACK TestWndProc(HWND, UINT, WPARAM, LPARAM);             // TestWindow
LRESULT CALLBACK MenuDocWindowProc(HWND, UINT, WPARAM, LPARAM);       // MDIClientWindow_Menu
LRESULT CALLBACK ProjectViewWndProc(HWND, UINT, WPARAM, LPARAM);      // ProjectView
LRESULT CALLBACK ProjectToolWndProc(HWND, UINT, WPARAM, LPARAM);      // ProjectView_ToolWindow
LRESULT CALLBACK PreviewWndProc(HWND, UINT, WPARAM, LPARAM);          // PreviewWindow
LRESULT CALLBACK WebResultWndProc(HWND, UINT, WPARAM, LPARAM);        // WebResult
LRESULT CALLBACK OneTabWndProc(HWND, UINT, WPARAM, LPARAM);           // OneTab
LRESULT CALLBACK ResultListWndProc(HWND, UINT, WPARAM, LPARAM);       // ResultList
LRESULT CALLBACK SideWebWndProc(HWND, UINT, WPARAM, LPARAM);          // SideWeb
