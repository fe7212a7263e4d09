#include "app/program_entry.h"

#include "app/self_test.h"

int programEntry(HINSTANCE instance) {
    wchar_t fileName[kSelfTestNameCapacity];
    if (parseSelfTestCommandLine(GetCommandLineW(), fileName, kSelfTestNameCapacity))
        return runSelfTest(fileName);
    SetProcessDPIAware();
    return runMainWindow(instance, &builtinTool());
}
