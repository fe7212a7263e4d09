#include <sys/utsname.h>

#include "app/validation_report.h"

std::wstring hostSystemName() {
    utsname name{};
    if (uname(&name) != 0) return L"POSIX";
    std::wstring text;
    for (const char* p = name.sysname; *p != 0; ++p)
        text += static_cast<wchar_t>(static_cast<unsigned char>(*p));
    return text;
}
