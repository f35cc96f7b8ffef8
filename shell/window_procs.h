#pragma once
// Window procedures of every registered class. Each is defined by the
// subsystem that owns the class; classes whose subsystem is not built yet
// use the placeholders in placeholder_procs_win.cpp.
#include "platform/win_types.h"

LRESULT CALLBACK FrameWndProc(HWND, UINT, WPARAM, LPARAM);            // Wrenfold
LRESULT CALLBACK TextDocWindowProc(HWND, UINT, WPARAM, LPARAM);       // MDIClientWindow_TextEdit
LRESULT CALLBACK MethodCheckWndProc(HWND, UINT, WPARAM, LPARAM);      // MethodCheckWindow
LRESULT CALLBACK RadDocWindowProc(HWND, UINT, WPARAM, LPARAM);        // MDIClientWindow_Rad
LRESULT CALLBACK RadToolsWndProc(HWND, UINT, WPARAM, LPARAM);         // RadToolsWindow
LRESULT CALLBACK RadPropertyWndProc(HWND, UINT, WPARAM, LPARAM);      // RadPropertyWindow, MenuEditWindow
LRESULT CALLBACK RadWndProc(HWND, UINT, WPARAM, LPARAM);              // RadWindow
LRESULT CALLBACK TestWndProc(HWND, UINT, WPARAM, LPARAM);             // TestWindow
LRESULT CALLBACK MenuDocWindowProc(HWND, UINT, WPARAM, LPARAM);       // MDIClientWindow_Menu
LRESULT CALLBACK IconDocWindowProc(HWND, UINT, WPARAM, LPARAM);       // MDIClientWindow_IconEdit
LRESULT CALLBACK IconEditWndProc(HWND, UINT, WPARAM, LPARAM);         // IconEditWindowProc
LRESULT CALLBACK ProjectViewWndProc(HWND, UINT, WPARAM, LPARAM);      // ProjectView
LRESULT CALLBACK ProjectToolWndProc(HWND, UINT, WPARAM, LPARAM);      // ProjectView_ToolWindow
LRESULT CALLBACK TextEditorWndProc(HWND, UINT, WPARAM, LPARAM);       // TextEditor
LRESULT CALLBACK ComplementWndProc(HWND, UINT, WPARAM, LPARAM);       // ComplementWindow
LRESULT CALLBACK PreviewWndProc(HWND, UINT, WPARAM, LPARAM);          // PreviewWindow
LRESULT CALLBACK WebResultWndProc(HWND, UINT, WPARAM, LPARAM);        // WebResult
LRESULT CALLBACK OneTabWndProc(HWND, UINT, WPARAM, LPARAM);           // OneTab
LRESULT CALLBACK ResultListWndProc(HWND, UINT, WPARAM, LPARAM);       // ResultList
LRESULT CALLBACK RulerWndProc(HWND, UINT, WPARAM, LPARAM);            // Ruler
LRESULT CALLBACK SideWebWndProc(HWND, UINT, WPARAM, LPARAM);          // SideWeb
