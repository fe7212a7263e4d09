// The launcher's window (Win32 layer): the suite's tools, found by a search
// and started as their own programs from the launcher's folder.
#pragma once

#include <windows.h>

#include <cstdint>

#include "engine/tool.h"

// 1 when the window cannot be created, else 0 once it has closed. The tools
// are those of the suite, in the order of its build list.
int runLauncherWindow(HINSTANCE instance, const ToolDef* const* tools, int32_t count);
