#pragma once
// The program's private window messages, in one place. The numbers of the
// frame's and the editor's messages are contracts with the sibling compiler
// and debugger and with the result strips; keep them.
#include <windows.h>

// To the frame (from the compiler and debugger, other processes).
constexpr UINT kMsgCompilerSourcePosition = WM_USER + 70;  // 1094: wParam = zero-based line of pgm.tmp's file
constexpr UINT kMsgCompileViewDocked = WM_USER + 71;       // 1095: lParam = the compile view
constexpr UINT kMsgDockedViewsGone = WM_USER + 72;         // 1096: forget both docked views
constexpr UINT kMsgDebuggerViewDocked = WM_USER + 73;      // 1097: lParam = the debugger view
constexpr UINT kMsgDebuggerViewGone = WM_USER + 74;        // 1098

// To an editor window.
constexpr UINT kMsgAutoScrollStep = WM_USER + 80;   // 1104: posted by the drag auto-scroll worker
constexpr UINT kMsgResultLabelCreate = WM_USER + 90;  // 1114: wParam = slot, lParam = result item
constexpr UINT kMsgResultLabelDestroy = WM_USER + 91; // 1115: lParam = the label window

// To the frame, posted by the program itself.
constexpr UINT kMsgCheckDiskFiles = WM_USER + 100;  // the active document's file may have changed on disk
constexpr UINT kMsgOpenHandedOver = WM_USER + 101;  // open the files another instance handed over
// To the project view.
constexpr UINT kMsgClassScanResult = WM_USER + 110;  // 1134: lParam = ClassScanResult*, posted by the scan worker
constexpr UINT kMsgClassTreeApply = WM_USER + 111;   // 1135: apply the next batch of the accepted result
