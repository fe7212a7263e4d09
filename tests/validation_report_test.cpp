// The validation report marks an example agreed only when values, level and
// verdict all agree, and its page counts and shows what it found.
#include <gtest/gtest.h>

#include <string>

#include "app/validation_report.h"

const ToolDef& tool119();
const ToolDef& tool301();

namespace {

constexpr wchar_t kVerdict[] = L"低危，定时翻身，保持皮肤清洁干燥并加强营养";
constexpr char kInputs[] = "sen=3, moi=3, act=2, mob=3, nut=3, fri=2";

struct ExampleCase {
    WorkedExample example;
    bool agreed;
};
constexpr ExampleCase kCases[] = {
    {{301, kInputs, L"总分 16", 1, kVerdict, L"constructed"}, true},
    {{301, kInputs, L"总分 17", 1, kVerdict, L"constructed"}, false},
    {{301, kInputs, L"总分 1", 1, kVerdict, L"constructed"}, false}, // a prefix of the value
    {{301, kInputs, L"总分 16", 2, kVerdict, L"constructed"}, false},
    {{301, kInputs, L"总分 16", 1, L"低危", L"constructed"}, false},
    {{301, "sen=4, moi=3, act=2, mob=3, nut=3, fri=2", L"总分 16", 1, kVerdict, L"constructed"}, false},
    {{301, "sen=3, bogus=1", L"总分 16", 1, kVerdict, L"constructed"}, false},
};

TEST(ValidationReport, AgreesOnlyWhenValuesLevelAndVerdictAllAgree) {
    for (const ExampleCase& c : kCases) {
        SCOPED_TRACE(c.example.inputs);
        EXPECT_EQ(c.agreed, runWorkedExample(tool301(), c.example).agreed);
    }
    const ExampleOutcome outcome = runWorkedExample(tool301(), kCases[1].example);
    EXPECT_EQ(L"总分 16", outcome.shown);
    EXPECT_EQ(1, outcome.level);
    EXPECT_EQ(kVerdict, outcome.verdict);
}

TEST(ValidationReport, PageCountsMarksAndEscapes) {
    const ToolDef* tools[] = {&tool119(), &tool301()};
    const WorkedExample examples[] = {
        kCases[0].example, kCases[1].example, {999, "x=1", L"总分 1", 0, L"", L"constructed"}};
    ReportTotals totals;
    const std::wstring page =
        composeValidationReport(tools, 2, examples, 3, {L"1.0.0", L"2026-12-08", L"e", L"h"}, &totals);
    EXPECT_EQ(2, totals.tools);
    EXPECT_EQ(3, totals.examples);
    EXPECT_EQ(1, totals.agreed);
    EXPECT_EQ(1, totals.selfTests);
    EXPECT_EQ(0, totals.selfTestErrors);
    for (const std::wstring& part :
         {composeTotalsLine(totals), std::wstring(L"不一致 2 条"),
          std::wstring(L"<td><span class=\"bad\">× 不一致</span></td>"),
          std::wstring(L"<td><span class=\"ok\">√ 一致</span></td>"), std::wstring(L"bmi&lt;18.5"),
          std::wstring(L"TOOL|119|"), std::wstring(L"id=\"t301\""), std::wstring(L"</html>\n")})
        EXPECT_NE(std::wstring::npos, page.find(part)) << part.size();
    EXPECT_EQ(std::wstring::npos, page.find(L"bmi<18.5"));
}

} // namespace
