#include <windows.h>

#include "app/validation_report.h"

std::wstring hostSystemName() {
    // Wine's ntdll names its version; Windows' has no such export.
    HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    FARPROC proc = ntdll != nullptr ? GetProcAddress(ntdll, "wine_get_version") : nullptr;
    if (proc == nullptr) return L"Windows";
    using VersionFunction = const char* (*)();
    const char* version = reinterpret_cast<VersionFunction>(reinterpret_cast<void (*)()>(proc))();
    std::wstring text = L"Wine ";
    for (const char* p = version; p != nullptr && *p != 0; ++p)
        text += static_cast<wchar_t>(static_cast<unsigned char>(*p));
    return text;
}
