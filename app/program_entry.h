// The program's first code after the runtime's start-up (Win32 layer).
#pragma once

#include <windows.h>

#include "engine/tool.h"

int programEntry(HINSTANCE instance);

// The main window: 1 when it cannot be created, else 0 once it has closed.
int runMainWindow(HINSTANCE instance, const ToolDef* tool);
