#include "launcher/recent_file_win32.h"

#include <windows.h>

#include <shlobj.h>

#include "engine/text.h"

namespace {

constexpr int32_t kPathCapacity = MAX_PATH + 64;
// A damaged file of any size is read only this far.
constexpr DWORD kMostBytesRead = 1 << 20;

// "<local app data>\TavoMedSuite\launcher", created when asked; false when there is no such folder.
bool recentFolder(wchar_t* folder, bool create) {
    wchar_t appData[MAX_PATH] = L"";
    if (SHGetFolderPathW(nullptr, CSIDL_LOCAL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, appData) != S_OK ||
        appData[0] == L'\0')
        return false;
    formatText(folder, kPathCapacity, L"%ls\\TavoMedSuite", appData);
    if (create) CreateDirectoryW(folder, nullptr);
    appendText(folder, kPathCapacity, L"\\launcher");
    if (create) CreateDirectoryW(folder, nullptr);
    return true;
}

} // namespace

int32_t loadRecentTools(const ToolDef* const* tools, int32_t toolCount, int32_t* numbers) {
    wchar_t path[kPathCapacity];
    if (!recentFolder(path, false)) return 0;
    appendText(path, kPathCapacity, L"\\recent.txt");
    HANDLE file = CreateFileW(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return 0;
    RecentReader reader;
    startRecentReader(reader, tools, toolCount);
    char bytes[4096];
    DWORD total = 0;
    DWORD got = 0;
    bool more = true;
    while (more && total < kMostBytesRead && ReadFile(file, bytes, sizeof bytes, &got, nullptr) && got > 0) {
        total += got;
        more = readRecentBytes(reader, bytes, static_cast<int32_t>(got));
    }
    // Cut short, the last line read may be part of a longer one.
    if (more && total < kMostBytesRead) finishRecentReader(reader);
    CloseHandle(file);
    for (int32_t i = 0; i < reader.count; ++i)
        numbers[i] = reader.numbers[i];
    return reader.count;
}

bool saveRecentTools(const int32_t* numbers, int32_t count) {
    char bytes[kRecentFileCapacity];
    const int32_t size = composeRecentFile(numbers, count, bytes, kRecentFileCapacity);
    wchar_t path[kPathCapacity];
    wchar_t temporary[kPathCapacity];
    if (!recentFolder(path, true)) return false;
    formatText(temporary, kPathCapacity, L"%ls\\recent.txt.tmp", path);
    appendText(path, kPathCapacity, L"\\recent.txt");
    HANDLE file =
        CreateFileW(temporary, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    const bool wrote = WriteFile(file, bytes, static_cast<DWORD>(size), &written, nullptr) &&
                       written == static_cast<DWORD>(size) && FlushFileBuffers(file);
    const bool closed = CloseHandle(file) != FALSE;
    if (wrote && closed &&
        MoveFileExW(temporary, path, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != FALSE)
        return true;
    DeleteFileW(temporary);
    return false;
}
