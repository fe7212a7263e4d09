// The launcher's entry point: it carries the suite's tool definitions for
// their texts and starts each tool's own program.
#include "launcher/launcher_model.h"
#include "launcher/launcher_window_win32.h"
#include "tools/suite.h"

static_assert(kSuiteToolCount <= kMaxLauncherTools, "the launcher's tables hold the whole suite");

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    SetProcessDPIAware();
    const ToolDef* tools[kSuiteToolCount];
    for (int32_t i = 0; i < kSuiteToolCount; ++i)
        tools[i] = &kSuiteTools[i].tool();
    return runLauncherWindow(instance, tools, kSuiteToolCount);
}
