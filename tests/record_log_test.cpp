#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "engine/calculation.h"
#include "engine/text.h"
#include "records/record_log.h"
#include "tools/suite.h"

namespace {

namespace fs = std::filesystem;

const std::string kBom = "\xEF\xBB\xBF";
const LocalTime kWorkedExampleTime = {2026, 3, 5, 14, 7, 9};
const double kDefaults[kMaxInputs] = {170.0, 65.0};
const wchar_t kReport[] = L"BMI：22.49 kg/m2\r\n理想体重：65.0 kg\r\n";
const char kBuiltinHeader[] = u8"时间,工具,身高,体重,结果\r\n";
const char kWorkedExampleRecord[] =
    u8"2026-03-05 14:07:09,BMI 与体型判读,身高=170,体重=65,\"BMI：22.49 kg/m2\r\n理想体重：65.0 kg\r\n\"\r\n";

std::string utf8(const std::wstring& text) {
    std::vector<char> bytes(4 * text.size() + 1);
    int32_t n = convertToUtf8(text.c_str(), bytes.data(), static_cast<int32_t>(bytes.size()));
    EXPECT_GE(n, 0);
    return std::string(bytes.data(), n < 0 ? 0 : static_cast<size_t>(n));
}

std::wstring recordLine(const ToolDef& tool, const double* values, const std::wstring& report,
                        const LocalTime& time = kWorkedExampleTime) {
    wchar_t line[kRecordLineCapacity + 1];
    line[kRecordLineCapacity] = L'#';
    composeRecordLine(tool, values, report.c_str(), time, line, kRecordLineCapacity);
    EXPECT_EQ(line[kRecordLineCapacity], L'#');
    return line;
}

std::wstring headerLine(const ToolDef& tool) {
    wchar_t line[kHeaderLineCapacity + 1];
    line[kHeaderLineCapacity] = L'#';
    composeHeaderLine(tool, line, kHeaderLineCapacity);
    EXPECT_EQ(line[kHeaderLineCapacity], L'#');
    return line;
}

// RFC 4180 reading of one line that ends in CR LF; false when malformed.
bool parseCsvLine(const std::wstring& line, std::vector<std::wstring>* fields) {
    fields->assign(1, L"");
    size_t i = 0;
    for (;;) {
        if (i < line.size() && line[i] == L'"') {
            for (++i;; ++i) {
                if (i >= line.size()) return false;
                if (line[i] == L'"') {
                    if (i + 1 < line.size() && line[i + 1] == L'"') {
                        fields->back() += L'"';
                        ++i;
                    } else {
                        ++i;
                        break;
                    }
                } else {
                    fields->back() += line[i];
                }
            }
        } else {
            while (i < line.size() && line[i] != L',' && line[i] != L'\r' && line[i] != L'"')
                fields->back() += line[i++];
        }
        if (i < line.size() && line[i] == L',') {
            fields->push_back(L"");
            ++i;
            continue;
        }
        return line.compare(i, std::wstring::npos, L"\r\n") == 0;
    }
}

// A tool whose texts need quoting, with up to 16 inputs of chosen labels.
struct OddTool {
    std::wstring name;
    std::vector<std::wstring> labels;
    InputField inputs[kMaxInputs] = {};
    ToolDef tool = {};

    OddTool(std::wstring toolName, std::vector<std::wstring> inputLabels, int32_t number = 7)
        : name(std::move(toolName)), labels(std::move(inputLabels)) {
        for (size_t i = 0; i < labels.size(); ++i)
            inputs[i] = {"x", labels[i].c_str(), nullptr, 1.0};
        tool.number = number;
        tool.name = name.c_str();
        tool.category = L"";
        tool.reference = L"";
        tool.inputCount = static_cast<int32_t>(labels.size());
        tool.inputs = inputs;
    }
};

TEST(RecordLog, FileNamesPadTheToolNumberToThreeDigits) {
    struct Row {
        int32_t number;
        const wchar_t* file;
    };
    const Row rows[] = {
        {7, L"D:\\A\\TavoMedSuite\\records\\T007.csv"},
        {119, L"D:\\A\\TavoMedSuite\\records\\T119.csv"},
        {1234, L"D:\\A\\TavoMedSuite\\records\\T1234.csv"},
        {0, L"D:\\A\\TavoMedSuite\\records\\T000.csv"},
    };
    wchar_t folder[kRecordsFolderCapacity];
    composeRecordsFolder(L"D:\\A", folder, kRecordsFolderCapacity);
    for (const Row& row : rows) {
        wchar_t file[kRecordFileCapacity];
        composeRecordFile(folder, row.number, file, kRecordFileCapacity);
        EXPECT_STREQ(file, row.file) << row.number;
    }
}

void collect(void* context, const wchar_t* prefix) {
    static_cast<std::vector<std::wstring>*>(context)->push_back(prefix);
}

TEST(RecordLog, FolderChainVisitsEveryPrefixAfterTheDriveRoot) {
    struct Row {
        const wchar_t* folder;
        std::vector<std::wstring> prefixes;
    };
    const Row rows[] = {
        {L"D:\\Profiles\\user\\AppData\\Local\\TavoMedSuite\\records",
         {L"D:\\Profiles", L"D:\\Profiles\\user", L"D:\\Profiles\\user\\AppData",
          L"D:\\Profiles\\user\\AppData\\Local", L"D:\\Profiles\\user\\AppData\\Local\\TavoMedSuite",
          L"D:\\Profiles\\user\\AppData\\Local\\TavoMedSuite\\records"}},
        {L"C:\\records", {L"C:\\records"}},
        {L"/tmp/x\\TavoMedSuite\\records",
         {L"/tmp/x", L"/tmp/x\\TavoMedSuite", L"/tmp/x\\TavoMedSuite\\records"}},
    };
    for (const Row& row : rows) {
        std::vector<std::wstring> seen;
        walkFolderChain(row.folder, collect, &seen);
        EXPECT_EQ(seen, row.prefixes) << row.folder;
    }
}

TEST(RecordLog, HeaderAndRecordOfTheBuiltInToolAreWrittenAsTheyStand) {
    EXPECT_EQ(utf8(headerLine(builtinTool())), kBuiltinHeader);
    EXPECT_EQ(utf8(recordLine(builtinTool(), kDefaults, kReport)), kWorkedExampleRecord);
}

// A date input is written as its date; a value that is no day number keeps the number.
TEST(RecordLog, DateInputsAreWrittenAsDates) {
    const InputField inputs[] = {
        {"lmp", L"末次月经", L"年-月-日", 0, 0, nullptr, 0, 1e5, true},
        {"cyc", L"月经周期", L"天", 28},
    };
    ToolDef tool = builtinTool();
    tool.inputs = inputs;
    tool.inputCount = 2;
    const struct {
        double day;
        const wchar_t* field;
    } rows[] = {{20517, L"末次月经=2026-03-05"},
                {20517.75, L"末次月经=2026-03-05"},
                {-1, L"末次月经=1969-12-31"},
                {NAN, L"末次月经=nan"}};
    for (const auto& row : rows) {
        const double values[kMaxInputs] = {row.day, 28.0};
        const std::wstring line = recordLine(tool, values, L"x");
        EXPECT_NE(line.find(std::wstring(L",") + row.field + L",月经周期=28,"), std::wstring::npos)
            << utf8(line);
    }
}

TEST(RecordLog, InputValuesAreWrittenWithSixSignificantDigits) {
    struct Row {
        double value;
        const wchar_t* field;
    };
    const Row rows[] = {
        {0.00001, L"身高=1e-05"},   {1234567.0, L"身高=1.23457e+06"},
        {170.0, L"身高=170"},       {1.75, L"身高=1.75"},
        {0.0001, L"身高=0.0001"},   {999999.5, L"身高=1e+06"},
        {-0.5, L"身高=-0.5"},       {0.0, L"身高=0"},
        {123456.0, L"身高=123456"}, {1e300, L"身高=1e+300"},
    };
    for (const Row& row : rows) {
        const double values[kMaxInputs] = {row.value, 65.0};
        std::vector<std::wstring> fields;
        ASSERT_TRUE(parseCsvLine(recordLine(builtinTool(), values, L"x"), &fields));
        ASSERT_EQ(fields.size(), 5u);
        EXPECT_EQ(fields[2], row.field) << row.value;
    }
}

TEST(RecordLog, ResultFieldIsQuotedAndKeepsTheWholeStoredReport) {
    // The stored report holds at most 8191 units; all of them reach the record.
    static_assert(kResultTextLimit == 8191, "the window's stored report, whole");
    const size_t limit = kResultTextLimit;
    const std::wstring almost(limit - 1, L'x');
    struct Row {
        std::wstring report;
        std::wstring segment;
    };
    const Row rows[] = {
        {L"a", L",\"a\""},
        {L"含,逗号", L",\"含,逗号\""},
        {L"说\"明\"", L",\"说\"\"明\"\"\""},
        {L"行一\r\n行二\r\n", L",\"行一\r\n行二\r\n\""},
        {std::wstring(300, L'x'), L",\"" + std::wstring(300, L'x') + L"\""},
        {std::wstring(limit, L'x'), L",\"" + std::wstring(limit, L'x') + L"\""},
        {std::wstring(limit, L'"'), L",\"" + std::wstring(2 * limit, L'"') + L"\""},
        {almost + L"\"tail", L",\"" + almost + L"\"\"\""},
        // A pair is kept whole or not at all; it counts two units on every platform.
        {almost + L"😀", L",\"" + almost + L"\""},
        {almost.substr(1) + L"😀z", L",\"" + almost.substr(1) + L"😀\""},
    };
    for (const Row& row : rows) {
        wchar_t segment[kResultSegmentCapacity];
        composeResultSegment(row.report.c_str(), segment, kResultSegmentCapacity);
        EXPECT_EQ(segment, row.segment) << row.report.size();
    }
}

TEST(RecordLog, OtherFieldsAreQuotedOnlyWhenTheyMustBe) {
    OddTool odd(L"工具,\"七\"", {L"身高, cm", L"体重\"kg\"", L"备注\r\n", L"plain"});
    EXPECT_EQ(headerLine(odd.tool), L"时间,工具,\"身高, cm\",\"体重\"\"kg\"\"\",\"备注\r\n\",plain,结果\r\n");
    const double values[kMaxInputs] = {170, 65, 1, 2};
    EXPECT_EQ(
        recordLine(odd.tool, values, L"r"),
        L"2026-03-05 14:07:09,\"工具,\"\"七\"\"\",\"身高, cm=170\",\"体重\"\"kg\"\"=65\",\"备注\r\n=1\","
        L"plain=2,\"r\"\r\n");
}

TEST(RecordLog, OverlongFieldsAreCutButEveryColumnAndTheLineEndRemain) {
    struct Row {
        std::wstring name;
        std::wstring label;
        int32_t inputs;
    };
    const Row rows[] = {
        {std::wstring(5000, L'名'), L"短", 2},
        {std::wstring(5000, L','), std::wstring(300, L'"'), 16},
        {L"BMI", std::wstring(300, L'标'), 16},
        // Cuts that fall on a surrogate pair (where wchar_t is UTF-16).
        {std::wstring(3560, L'a') + L"😀😀", L"a😀", 1},
        {L"BMI", std::wstring(125, L'b') + L"😀", 2},
    };
    for (const Row& row : rows) {
        OddTool odd(row.name, std::vector<std::wstring>(row.inputs, row.label));
        const double values[kMaxInputs] = {};
        const std::wstring report(300, L'"');
        const std::wstring line = recordLine(odd.tool, values, report);
        const std::wstring header = headerLine(odd.tool);
        std::vector<std::wstring> fields;
        ASSERT_TRUE(parseCsvLine(line, &fields)) << row.inputs;
        EXPECT_EQ(fields.size(), static_cast<size_t>(row.inputs) + 3);
        EXPECT_EQ(fields.back(), report);
        ASSERT_TRUE(parseCsvLine(header, &fields));
        EXPECT_EQ(fields.size(), static_cast<size_t>(row.inputs) + 3);
        EXPECT_EQ(fields.back(), L"结果");
        // A cut never leaves half a surrogate pair behind.
        char bytes[kRecordUtf8Capacity];
        EXPECT_GE(convertToUtf8(line.c_str(), bytes, kRecordUtf8Capacity), 0);
        EXPECT_GE(convertToUtf8(header.c_str(), bytes, kRecordUtf8Capacity), 0);
    }
}

TEST(RecordLog, Utf8ConversionRejectsUnpairedSurrogatesAndOverflow) {
    struct Row {
        std::wstring text;
        int32_t capacity;
        int32_t length; // -1: fails
        std::string bytes;
    };
    std::vector<Row> rows = {
        {L"", 1, 0, ""},
        {L"abc", 4, 3, "abc"},
        {L"abc", 3, -1, ""},
        {L"é身", 16, 5, "\xC3\xA9\xE8\xBA\xAB"},
        {L"😀", 16, 4, "\xF0\x9F\x98\x80"},
        {L"😀", 4, -1, ""},
        {L"a\xD800z", 16, -1, ""},
        {L"a\xDC00", 16, -1, ""},
        {L"\xD83D", 16, -1, ""},
    };
    if (sizeof(wchar_t) == 4) rows.push_back({std::wstring(1, static_cast<wchar_t>(0x110000)), 16, -1, ""});
    for (const Row& row : rows) {
        std::vector<char> out(static_cast<size_t>(row.capacity), '#');
        EXPECT_EQ(convertToUtf8(row.text.c_str(), out.data(), row.capacity), row.length) << row.bytes;
        if (row.length >= 0) {
            EXPECT_EQ(std::string(out.data()), row.bytes);
        }
    }
}

// An in-memory disk; every operation is logged in order.
struct FakeDisk {
    bool resolves = true;
    std::wstring appData = L"D:\\Profiles\\user\\AppData\\Local";
    std::map<std::wstring, std::string> files;
    std::vector<std::wstring> directories;
    std::vector<std::wstring> log;
    int failingAppend = -1; // index of the append that fails
    int appends = 0;
};

FakeDisk& disk(void* context) {
    return *static_cast<FakeDisk*>(context);
}

bool fakeResolve(void* context, wchar_t* path, int32_t capacity) {
    disk(context).log.push_back(L"resolve");
    copyText(path, capacity, disk(context).appData.c_str());
    return disk(context).resolves;
}
void fakeCreateDirectory(void* context, const wchar_t* path) {
    disk(context).log.push_back(L"mkdir");
    disk(context).directories.push_back(path);
}
bool fakeExists(void* context, const wchar_t* path) {
    disk(context).log.push_back(L"exists");
    return disk(context).files.count(path) != 0;
}
bool fakeAppend(void* context, const wchar_t* path, const char* bytes, int32_t count) {
    FakeDisk& d = disk(context);
    d.log.push_back(L"append");
    if (d.appends++ == d.failingAppend) return false;
    d.files[path].append(bytes, static_cast<size_t>(count));
    return true;
}

RecordPlatform fakePlatform(FakeDisk* d) {
    return {d, fakeResolve, fakeCreateDirectory, fakeExists, fakeAppend};
}

const wchar_t kFakeFile[] = L"D:\\Profiles\\user\\AppData\\Local\\TavoMedSuite\\records\\T119.csv";

SaveOutcome save(const RecordPlatform& platform, const wchar_t* report = kReport,
                 const ToolDef& tool = builtinTool()) {
    SaveOutcome outcome;
    saveRecordTo(platform, tool, kDefaults, report, kWorkedExampleTime, &outcome);
    return outcome;
}

std::wstring failureMessage(const wchar_t* what) {
    wchar_t text[kRecordMessageCapacity];
    formatText(text, kRecordMessageCapacity, kSaveFailedFormat, what);
    return text;
}

TEST(SaveRecord, WithoutAResultNothingIsTouched) {
    for (const wchar_t* report : {L"", static_cast<const wchar_t*>(nullptr)}) {
        FakeDisk d;
        SaveOutcome outcome = save(fakePlatform(&d), report);
        EXPECT_EQ(outcome.result, SaveResult::NoResult);
        EXPECT_TRUE(d.log.empty());
        EXPECT_STREQ(outcome.message, L"请先点击“计算”生成结果，再保存记录。");
        EXPECT_STREQ(outcome.caption, L"提示");
        EXPECT_STREQ(outcome.statusText, L"");
    }
}

TEST(SaveRecord, FirstSaveCreatesTheChainAndTheHeaderLaterSavesAppendRecords) {
    FakeDisk d;
    SaveOutcome first = save(fakePlatform(&d));
    EXPECT_EQ(first.result, SaveResult::Saved);
    EXPECT_EQ(d.directories.size(), 6u);
    EXPECT_EQ(d.directories.back(), L"D:\\Profiles\\user\\AppData\\Local\\TavoMedSuite\\records");
    EXPECT_STREQ(first.recordFile, kFakeFile);
    EXPECT_EQ(std::wstring(first.statusText), std::wstring(L"记录已保存：") + kFakeFile);
    EXPECT_STREQ(first.message, L"本次结果已追加保存到本地记录（CSV，可用 Excel 打开）。");
    EXPECT_STREQ(first.caption, L"已保存");
    EXPECT_EQ(d.files[kFakeFile], kBom + kBuiltinHeader + kWorkedExampleRecord);

    d.log.clear();
    EXPECT_EQ(save(fakePlatform(&d)).result, SaveResult::Saved);
    EXPECT_EQ(d.files[kFakeFile], kBom + kBuiltinHeader + kWorkedExampleRecord + kWorkedExampleRecord);
    // One write per record line.
    EXPECT_EQ(std::count(d.log.begin(), d.log.end(), L"append"), 1);
}

TEST(SaveRecord, AnExistingEmptyFileGetsNoHeader) {
    FakeDisk d;
    d.files[kFakeFile] = "";
    EXPECT_EQ(save(fakePlatform(&d)).result, SaveResult::Saved);
    EXPECT_EQ(d.files[kFakeFile], kWorkedExampleRecord);
}

// Each report tool of the suite, on inputs that give its longest report:
// the file holds its header and the whole report in the result field.
TEST(SaveRecord, EveryReportToolKeepsItsWholeReport) {
    for (const SuiteTool& entry : kSuiteTools) {
        const ToolDef& tool = entry.tool();
        if (tool.reportKind == report_kind::None) continue;
        SCOPED_TRACE(tool.number);
        double values[kMaxInputs] = {};
        for (int32_t i = 0; i < tool.inputCount; ++i)
            values[i] = tool.inputs[i].defaultValue;
        if (tool.reportKind == report_kind::DutyRoster) values[0] = 40, values[1] = 31;
        if (tool.reportKind == report_kind::HandoverTemplate) values[0] = 30;
        static wchar_t report[8192], verdict[512], stored[8192];
        int32_t level = 0;
        runCalculation(tool, values, report, 8192, verdict, 512, &level, stored, 8192);
        std::wstring header = L"时间,工具";
        std::wstring record = std::wstring(L"2026-03-05 14:07:09,") + tool.name;
        for (int32_t i = 0; i < tool.inputCount; ++i) {
            header += std::wstring(L",") + tool.inputs[i].label;
            wchar_t value[64];
            formatText(value, 64, L"%g", values[i]);
            record += std::wstring(L",") + tool.inputs[i].label + L"=" + value;
        }
        std::wstring quoted;
        for (const wchar_t* p = stored; *p != 0; ++p)
            quoted += *p == L'"' ? std::wstring(L"\"\"") : std::wstring(1, *p);
        FakeDisk d;
        SaveOutcome outcome;
        saveRecordTo(fakePlatform(&d), tool, values, stored, kWorkedExampleTime, &outcome);
        ASSERT_EQ(outcome.result, SaveResult::Saved);
        EXPECT_EQ(d.files[outcome.recordFile],
                  kBom + utf8(header + L",结果\r\n") + utf8(record + L",\"" + quoted + L"\"\r\n"));
        if (tool.reportKind == report_kind::DutyRoster) {
            EXPECT_EQ(textLength(stored), 6390);
        }
    }
}

TEST(SaveRecord, FailuresAreReportedAndWriteNothingFurther) {
    struct Row {
        const char* what;
        bool resolves;
        bool fileExists;
        int failingAppend;
        const wchar_t* report;
        std::wstring messagePath;
        std::string contentAfter; // "-": no file
    };
    const std::string earlier = kBom + kBuiltinHeader + kWorkedExampleRecord;
    const Row rows[] = {
        {"folder unresolved", false, true, -1, kReport, L"本地应用数据文件夹", earlier},
        {"record write fails", true, true, 0, kReport, kFakeFile, earlier},
        {"header write fails", true, false, 0, kReport, kFakeFile, "-"},
        // Nothing rolled back: the header stays alone.
        {"record write after header fails", true, false, 1, kReport, kFakeFile, kBom + kBuiltinHeader},
        {"unconvertible report", true, true, -1, L"a\xD800", kFakeFile, earlier},
        {"unconvertible report, new file", true, false, -1, L"a\xD800", kFakeFile, "-"},
    };
    for (const Row& row : rows) {
        FakeDisk d;
        d.resolves = row.resolves;
        d.failingAppend = row.failingAppend;
        if (row.fileExists) d.files[kFakeFile] = earlier;
        SaveOutcome outcome = save(fakePlatform(&d), row.report);
        EXPECT_EQ(outcome.result, SaveResult::Failed) << row.what;
        EXPECT_STREQ(outcome.statusText, L"记录保存失败") << row.what;
        EXPECT_EQ(outcome.message, failureMessage(row.messagePath.c_str())) << row.what;
        EXPECT_STREQ(outcome.caption, L"提示") << row.what;
        const bool present = d.files.count(kFakeFile) != 0;
        EXPECT_EQ(present ? d.files[kFakeFile] : std::string("-"), row.contentAfter) << row.what;
        if (!row.resolves) {
            EXPECT_EQ(d.log, std::vector<std::wstring>{L"resolve"});
        }
    }
}

// The operating system's file operations in a fresh temporary folder.
class RecordFile : public ::testing::Test {
  protected:
    void SetUp() override {
        std::random_device random;
        root = fs::temp_directory_path() /
               ("medtool-records-" + std::to_string(random()) + "-" + std::to_string(random()));
        ASSERT_TRUE(fs::create_directories(root));
        appData = (root / "Local").wstring();
        platform = systemRecordPlatform();
        platform.context = this;
        platform.resolveAppDataFolder = [](void* context, wchar_t* path, int32_t capacity) {
            copyText(path, capacity, static_cast<RecordFile*>(context)->appData.c_str());
            return true;
        };
    }
    void TearDown() override {
        std::error_code ignored;
        fs::remove_all(root, ignored);
    }
    fs::path records() const { return root / "Local" / "TavoMedSuite" / "records"; }
    std::string read(const fs::path& file) const {
        std::ifstream in(file, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }

    fs::path root;
    std::wstring appData;
    RecordPlatform platform{};
};

TEST_F(RecordFile, FirstSaveCreatesFolderAndFileLaterSavesAppend) {
    SaveOutcome outcome = save(platform);
    ASSERT_EQ(outcome.result, SaveResult::Saved) << outcome.message;
    EXPECT_TRUE(fs::is_directory(records()));
    EXPECT_EQ(read(records() / "T119.csv"), kBom + kBuiltinHeader + kWorkedExampleRecord);
    ASSERT_EQ(save(platform).result, SaveResult::Saved);
    EXPECT_EQ(read(records() / "T119.csv"),
              kBom + kBuiltinHeader + kWorkedExampleRecord + kWorkedExampleRecord);
}

TEST_F(RecordFile, AnExistingEmptyFileGetsNoHeader) {
    fs::create_directories(records());
    std::ofstream(records() / "T119.csv").close();
    ASSERT_EQ(save(platform).result, SaveResult::Saved);
    EXPECT_EQ(read(records() / "T119.csv"), kWorkedExampleRecord);
}

TEST_F(RecordFile, AFileInPlaceOfTheFolderIsReportedAndLeftAsItWas) {
    fs::create_directories(records().parent_path());
    std::ofstream(records(), std::ios::binary) << "keep";
    SaveOutcome outcome = save(platform);
    EXPECT_EQ(outcome.result, SaveResult::Failed);
    EXPECT_EQ(outcome.message, failureMessage(outcome.recordFile));
    EXPECT_EQ(read(records()), "keep");
}

TEST_F(RecordFile, AFolderInPlaceOfTheFileIsReportedAndEarlierRecordsOfOtherToolsStay) {
    OddTool other(L"其他", {L"a"}, 7);
    ASSERT_EQ(save(platform, kReport, other.tool).result, SaveResult::Saved);
    const std::string earlier = read(records() / "T007.csv");
    fs::create_directories(records() / "T119.csv");
    EXPECT_EQ(save(platform).result, SaveResult::Failed);
    EXPECT_EQ(read(records() / "T007.csv"), earlier);
}

} // namespace
