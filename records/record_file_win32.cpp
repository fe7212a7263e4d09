// The record file operations over Win32.
#include <windows.h>

#include <shlobj.h>

#include <cstdio>

#include "records/record_log.h"

namespace {

bool resolveAppDataFolder(void*, wchar_t* path, int32_t capacity) {
    wchar_t found[MAX_PATH];
    found[0] = 0;
    if (SHGetFolderPathW(nullptr, CSIDL_LOCAL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, found) != S_OK)
        return false;
    int32_t n = 0;
    for (; found[n] != 0 && n < capacity - 1; ++n)
        path[n] = found[n];
    path[n] = 0;
    return n > 0;
}

void createDirectory(void*, const wchar_t* path) {
    CreateDirectoryW(path, nullptr);
}

bool fileExists(void*, const wchar_t* path) {
    FILE* file = _wfopen(path, L"rb");
    if (file == nullptr) return false;
    fclose(file);
    return true;
}

bool appendBytes(void*, const wchar_t* path, const char* bytes, int32_t count) {
    if (count < 0) return false;
    // Append-only access makes every WriteFile land whole at the end of the
    // file, even while another program appends to it; a program that holds
    // the file without write sharing (a spreadsheet) makes the open fail.
    HANDLE file = CreateFileW(path, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    const BOOL wrote = WriteFile(file, bytes, static_cast<DWORD>(count), &written, nullptr);
    const BOOL closed = CloseHandle(file);
    return wrote && closed && written == static_cast<DWORD>(count);
}

constexpr RecordPlatform kPlatform = {nullptr, resolveAppDataFolder, createDirectory, fileExists,
                                      appendBytes};

} // namespace

const RecordPlatform& systemRecordPlatform() {
    return kPlatform;
}
