#pragma once
// The open project as the frame sees it lives in project/project_session_win.h;
// this header only forwards to it.
#include "project/project_session_win.h"
#include "shell/app_seams_win.h"
