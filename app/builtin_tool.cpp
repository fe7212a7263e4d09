// The one tool a program carries: the build names its accessor per program.
#include "engine/tool.h"

#ifndef MEDTOOL_BUILTIN_TOOL
#define MEDTOOL_BUILTIN_TOOL tool119
#endif

const ToolDef& MEDTOOL_BUILTIN_TOOL();

const ToolDef& builtinTool() {
    return MEDTOOL_BUILTIN_TOOL();
}
