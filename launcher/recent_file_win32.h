// 最近使用 kept in %LOCALAPPDATA%\TavoMedSuite\launcher\recent.txt (Win32 layer).
#pragma once

#include <cstdint>

#include "engine/tool.h"
#include "launcher/recent_tools.h"

// The valid numbers of the file, at most kMaxRecentTools; 0 when it is
// missing, unreadable or holds none. Never a message.
int32_t loadRecentTools(const ToolDef* const* tools, int32_t toolCount, int32_t* numbers);

// Written whole to a temporary file, then renamed over the old one; false
// when that failed, the old file then left as it was.
bool saveRecentTools(const int32_t* numbers, int32_t count);
