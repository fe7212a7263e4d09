// Saves numbered records through the system's file operations into a given
// local application-data folder (ASCII path), for the CSV read-back check.
// Usage: record_log_generator <folder> <first> <count>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "engine/text.h"
#include "records/record_log.h"

namespace {

// The same pieces, in the same order, as in read_csv.py.
const wchar_t* const kPieces[] = {
    L"BMI：22.49 kg/m2\r\n",
    L"理想体重：65.0 kg\r\n",
    L"逗号,在中间",
    L"引号\"在\"中间",
    L"\"\"",
    L"\r\n",
    L"😀",
    L"a",
    L"体重正常，保持均衡饮食与运动\r\n",
    L"\n",
    L"\r",
    L",",
};
constexpr int kPieceCount = static_cast<int>(sizeof kPieces / sizeof kPieces[0]);
const double kBases[] = {0.00001, 1234567.0, 170.0, 65.0, 1.75, -3.5, 1e20, 123456.0, 0.0001};
constexpr int kBaseCount = static_cast<int>(sizeof kBases / sizeof kBases[0]);

const InputField kOddInputs[] = {
    {"a", L"身高, cm", nullptr, 0.0},
    {"b", L"体重\"kg\"", nullptr, 0.0},
    {"c", L"备注\r\n换行", nullptr, 0.0},
};
const ToolDef kOddTool = {7, L"工具,\"七\"", nullptr, L"",     L"", nullptr, 3, kOddInputs,
                          0, nullptr,        0,       nullptr, 0};

std::wstring appData;

bool resolve(void*, wchar_t* path, int32_t capacity) {
    copyText(path, capacity, appData.c_str());
    return true;
}

bool saveOne(const RecordPlatform& platform, const ToolDef& tool, int i) {
    std::wstring report;
    for (int k = 0; k <= i % 60; ++k)
        report += kPieces[(i * 7 + k) % kPieceCount];
    double values[kMaxInputs] = {};
    for (int k = 0; k < tool.inputCount; ++k)
        values[k] = kBases[(i + k) % kBaseCount] * (i + 1);
    const LocalTime time = {2026, 1 + i % 12, 1 + i % 28, i % 24, i % 60, (i * 7) % 60};
    SaveOutcome outcome;
    saveRecordTo(platform, tool, values, report.c_str(), time, &outcome);
    if (outcome.result == SaveResult::Saved) return true;
    std::fprintf(stderr, "record %d of tool %d not saved\n", i, static_cast<int>(tool.number));
    return false;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: record_log_generator <folder> <first> <count>\n");
        return 2;
    }
    for (const char* p = argv[1]; *p != 0; ++p)
        appData += static_cast<wchar_t>(static_cast<unsigned char>(*p));
    const int first = std::atoi(argv[2]);
    const int count = std::atoi(argv[3]);
    RecordPlatform platform = systemRecordPlatform();
    platform.resolveAppDataFolder = resolve;
    for (int i = first; i < first + count; ++i)
        if (!saveOne(platform, builtinTool(), i) || !saveOne(platform, kOddTool, i)) return 1;
    return 0;
}
