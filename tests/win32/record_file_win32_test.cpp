#include <windows.h>

#include <shlobj.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>

#include "engine/text.h"
#include "records/record_log.h"

namespace {

namespace fs = std::filesystem;

const LocalTime kTime = {2026, 3, 5, 14, 7, 9};
const double kValues[kMaxInputs] = {170.0, 65.0};

std::string readFile(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::wstring uniqueName() {
    std::random_device random;
    return std::to_wstring(random()) + L"-" + std::to_wstring(random());
}

TEST(RecordFileWin32, SavesUnderTheLocalAppDataFolderOfThePrefix) {
    wchar_t appData[MAX_PATH];
    ASSERT_EQ(SHGetFolderPathW(nullptr, CSIDL_LOCAL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, appData), S_OK);
    // A tool number of its own, so that the window's T119.csv is left alone.
    ToolDef tool = builtinTool();
    tool.number = 9119;
    const std::wstring marker = L"标记 " + uniqueName();
    SaveOutcome outcome;
    saveRecordTo(systemRecordPlatform(), tool, kValues, marker.c_str(), kTime, &outcome);
    ASSERT_EQ(outcome.result, SaveResult::Saved) << outcome.message;
    const fs::path file = std::wstring(appData) + L"\\TavoMedSuite\\records\\T9119.csv";
    EXPECT_EQ(outcome.recordFile, file.wstring());
    const std::string content = readFile(file);
    EXPECT_EQ(content.rfind("\xEF\xBB\xBF", 0), 0u);
    char record[256];
    wchar_t line[kRecordLineCapacity];
    composeRecordLine(tool, kValues, marker.c_str(), kTime, line, kRecordLineCapacity);
    const int32_t length = convertToUtf8(line, record, sizeof record);
    ASSERT_GT(length, 0);
    EXPECT_NE(content.find(std::string(record, static_cast<size_t>(length))), std::string::npos);
    DeleteFileW(file.c_str());
}

TEST(RecordFileWin32, AFileHeldByAnotherProgramIsReportedAndLeftIntact) {
    const fs::path root = fs::temp_directory_path() / (L"medtool-held-" + uniqueName());
    ASSERT_TRUE(fs::create_directories(root));
    struct Seam {
        std::wstring appData;
    } seam{root.wstring()};
    RecordPlatform platform = systemRecordPlatform();
    platform.context = &seam;
    platform.resolveAppDataFolder = [](void* context, wchar_t* path, int32_t capacity) {
        copyText(path, capacity, static_cast<Seam*>(context)->appData.c_str());
        return true;
    };
    SaveOutcome outcome;
    saveRecordTo(platform, builtinTool(), kValues, L"第一条", kTime, &outcome);
    ASSERT_EQ(outcome.result, SaveResult::Saved) << outcome.message;
    const std::wstring file = outcome.recordFile;
    const std::string earlier = readFile(file);

    // No sharing at all, and read sharing only, as a spreadsheet holds its file.
    for (DWORD share : {DWORD{0}, DWORD{FILE_SHARE_READ}}) {
        HANDLE held = CreateFileW(file.c_str(), GENERIC_READ | GENERIC_WRITE, share, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
        ASSERT_NE(held, INVALID_HANDLE_VALUE);
        saveRecordTo(platform, builtinTool(), kValues, L"第二条", kTime, &outcome);
        CloseHandle(held);
        EXPECT_EQ(outcome.result, SaveResult::Failed) << share;
        EXPECT_STREQ(outcome.statusText, L"记录保存失败");
        wchar_t message[kRecordMessageCapacity];
        formatText(message, kRecordMessageCapacity, kSaveFailedFormat, file.c_str());
        EXPECT_STREQ(outcome.message, message);
        EXPECT_EQ(readFile(file), earlier) << share;
    }

    saveRecordTo(platform, builtinTool(), kValues, L"第三条", kTime, &outcome);
    EXPECT_EQ(outcome.result, SaveResult::Saved);
    EXPECT_GT(readFile(file).size(), earlier.size());
    std::error_code ignored;
    fs::remove_all(root, ignored);
}

} // namespace
