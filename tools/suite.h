// Every tool of the suite, in the order of the build list (tools/suite.cmake).
#pragma once

#include <cstdint>

#include "engine/tool.h"

#define SUITE_TOOL(number, name) const ToolDef& tool##number();
#include "suite_tools.inc"
#undef SUITE_TOOL

struct SuiteTool {
    int32_t number;
    const wchar_t* name; // the program's name in the build list
    const ToolDef& (*tool)();
};

constexpr SuiteTool kSuiteTools[] = {
#define SUITE_TOOL(number, name) {number, name, tool##number},
#include "suite_tools.inc"
#undef SUITE_TOOL
};
constexpr int32_t kSuiteToolCount = static_cast<int32_t>(sizeof kSuiteTools / sizeof kSuiteTools[0]);
