#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "app/self_test.h"
#include "engine/text.h"

namespace {

TEST(SelfTestCommandLine, FileNameRules) {
    std::wstring longName(600, L'a');
    std::wstring longLine = L"p.exe --selftest " + longName;
    const struct {
        const wchar_t* commandLine;
        bool selfTest;
        std::wstring name;
    } cases[] = {
        {L"\"C:\\app\\medtool.exe\"", false, L""},
        {L"medtool.exe --SELFTEST out.txt", false, L""},
        {L"medtool.exe --selftes", false, L""},
        {L"medtool.exe --selftest", true, L"selftest.txt"},
        {L"medtool.exe --selftest   ", true, L"selftest.txt"},
        {L"medtool.exe --selftest \"\"", true, L"selftest.txt"},
        {L"medtool.exe --selftest out.txt", true, L"out.txt"},
        {L"medtool.exe --selftest out.txt more words", true, L"out.txt"},
        {L"medtool.exe --selftest \"my report.txt\"", true, L"my report.txt"},
        {L"medtool.exe --selftest \"my report.txt", true, L"my report.txt"}, // no closing quote
        {L"medtool.exe --selftest my report.txt", true, L"my"},
        {L"medtool.exe --selftestout.txt", true, L"out.txt"},
        {L"medtool.exe x--selftest\tq", true, L"\tq"}, // only U+0020 is skipped
        {L"a --selftest b --selftest c", true, L"b"},
        {longLine.c_str(), true, longName.substr(0, 519)},
    };
    for (const auto& c : cases) {
        wchar_t name[kSelfTestNameCapacity];
        EXPECT_EQ(parseSelfTestCommandLine(c.commandLine, name, kSelfTestNameCapacity), c.selfTest)
            << c.commandLine;
        if (c.selfTest) {
            EXPECT_EQ(std::wstring(name), c.name) << c.commandLine;
        }
    }
}

std::wstring compose(const ToolDef& tool, int32_t* errors) {
    static wchar_t text[kSelfTestFileCapacity];
    *errors = composeSelfTestFile(tool, text, kSelfTestFileCapacity);
    return text;
}

TEST(SelfTestFile, WorkedExample) {
    int32_t errors = -1;
    EXPECT_EQ(compose(builtinTool(), &errors),
              L"TOOL|119|BMI 与体型判读|营养评估\r\n"
              L"LEVEL|0\r\n"
              L"OUT|BMI|22.49|kg/m2\r\n"
              L"OUT|理想体重|65.0|kg\r\n"
              L"OUT|与理想体重差|0.0|%\r\n"
              L"VERDICT|体重正常，保持均衡饮食与运动\r\n"
              L"DETAIL|BMI：22.49 kg/m2 理想体重：65.0 kg 与理想体重差：0.0 % \r\n"
              L"ERRORS|0\r\n");
    EXPECT_EQ(errors, 0);
}

constexpr InputField kInputs[] = {{"x", L"X", L"u", 4.0}};

TEST(SelfTestFile, OutLinesAreTheRunsValues) {
    // b reads the earlier output a as the run does; only c fails, in the file as in the run.
    constexpr OutputField outputs[] = {
        {"a", L"A", L"u", "x", "f0"},
        {"b", L"B", nullptr, "10/a", "f1"},
        {"c", L"C", nullptr, "b/(a-4)", "f1"},
    };
    const ToolDef tool = {7,       L"工具", nullptr, L"类|别", L"R",    nullptr, 1,
                          kInputs, 3,       outputs, 0,        nullptr, 0};
    int32_t errors = -1;
    EXPECT_EQ(compose(tool, &errors),
              L"TOOL|7|工具|类|别\r\n"
              L"LEVEL|0\r\n"
              L"OUT|A|4|u\r\n"
              L"OUT|B|2.5|\r\n" // absent unit: the line ends in "|"
              L"OUT|C|0.0|\r\n"
              L"VERDICT|请核对输入参数后重新计算\r\n"
              L"DETAIL|A：4 u B：2.5 C：0.0 （部分结果无法计算，请检查输入是否合理） \r\n"
              L"ERRORS|1\r\n");
    EXPECT_EQ(errors, 1);
}

TEST(SelfTestFile, CustomKindHasOneOutLineAndNoErrors) {
    constexpr OutputField outputs[] = {{"y", L"Y", nullptr, "1/0", nullptr}};
    constexpr InputField inputs[] = {{"kind", L"项目", nullptr, 1.0}};
    const ToolDef tool = {3, L"采血", nullptr, L"检验", L"R", nullptr, 1, inputs, 1, outputs, 0, nullptr, 3};
    int32_t errors = -1;
    std::wstring text = compose(tool, &errors);
    EXPECT_EQ(errors, 0);
    EXPECT_NE(text.find(L"\r\nOUT|报告文本|见 "
                        L"DETAIL|\r\nVERDICT|按标准顺序采血可减少溶血与交叉污染\r\nDETAIL|标准采血顺序"),
              std::wstring::npos);
    EXPECT_EQ(text.find(L"OUT|Y"), std::wstring::npos);
    EXPECT_EQ(text.substr(text.size() - 10), L"ERRORS|0\r\n");
}

TEST(SelfTestFile, DetailStopsAt8000Characters) {
    // A full 40 x 31 roster: 6390 units, well over 8000 bytes of UTF-8 too.
    constexpr InputField inputs[] = {{"nurses", L"人数", nullptr, 40}, {"days", L"天数", nullptr, 31}};
    const ToolDef roster = {1,      L"排班", nullptr, L"护理", L"R",    nullptr, 2,
                            inputs, 0,       nullptr, 0,       nullptr, 1};
    int32_t errors = -1;
    std::wstring text = compose(roster, &errors);
    size_t detail = text.find(L"\r\nDETAIL|") + 9;
    size_t end = text.find(L"\r\nERRORS|");
    std::wstring flat = text.substr(detail, end - detail);
    EXPECT_EQ(flat.find(L'\r'), std::wstring::npos);
    EXPECT_EQ(flat.find(L'\n'), std::wstring::npos);
    // 6390 units less one CR per line (2 heading + 1 blank + 80 nurse + 1 blank + 1 tip lines).
    EXPECT_EQ(flat.size(), 6390u - 85u);
}

TEST(SelfTestFile, FlatteningCountsOnlyWhatItAppends) {
    // 9000 lines of "x\r\n": CRs are dropped and do not count, so the walk
    // stops after 4000 lines of "x ".
    static wchar_t report[27001];
    for (int i = 0; i < 9000; ++i) {
        report[3 * i] = L'x';
        report[3 * i + 1] = L'\r';
        report[3 * i + 2] = L'\n';
    }
    report[27000] = 0;
    static wchar_t text[kSelfTestFileCapacity];
    copyText(text, kSelfTestFileCapacity, L"DETAIL|");
    appendFlattenedReport(text, kSelfTestFileCapacity, report);
    std::wstring flat(text + 7);
    EXPECT_EQ(flat.size(), 8000u);
    EXPECT_EQ(flat.substr(0, 4), L"x x ");
    // Never past the file text's capacity.
    copyText(text, 20, L"DETAIL|");
    appendFlattenedReport(text, 20, report);
    EXPECT_EQ(std::wstring(text), L"DETAIL|x x x x x x ");
}

size_t utf8Length(const std::wstring& text) {
    size_t n = 0;
    for (wchar_t c : text) {
        unsigned long u = static_cast<unsigned long>(c);
        n += u < 0x80 ? 1 : u < 0x800 ? 2 : 3; // no characters outside the BMP here
    }
    return n;
}

TEST(SelfTestRun, LongFileTextIsWrittenWhole) {
    // The roster's file text passes 8190 bytes of UTF-8 (each 日 is three).
    constexpr InputField inputs[] = {{"nurses", L"人数", nullptr, 40}, {"days", L"天数", nullptr, 31}};
    const ToolDef roster = {1,      L"排班", nullptr, L"护理", L"R",    nullptr, 2,
                            inputs, 0,       nullptr, 0,       nullptr, 1};
    int32_t errors = -1;
    std::wstring text = compose(roster, &errors);
    size_t expected = utf8Length(text);
    EXPECT_GT(expected, 8190u);
    std::string dir = ::testing::TempDir();
    std::wstring name = std::wstring(dir.begin(), dir.end()) + L"selftest_roster.txt";
    EXPECT_EQ(runSelfTestFor(roster, name.c_str()), kExitOk);
    std::string narrow(name.begin(), name.end());
    std::FILE* f = std::fopen(narrow.c_str(), "rb");
    ASSERT_NE(f, nullptr);
    std::fseek(f, 0, SEEK_END);
    long size = std::ftell(f);
    std::fclose(f);
    EXPECT_EQ(static_cast<size_t>(size), expected);
}

TEST(SelfTestRun, ExitCodesAndFileBytes) {
    std::string dir = ::testing::TempDir();
    std::wstring wdir(dir.begin(), dir.end());
    std::wstring good = wdir + L"selftest_ok.txt";
    EXPECT_EQ(runSelfTest(good.c_str()), kExitOk);
    std::string narrow(good.begin(), good.end());
    std::FILE* f = std::fopen(narrow.c_str(), "rb");
    ASSERT_NE(f, nullptr);
    unsigned char bytes[400];
    size_t n = std::fread(bytes, 1, sizeof bytes, f);
    std::fclose(f);
    EXPECT_EQ(n, 268u);
    const unsigned char head[] = {'T', 'O', 'O', 'L', '|', '1',  '1',  '9',
                                  '|', 'B', 'M', 'I', ' ', 0xE4, 0xB8, 0x8E};
    for (size_t i = 0; i < sizeof head; ++i)
        EXPECT_EQ(bytes[i], head[i]) << i;

    constexpr OutputField outputs[] = {{"y", L"Y", nullptr, "1/x", nullptr}};
    constexpr InputField inputs[] = {{"x", L"X", nullptr, 0.0}};
    const ToolDef failing = {9, L"T", nullptr, L"C", L"R", nullptr, 1, inputs, 1, outputs, 0, nullptr, 0};
    std::wstring bad = wdir + L"selftest_fail.txt";
    EXPECT_EQ(runSelfTestFor(failing, bad.c_str()), kExitOutputFailed);
    std::wstring unwritable = wdir + L"no-such-folder/x/selftest.txt";
    EXPECT_EQ(runSelfTestFor(failing, unwritable.c_str()), kExitFileNotWritten);
    EXPECT_EQ(runSelfTest(unwritable.c_str()), kExitFileNotWritten);
}

} // namespace
