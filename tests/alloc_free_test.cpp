// The engine and the reports take no memory from the heap: every call below
// runs between start and stop of the allocation counter.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>

#include "alloc_counter.h"
#include "engine/calculation.h"
#include "engine/calendar.h"
#include "engine/expression.h"
#include "engine/local_time.h"
#include "engine/tool.h"
#include "reports/custom_report.h"

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

// Every var a report generator reads, so each kind finds its inputs.
const InputField kReportInputs[] = {
    {"nurses", L"护士", nullptr, 40},  {"days", L"天数", nullptr, 31},  {"start", L"起始", nullptr, 8.7},
    {"interval", L"间隔", nullptr, 8}, {"times", L"次数", nullptr, 30}, {"kind", L"类别", nullptr, 2},
    {"drugA", L"甲", nullptr, 2},      {"drugB", L"乙", nullptr, 9},    {"gap", L"间隔天数", nullptr, 30},
    {"beds", L"床位", nullptr, 30},    {"bed", L"床号", nullptr, 12},   {"dose", L"药量", nullptr, 2.5},
    {"volume", L"溶媒", nullptr, 250}, {"gtt", L"滴速", nullptr, 40},   {"panel", L"套餐", nullptr, 3},
};
constexpr int32_t kReportInputCount = static_cast<int32_t>(sizeof kReportInputs / sizeof kReportInputs[0]);

// The defaults, then values at the edges of every clamp and selector.
const double kReportValues[][kReportInputCount] = {
    {40, 31, 8.7, 8, 30, 2, 2, 9, 30, 30, 12, 2.5, 250, 40, 3},
    {0, 0, -5, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
    {3, 3, 22, 1.5, 3, 7, 6.9, 7.2, -1, 3.9, -7, -0.0, 1e300, 1e300, 6},
    {kNaN, kInf, kNaN, kNaN, kNaN, kNaN, kNaN, kInf, kNaN, kNaN, kInf, kNaN, kInf, -kInf, kNaN},
    {1e9, 1e9, 1e300, 1e300, 3e9, -3e9, 1e300, -1e300, 1e9, 1e9, 3e9, -1e300, -1e300, 1e300, 3e9},
};

const int32_t kReportKinds[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 0, 12, -1, INT32_MIN};

// A fixed date: the platform's own clock may set itself up on first use.
LocalTime fixedTime() {
    return LocalTime{2024, 2, 28, 9, 30, 0};
}

struct ClockOverride {
    LocalTimeSource saved = localTimeSource;
    ClockOverride() { localTimeSource = fixedTime; }
    ~ClockOverride() { localTimeSource = saved; }
};

// Buffers outside the counted calls, sized as the window and the self-test use them.
struct Buffers {
    wchar_t report[8192];
    wchar_t verdict[512];
    wchar_t copy[8192];
    wchar_t value[128];
};
Buffers buffers;

#define SKIP_WITHOUT_COUNTER()                                                                               \
    if (!allocationCountingAvailable()) GTEST_SKIP() << "allocations are not counted in this build"

TEST(AllocationFree, EvaluateExpression) {
    SKIP_WITHOUT_COUNTER();
    const ToolDef& tool = builtinTool();
    const double inputs[][2] = {{170, 65}, {0, 65}, {105, 65}, {kNaN, kInf}, {-1e308, 1e-320}};
    const double outputs[] = {22.49134948096886, 65, 0};
    const char* texts[] = {"w/(h/100)^2",
                           "h-105",
                           "(w-(h-105))/(h-105)*100",
                           "bmi<18.5",
                           "bmi<24",
                           "bmi<28",
                           "0 ? 1 : 0 ? 2 : 3",
                           "sqrt(16",
                           "min(1,2,3)",
                           "cbrt(64)+round(-2.5)+log10(1000)+exp(1)",
                           "1e999>0",
                           "2.2250738585072014e-308",
                           "0x1.8p3",
                           "123456789012345678901234567890",
                           "foo(1)",
                           "((((((1))))))",
                           "!(-h) || w && h % 3 >= 2",
                           "   ",
                           "",
                           "1<>2",
                           "h=1",
                           "mod(7,0)+abs(-1)+floor(2.5)+ceil(2.5)+sign(-3)"};
    int32_t failures = 0;
    double sum = 0;
    startCountingAllocations();
    for (const double* in : inputs) {
        for (const char* text : texts) {
            int32_t failed = 0;
            sum += evaluateExpression(tool, text, in, outputs, &failed);
            failures += failed;
        }
    }
    const long allocations = stopCountingAllocations();
    EXPECT_EQ(0, allocations);
    EXPECT_GT(failures, 0);
    EXPECT_FALSE(sum == 0.0);
}

TEST(AllocationFree, RunCalculationOfEveryKind) {
    SKIP_WITHOUT_COUNTER();
    ClockOverride clock;
    ToolDef reportTools[sizeof kReportKinds / sizeof kReportKinds[0]];
    int32_t toolCount = 0;
    for (int32_t kind : kReportKinds) {
        if (kind == 0) continue; // kind 0 is tool 119 itself, below
        ToolDef tool = builtinTool();
        tool.inputCount = kReportInputCount;
        tool.inputs = kReportInputs;
        tool.reportKind = kind;
        reportTools[toolCount++] = tool;
    }
    const double generic[][2] = {{170, 65}, {0, 65}, {105, 65}, {kNaN, kInf}, {1e300, -1e300}};
    int32_t levels = 0;
    startCountingAllocations();
    for (const double* in : generic) {
        int32_t level = 0;
        levels += runCalculation(builtinTool(), in, buffers.report, 4096, buffers.verdict, 512, &level,
                                 buffers.copy, 8192);
    }
    for (int32_t t = 0; t < toolCount; ++t) {
        for (const double* values : kReportValues) {
            int32_t level = 0;
            levels += runCalculation(reportTools[t], values, buffers.report, 8192, buffers.verdict, 512,
                                     &level, buffers.copy, 8192);
        }
    }
    const long allocations = stopCountingAllocations();
    EXPECT_EQ(0, allocations);
    EXPECT_GT(levels, 0);
}

TEST(AllocationFree, ComposeCustomReportAtEveryCapacity) {
    SKIP_WITHOUT_COUNTER();
    ClockOverride clock;
    ToolDef tool = builtinTool();
    tool.inputCount = kReportInputCount;
    tool.inputs = kReportInputs;
    const int32_t capacities[] = {1, 2, 21, 100, 512, 4096, 8192};
    int32_t levels = 0;
    startCountingAllocations();
    for (int32_t kind : kReportKinds) {
        for (int32_t capacity : capacities) {
            for (const double* values : kReportValues)
                levels +=
                    composeCustomReport(kind, &tool, values, buffers.report, capacity, buffers.verdict, 512);
        }
    }
    const long allocations = stopCountingAllocations();
    EXPECT_EQ(0, allocations);
    EXPECT_GT(levels, 0);
}

TEST(AllocationFree, FormatValueOfEveryCode) {
    SKIP_WITHOUT_COUNTER();
    const char* codes[] = {"f0", "f1", "f2", "f3", "int", "pct", "date", "wd", nullptr, "", "F2", "x"};
    const double values[] = {0,        -0.0,         22.49134948096886,
                             65,       -161.9047619, 12.34,
                             0.5,      2.5,          -2.5,
                             1e6,      -1e15,        1e74,
                             1e75,     1e300,        -1e308,
                             4.9e-324, kNaN,         kInf,
                             -kInf,    20000,        -1,
                             -719468,  2932896,      9.3e18,
                             1e19};
    wchar_t last = 0;
    startCountingAllocations();
    for (const char* code : codes) {
        for (double value : values) {
            formatValue(code, value, buffers.value, 128);
            last = static_cast<wchar_t>(last + buffers.value[0]);
            formatValue(code, value, buffers.value, 3);
        }
    }
    const long allocations = stopCountingAllocations();
    EXPECT_EQ(0, allocations);
    EXPECT_NE(0, last);
}

TEST(AllocationFree, ReadDateText) {
    SKIP_WITHOUT_COUNTER();
    const wchar_t* texts[] = {L"2026-12-08", L" 2026年12月8日 ", L"２０２６．１２．８", L"2026-02-29", L"x"};
    int64_t sum = 0;
    startCountingAllocations();
    for (const wchar_t* text : texts) {
        int64_t day = 0;
        if (readDateText(text, &day)) sum += day;
    }
    const long allocations = stopCountingAllocations();
    EXPECT_EQ(0, allocations);
    EXPECT_EQ(3 * 20795, sum);
}

} // namespace
