// The record file operations over POSIX: UTF-8 paths with "\" read as "/".
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>

#include "records/record_log.h"

namespace {

constexpr int32_t kNativePathCapacity = 4 * kRecordFileCapacity;

bool nativePath(const wchar_t* path, char* out) {
    if (convertToUtf8(path, out, kNativePathCapacity) < 0) return false;
    for (char* p = out; *p != 0; ++p)
        if (*p == '\\') *p = '/';
    return true;
}

// There is no per-user local application-data folder here: callers supply one.
bool resolveAppDataFolder(void*, wchar_t* path, int32_t capacity) {
    if (path != nullptr && capacity > 0) path[0] = 0;
    return false;
}

void createDirectory(void*, const wchar_t* path) {
    char native[kNativePathCapacity];
    if (nativePath(path, native)) mkdir(native, 0755);
}

bool fileExists(void*, const wchar_t* path) {
    char native[kNativePathCapacity];
    if (!nativePath(path, native)) return false;
    std::FILE* file = std::fopen(native, "rb");
    if (file == nullptr) return false;
    std::fclose(file);
    return true;
}

bool appendBytes(void*, const wchar_t* path, const char* bytes, int32_t count) {
    char native[kNativePathCapacity];
    if (count < 0 || !nativePath(path, native)) return false;
    const int fd = open(native, O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0) return false;
    // One write, so that records of programs saving at once do not interleave.
    const ssize_t written = write(fd, bytes, static_cast<size_t>(count));
    const bool closed = close(fd) == 0;
    return closed && written == static_cast<ssize_t>(count);
}

constexpr RecordPlatform kPlatform = {nullptr, resolveAppDataFolder, createDirectory, fileExists,
                                      appendBytes};

} // namespace

const RecordPlatform& systemRecordPlatform() {
    return kPlatform;
}
