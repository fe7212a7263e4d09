#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "engine/calculation.h"
#include "engine/text.h"

namespace {

struct RunOutcome {
    std::wstring report;
    std::wstring verdict;
    std::wstring copy;
    int32_t level;
    int32_t returned;
};

RunOutcome run(const ToolDef& tool, const double* inputs, int32_t reportCapacity = 4096,
               int32_t copyCapacity = 8192) {
    wchar_t report[8192];
    wchar_t verdict[512];
    wchar_t copy[8192];
    int32_t level = -99;
    int32_t returned =
        runCalculation(tool, inputs, report, reportCapacity, verdict, 512, &level, copy, copyCapacity);
    return {report, verdict, copy, level, returned};
}

TEST(RunCalculation, Tool119Cases) {
    const struct {
        double h, w;
        const wchar_t* report;
        const wchar_t* verdict;
        int32_t level;
    } cases[] = {
        {170, 65, L"BMI：22.49 kg/m2\r\n理想体重：65.0 kg\r\n与理想体重差：0.0 %\r\n",
         L"体重正常，保持均衡饮食与运动", 0},
        // h = 0: the BMI fails; the range check, not a rule reading the failed value, gives the verdict.
        {0, 65,
         L"BMI：0.00 kg/m2\r\n理想体重：-105.0 kg\r\n与理想体重差：-161.9 "
         L"%\r\n（部分结果无法计算，请检查输入是否合理）\r\n",
         L"“身高”超出合理范围（110–280 cm），请核对数值与单位", 2},
        // h = 105: the third formula divides by zero; the report stays, the verdict is the range's.
        {105, 65,
         L"BMI：58.96 kg/m2\r\n理想体重：0.0 kg\r\n与理想体重差：0.0 "
         L"%\r\n（部分结果无法计算，请检查输入是否合理）\r\n",
         L"“身高”超出合理范围（110–280 cm），请核对数值与单位", 2},
        {170, 80, L"BMI：27.68 kg/m2\r\n理想体重：65.0 kg\r\n与理想体重差：23.1 %\r\n",
         L"超重，控制总能量并增加有氧运动", 1},
        {170, 50, L"BMI：17.30 kg/m2\r\n理想体重：65.0 kg\r\n与理想体重差：-23.1 %\r\n",
         L"体重偏低，建议 NRS2002 筛查", 1},
    };
    for (const auto& c : cases) {
        const double inputs[] = {c.h, c.w};
        RunOutcome r = run(builtinTool(), inputs);
        EXPECT_EQ(r.report, c.report) << c.h << " " << c.w;
        EXPECT_EQ(r.verdict, c.verdict) << c.h << " " << c.w;
        EXPECT_EQ(r.level, c.level);
        EXPECT_EQ(r.returned, c.level);
        EXPECT_EQ(r.copy, r.report);
    }
}

// Edges are inside, the next double beyond is not; NaN is outside; the first input in table order wins.
TEST(RunCalculation, TypedValuesOutsideTheirRangeGetTheRangeVerdict) {
    const wchar_t* const height = L"“身高”超出合理范围（110–280 cm），请核对数值与单位";
    const wchar_t* const weight = L"“体重”超出合理范围（0.2–700 kg），请核对数值与单位";
    const struct {
        double h, w;
        const wchar_t* verdict; // null: a rule's verdict
    } cases[] = {
        {110, 0.2, nullptr},
        {280, 700, nullptr},
        {std::nextafter(110.0, 0.0), 65, height},
        {std::nextafter(280.0, 1e9), 65, height},
        {170, std::nextafter(0.2, 0.0), weight},
        {170, 6500, weight},
        {NAN, 65, height},
        {170, -INFINITY, weight},
        {0, 0, height},
    };
    for (const auto& c : cases) {
        const double inputs[] = {c.h, c.w};
        RunOutcome r = run(builtinTool(), inputs);
        if (c.verdict != nullptr) {
            EXPECT_EQ(r.verdict, c.verdict) << c.h << " " << c.w;
            EXPECT_EQ(r.level, kLevelWarning);
        } else {
            EXPECT_EQ(r.verdict.find(L"超出合理范围"), std::wstring::npos) << c.h << " " << c.w;
        }
    }
}

TEST(RunCalculation, TwoRunsOnTheSameInputsAreIdentical) {
    const double inputs[] = {170, 65};
    RunOutcome a = run(builtinTool(), inputs);
    RunOutcome b = run(builtinTool(), inputs);
    EXPECT_EQ(a.report, b.report);
    EXPECT_EQ(a.verdict, b.verdict);
}

// A tool of the tests' own, with rules that read its outputs.
constexpr InputField kInputs[] = {{"x", L"X", nullptr, 1.0}};

TEST(RunCalculation, InfiniteOutputShowsDashesAndRulesStillCompare) {
    constexpr OutputField outputs[] = {{"big", L"大", L"", "exp(x)", "f1"}};
    constexpr VerdictRule rules[] = {{"big>1e300", 2, L"很大"}, {"", 0, L"其他"}};
    const ToolDef tool = {1, L"T", nullptr, L"C", L"R", nullptr, 1, kInputs, 1, outputs, 2, rules, 0};
    const double inputs[] = {1000};
    RunOutcome r = run(tool, inputs);
    // exp(1000) overflows: a failed output, "--", no unit part for the empty unit.
    EXPECT_EQ(r.report, L"大：--\r\n（部分结果无法计算，请检查输入是否合理）\r\n");
    EXPECT_EQ(r.verdict, L"很大");
    EXPECT_EQ(r.level, 2);
}

TEST(RunCalculation, DefaultVerdictWhenNothingMatchesOrTheTextIsEmpty) {
    constexpr OutputField outputs[] = {{"y", L"Y", nullptr, "x*2", nullptr}};
    constexpr VerdictRule none[] = {{"y>100", 2, L"高"}, {"y<0", 1, L"低"}, {"nosuch>0", 1, L"未定义"}};
    constexpr VerdictRule empty[] = {{"y>0", 2, L""}};
    const ToolDef noMatch = {1, L"T", nullptr, L"C", L"R", nullptr, 1, kInputs, 1, outputs, 3, none, 0};
    const ToolDef emptyText = {1, L"T", nullptr, L"C", L"R", nullptr, 1, kInputs, 1, outputs, 1, empty, 0};
    const ToolDef noRules = {1, L"T", nullptr, L"C", L"R", nullptr, 1, kInputs, 1, outputs, 0, nullptr, 0};
    const double inputs[] = {5};
    RunOutcome a = run(noMatch, inputs);
    EXPECT_EQ(a.report, L"Y：10.00\r\n"); // absent format and unit
    EXPECT_EQ(a.verdict, kDefaultVerdict);
    EXPECT_EQ(a.level, 0);
    RunOutcome b = run(emptyText, inputs);
    EXPECT_EQ(b.verdict, kDefaultVerdict);
    EXPECT_EQ(b.level, 2); // the matching rule's level stays
    RunOutcome c = run(noRules, inputs);
    EXPECT_EQ(c.verdict, kDefaultVerdict);
    EXPECT_EQ(c.level, 0);
}

TEST(RunCalculation, LaterOutputReadsZeroEarlierOutputItsValue) {
    constexpr OutputField outputs[] = {
        {"a", L"A", nullptr, "b+1", "f0"}, // b stands later: 0
        {"b", L"B", nullptr, "a+x", "f0"},
    };
    const ToolDef tool = {1, L"T", nullptr, L"C", L"R", nullptr, 1, kInputs, 2, outputs, 0, nullptr, 0};
    const double inputs[] = {10};
    EXPECT_EQ(run(tool, inputs).report, L"A：1\r\nB：11\r\n");
}

TEST(RunCalculation, CustomKindNeverEvaluatesFormulasOrRules) {
    // A failing formula and a matching rule that must both be ignored.
    constexpr OutputField outputs[] = {{"y", L"Y", nullptr, "1/0", nullptr}};
    constexpr VerdictRule rules[] = {{"", 2, L"不应出现"}};
    const ToolDef tool = {1, L"T", nullptr, L"C", L"R", nullptr, 1, kInputs, 1, outputs, 1, rules, 12};
    const double inputs[] = {0};
    RunOutcome r = run(tool, inputs);
    EXPECT_EQ(r.report, L"（该工具暂无自定义报告）");
    EXPECT_EQ(r.verdict, L"暂无报告内容");
    EXPECT_EQ(r.level, 0);
    EXPECT_EQ(r.copy, r.report);
}

TEST(RunCalculation, ReportCutAtCapacityWithoutLineEndAndItsCopy) {
    const double inputs[] = {170, 65};
    // "BMI：22.49 kg/m2\r\n" is 17 units; capacity 20 keeps 19.
    RunOutcome r = run(builtinTool(), inputs, 20, 8192);
    EXPECT_EQ(r.report, L"BMI：22.49 kg/m2\r\n理想");
    EXPECT_EQ(r.copy, r.report);
    RunOutcome s = run(builtinTool(), inputs, 4096, 6);
    EXPECT_EQ(s.copy, L"BMI：2");
    RunOutcome t = run(builtinTool(), inputs, 17, 8192);
    EXPECT_EQ(t.report, L"BMI：22.49 kg/m2\r"); // keeps only its CR
}

TEST(RunCalculation, LongLinesAreCutAt255) {
    wchar_t longLabel[400];
    for (int i = 0; i < 399; ++i)
        longLabel[i] = L'标';
    longLabel[399] = 0;
    const OutputField outputs[] = {{"y", longLabel, L"kg", "x", "f0"}};
    const ToolDef tool = {1, L"T", nullptr, L"C", L"R", nullptr, 1, kInputs, 1, outputs, 0, nullptr, 0};
    const double inputs[] = {1};
    RunOutcome r = run(tool, inputs);
    EXPECT_EQ(r.report.size(), 255u);
    EXPECT_EQ(r.report, std::wstring(255, L'标'));
}

// A date outside its range names its first and last day; the first input out of range wins.
TEST(RunCalculation, DatesOutsideTheirRangeGetTheDateVerdict) {
    const InputField inputs[] = {
        {"lmp", L"末次月经", L"年-月-日", 0, 0, nullptr, 10957, 47481, true}, // 2000-01-01, 2099-12-31
        {"h", L"身高", L"cm", 170, 0, nullptr, 110, 280},
    };
    ToolDef tool = builtinTool();
    tool.inputs = inputs;
    tool.inputCount = 2;
    const wchar_t* const date = L"“末次月经”不在合理日期范围（2000-01-01–2099-12-31），请按 年-月-日 核对";
    const struct {
        double day, h;
        const wchar_t* verdict; // null: a rule's
    } cases[] = {
        {10957, 170, nullptr},
        {47481, 170, nullptr},
        {10956, 170, date},
        {47482, 170, date},
        {NAN, 170, date},
        {10956, 0, date},
        {20000, 0, L"“身高”超出合理范围（110–280 cm），请核对数值与单位"},
    };
    for (const auto& c : cases) {
        const double values[] = {c.day, c.h};
        const RunOutcome r = run(tool, values);
        if (c.verdict == nullptr) {
            EXPECT_EQ(r.verdict.find(L"合理"), std::wstring::npos) << c.day;
        } else {
            EXPECT_EQ(r.verdict, c.verdict) << c.day;
            EXPECT_EQ(r.level, 2) << c.day;
        }
    }
}

TEST(FormatValue, EveryCode) {
    const struct {
        const char* code;
        double value;
        const wchar_t* expected;
    } cases[] = {
        {"f0", 2.5, L"2"},
        {"f0", 3.5, L"4"},
        {"f1", 65, L"65.0"},
        {"f2", 22.49134948, L"22.49"},
        {"f3", 1.0005, L"1.000"},
        {"f3", -1.5, L"-1.500"},
        {"int", 7.6, L"8"},
        {"pct", 12.34, L"12.3%"},
        {"pct", 0.5, L"0.5%"}, // not multiplied
        {nullptr, 1.005, L"1.00"},
        {"F2", 1.0, L"1.00"},
        {"f4", 1.0, L"1.00"},
        {"", 3.0, L"3.00"},
        {"date", 20000, L"2024-10-04"},
        {"date", -1, L"1969-12-31"},
        {"date", 0.9, L"1970-01-01"},
        {"date", -0.9, L"1970-01-01"},
        {"date", 11017, L"2000-03-01"},
        {"f1", INFINITY, L"--"},
        {"date", NAN, L"--"},
        {"pct", -INFINITY, L"--"},
        {"f1", -0.0, L"-0.0"},
        {"f2", -0.001, L"-0.00"},
        // Fixed point would pass 79 characters: exponent form, never a cut number.
        {"f2", 1e80, L"1.00e+80"},
        {"f0", -1e300, L"-1e+300"},
        {"pct", 1e90, L"1.0e+90%"},
        {"f2", 1e70, L"10000000000000000725314363815292351261583744096465219555182101554790400.00"},
        {"date", 1e19, L"--"},
        {"date", -1e19, L"--"},
        // Weeks+days of the whole days toward zero; the sign before the weeks.
        {"wd", 268, L"38+2"},
        {"wd", 6, L"0+6"},
        {"wd", -9, L"-1+2"},
        {"wd", -5, L"-0+5"},
        {"wd", 7, L"1+0"},
        {"wd", 0, L"0+0"},
        {"wd", -0.9, L"0+0"},
        {"wd", 279.99, L"39+6"},
        {"wd", -7.5, L"-1+0"},
        {"wd", 9.2e18, L"1314285714285714285+5"},
        {"wd", -9223372036854775808.0, L"-1317624576693539401+1"},
        {"wd", INFINITY, L"--"},
        {"wd", NAN, L"--"},
        {"wd", 1e19, L"--"},
        {"WD", 268, L"268.00"},
    };
    for (const auto& c : cases) {
        wchar_t text[128];
        formatValue(c.code, c.value, text, 128);
        EXPECT_EQ(std::wstring(text), c.expected) << (c.code ? c.code : "(null)") << " " << c.value;
    }
    wchar_t small[4];
    formatValue("f2", 22.49, small, 4);
    EXPECT_EQ(std::wstring(small), L"22.");
}

} // namespace
