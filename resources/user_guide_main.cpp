// Writes the suite's user guide (UTF-8 with a byte-order mark, as Notepad
// reads it everywhere) and the program list the packager reads (UTF-8).
// Usage: user_guide <guide file> <program list file>
#include <cstdio>
#include <string>

#include "app/user_guide.h"
#include "tools/suite.h"

namespace {

bool writeFile(const char* path, const std::string& bytes) {
    if (bytes.empty()) return false;
    std::FILE* file = std::fopen(path, "wb");
    if (file == nullptr) return false;
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return std::fclose(file) == 0 && written;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: user_guide <guide file> <program list file>\n");
        return 1;
    }
    const ToolDef* tools[kSuiteToolCount];
    for (int32_t i = 0; i < kSuiteToolCount; ++i)
        tools[i] = &kSuiteTools[i].tool();
    const std::string guide = encodeUtf8(composeUserGuide(tools, kSuiteToolCount), true);
    const std::string list = encodeUtf8(composeProgramList(tools, kSuiteToolCount), false);
    if (!writeFile(argv[1], guide) || !writeFile(argv[2], list)) {
        std::fprintf(stderr, "user_guide: cannot write %s or %s\n", argv[1], argv[2]);
        return 1;
    }
    return 0;
}
