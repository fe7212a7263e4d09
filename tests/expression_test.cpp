#include "engine/expression.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "alloc_counter.h"
#include "engine/tool.h"

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kBmi = 22.49134948096886;

struct Case {
    const char* text;
    double value;
    int32_t failed;
};

// Tool 119 with h = 170, w = 65 and the outputs of a run on them.
const double kInputs[] = {170.0, 65.0};
const double kOutputs[] = {kBmi, 65.0, 0.0};

void expectCase(const ToolDef& tool, const Case& c, const double* inputs, const double* outputs) {
    int32_t failed = -1;
    const double value = evaluateExpression(tool, c.text, inputs, outputs, &failed);
    if (std::isnan(c.value)) {
        EXPECT_TRUE(std::isnan(value)) << "text: " << c.text << " value: " << value;
    } else {
        EXPECT_EQ(c.value, value) << "text: " << c.text;
    }
    EXPECT_EQ(c.failed, failed) << "text: " << c.text;
}

template <size_t N> void expectCases(const Case (&cases)[N], const double* inputs = kInputs) {
    for (const Case& c : cases)
        expectCase(builtinTool(), c, inputs, kOutputs);
}

TEST(Expression, ArithmeticPrecedenceAndAssociativity) {
    const Case cases[] = {
        {"2+3*4", 14, 0},  {"10-4-3", 3, 0},    {"100/10/5", 2, 0},
        {"2^3^2", 512, 0}, {"-2^2", 4, 0},      {"-w^2", 4225, 0},
        {"2^-1", 0.5, 0},  {"2*3^2", 18, 0},    {"+-2", -2, 0},
        {"--3", 3, 0},     {"(2+3)*4", 20, 0},  {"2*(3+4)-1", 13, 0},
        {"1-2+3", 2, 0},   {"2^3*2", 16, 0},    {"8/2^2", 2, 0},
        {"-(2)^2", 4, 0},  {"((((1))))", 1, 0}, {"0.1+0.2", 0.1 + 0.2, 0},
    };
    expectCases(cases);
}

TEST(Expression, RemainderAndZeroDivisor) {
    const Case cases[] = {
        {"-7%3", -1, 0},      {"7.5%2", 1.5, 0},    {"7%-3", 1, 0},
        {"1/0", 0, 1},        {"1/0+5", 5, 1},      {"1/0*5", 0, 1},
        {"5*3/0*7+1", 0, 1},  {"1/(1-1)", 0, 1},    {"5%0", 0, 1},
        {"1/-0", 0, 1},       {"2/0^2", 0, 1},      {"mod(7,0)", 0, 1},
        {"mod(-7,3)", -1, 0}, {"mod(7,0)+5", 5, 1}, {"1/(0*exp(1000))", kNaN, 1},
    };
    expectCases(cases);
}

TEST(Expression, ComparisonsAndLogic) {
    const Case cases[] = {
        {"3<4", 1, 0},
        {"3<4<5", 1, 1},
        {"(3<4)<5", 1, 0},
        {"2!=2", 0, 0},
        {"2<=2", 1, 0},
        {"3>=4", 0, 0},
        {"2==2", 1, 0},
        {"3>2", 1, 0},
        {"1 && 0", 0, 0},
        {"2 && 3", 1, 0},
        {"0 || 3", 1, 0},
        {"0 || 0", 0, 0},
        {"!0", 1, 0},
        {"!5", 0, 0},
        {"!!5", 1, 0},
        {"!-0", 1, 0},
        {"1<2 && 2<3", 1, 0},
        {"0 && 0 || 1", 1, 0},
        {"1+1==2", 1, 0},
        {"0 && 1/0", 0, 1},
        {"1 || 1/0", 1, 1},
        // A NaN is true in a condition and unordered in a comparison.
        {"(0*exp(1000)) && 1", 1, 0},
        {"!(0*exp(1000))", 0, 0},
        {"0*exp(1000)==0*exp(1000)", 0, 0},
        {"0*exp(1000)!=1", 1, 0},
        {"0*exp(1000)<1", 0, 0},
        {"0*exp(1000)>=1", 0, 0},
        // No such operators: the rest is left over.
        {"1&2", 1, 1},
        {"1|2", 1, 1},
        {"h=1", 170, 1},
        {"1<>2", 0, 1},
        {"2!3", 2, 1},
    };
    expectCases(cases);
}

TEST(Expression, Conditional) {
    const Case cases[] = {
        {"0 ? 1 : 0 ? 2 : 3", 3, 0},
        {"1 ? 2 : 3", 2, 0},
        {"1 ? 2", 2, 1},
        {"0 ? 2", 0, 1},
        {"0 ? 1/0 : 5", 5, 1},
        {"1 ? 5 : 1/0", 5, 1},
        {"-0 ? 1 : 2", 2, 0},
        {"(0*exp(1000)) ? 1 : 2", 1, 0},
        {"1 ? 0 ? 7 : 8 : 9", 8, 0},
        {"w>60 ? h : w", 170, 0},
        {"1 ? 2 ; 3", 2, 1},
    };
    expectCases(cases);
}

TEST(Expression, Functions) {
    const Case cases[] = {
        {"min(3,2)", 2, 0},
        {"max(3,2)", 3, 0},
        {"pow(2,10)", 1024, 0},
        {"min(1,2,3)", 1, 1},
        {"min(5)", 0, 1},
        {"sqrt(4,9)", 0, 1},
        {"sqrt (16)", 4, 0},
        {"sqrt(16", 4, 1},
        {"sqrt( 16 )", 4, 0},
        {"sqrt(-1)", 0, 1},
        {"log(0)", 0, 1},
        {"log(-1)", 0, 1},
        {"log10(0)", 0, 1},
        {"sqrt(-1)+3", 3, 1},
        {"log10(1000)", 3, 0},
        {"exp(0)", 1, 0},
        {"log(1)", 0, 0},
        {"abs(-2.5)", 2.5, 0},
        {"floor(-2.5)", -3, 0},
        {"ceil(-2.5)", -2, 0},
        {"round(2.5)", 3, 0},
        {"round(-2.5)", -2, 0},
        {"round(-2.6)", -3, 0},
        {"round(0.49999999999999994)", 1, 0},
        {"cbrt(-27)", -3, 0},
        {"cbrt(27)", 3, 0},
        {"cbrt(64)", 3.9999999999999996, 0},
        {"(-8)^(1/3)", kNaN, 1},
        {"sign(-3)", -1, 0},
        {"sign(0)", 0, 0},
        {"sign(-0)", 0, 0},
        {"sign(0*exp(1000))", 0, 0},
        {"sign(7)", 1, 0},
        {"min(0*exp(1000),1)", 1, 0},
        {"max(1,0*exp(1000))", kNaN, 1},
        {"exp(1000)>1", 1, 0},
        {"min(exp(1000)-exp(1000),3)", 3, 0},
        {"sqrt(0*exp(1000))", kNaN, 1},
        {"mod(0*exp(1000),0)", 0, 1},
        {"Sqrt(4)", 0, 1},
        {"foo(1)", 0, 1},
        {"f()", 0, 1},
        {"max(1,2,)", 2, 1},
        {"pow(2,3)^2", 64, 0},
        {"min(2,3)+max(4,5)", 7, 0},
        {"sqrt(sqrt(16))", 2, 0},
    };
    expectCases(cases);
}

TEST(Expression, Numbers) {
    const Case cases[] = {
        {"1e3", 1000, 0}, {".5+.5", 1, 0}, {"0x10", 16, 0},    {"5.", 5, 0},      {"2.5E-1", 0.25, 0},
        {"0x1p4", 16, 0}, {"0X1A", 26, 0}, {"1e999", kInf, 1}, {"1e999>0", 1, 0}, {".", 0, 1},
        {"0x", 0, 1},     {"1e", 1, 1},    {"1e+", 1, 1},      {"1.2.3", 1.2, 1}, {"007", 7, 0},
        {"1e-400", 0, 0}, {"170", 170, 0}, {"0.1", 0.1, 0},
    };
    expectCases(cases);
}

TEST(Expression, BlanksAndLeftovers) {
    const Case cases[] = {
        {"2x", 2, 1},
        {"2**3", 2, 1},
        {"2 3", 2, 1},
        {"", 0, 1},
        {"   ", 0, 1},
        {"foo", 0, 1},
        {"H", 0, 1},
        {"2h", 2, 1},
        {" \t\r\n1 + \t2 \r\n", 3, 0},
        {"1 +", 1, 1},
        {")", 0, 1},
        {"(1", 1, 1},
        {"1)", 1, 1},
        {"1,2", 1, 1},
        {"< 2", 1, 1},
        {"1 < = 2", 0, 1},
        // VT and FF are no blanks, and bytes from 128 on are in no class.
        {"\v1", 0, 1},
        {"1\f", 1, 1},
        {"1+\v2", 1, 1},
        {"\xC2\xA0"
         "1",
         0, 1},
        {"h\xE9", 170, 1},
        {"\xE9", 0, 1},
    };
    expectCases(cases);
}

TEST(Expression, ToolFormulasAndConditions) {
    const Case defaults[] = {
        {"w/(h/100)^2", kBmi, 0},
        {"h-105", 65, 0},
        {"(w-(h-105))/(h-105)*100", 0, 0},
        {"bmi<18.5", 0, 0},
        {"bmi<24", 1, 0},
        {"bmi<28", 1, 0},
        {"std+diff", 65, 0},
        {"h>0 ? w/h : 0", 65.0 / 170.0, 0},
    };
    expectCases(defaults);

    const double heightZero[] = {0.0, 65.0};
    const Case zero[] = {{"w/(h/100)^2", 0, 1}, {"h>0 ? w/h : 0", 0, 1}};
    expectCases(zero, heightZero);

    const double height105[] = {105.0, 65.0};
    const Case h105[] = {{"(w-(h-105))/(h-105)*100", 0, 1}};
    expectCases(h105, height105);
}

TEST(Expression, NullTextFailsWithZero) {
    int32_t failed = 0;
    EXPECT_EQ(0.0, evaluateExpression(builtinTool(), nullptr, kInputs, kOutputs, &failed));
    EXPECT_EQ(1, failed);
}

TEST(Expression, FlagIsWrittenOnSuccessToo) {
    int32_t failed = 7;
    EXPECT_EQ(2.0, evaluateExpression(builtinTool(), "1+1", kInputs, kOutputs, &failed));
    EXPECT_EQ(0, failed);
}

TEST(Expression, NegativeZeroResultKeepsItsSign) {
    int32_t failed = 1;
    const double value = evaluateExpression(builtinTool(), "-0", kInputs, kOutputs, &failed);
    EXPECT_EQ(0, failed);
    EXPECT_TRUE(std::signbit(value));
}

// A tool of our own for names: 63-character names, duplicates, a function's name.
const std::string kLongName(63, 'a');
const InputField kNameInputs[] = {
    {kLongName.c_str(), L"long", nullptr, 0.0}, {"dup", L"first input", nullptr, 0.0},
    {"dup", L"second input", nullptr, 0.0},     {"sqrt", L"named like a function", nullptr, 0.0},
    {"_x9", L"underscore", nullptr, 0.0},
};
const OutputField kNameOutputs[] = {
    {"dup", L"output", nullptr, "1", nullptr},
    {"only", L"first output", nullptr, "1", nullptr},
    {"only", L"second output", nullptr, "1", nullptr},
};
const ToolDef kNameTool = {
    1, L"names", nullptr, L"", L"", nullptr, 5, kNameInputs, 3, kNameOutputs, 0, nullptr, report_kind::None,
};

TEST(Expression, VariableNames) {
    const double inputs[] = {1.5, 2.0, 3.0, 9.0, 4.0};
    const double outputs[] = {5.0, 6.0, 7.0};
    const std::string longer = kLongName + "a";
    const std::string longerSpaced = kLongName + " ";
    const Case cases[] = {
        {kLongName.c_str(), 1.5, 0},
        {longer.c_str(), 1.5, 1},
        {longerSpaced.c_str(), 1.5, 0},
        {"dup", 2.0, 0},
        {"only", 6.0, 0},
        {"sqrt", 9.0, 0},
        {"sqrt(sqrt)", 3.0, 0},
        {"_x9*2", 8.0, 0},
        {"Dup", 0, 1},
        {"sqrt (sqrt) + dup", 5.0, 0},
        {"h", 0, 1},
    };
    for (const Case& c : cases)
        expectCase(kNameTool, c, inputs, outputs);
}

TEST(Expression, OnlyTheFirstCountsOfInputsAndOutputs) {
    ToolDef tool = kNameTool;
    tool.inputCount = 1;
    tool.outputCount = 1;
    const double inputs[] = {1.5};
    const double outputs[] = {5.0};
    const Case cases[] = {{"dup", 5.0, 0}, {"only", 0, 1}, {"sqrt", 0, 1}};
    for (const Case& c : cases)
        expectCase(tool, c, inputs, outputs);
}

int32_t failedFlag(const std::string& text) {
    int32_t failed = 0;
    const double value = evaluateExpression(builtinTool(), text.c_str(), kInputs, kOutputs, &failed);
    (void)value;
    return failed;
}

std::string repeat(const std::string& piece, size_t count) {
    std::string s;
    s.reserve(piece.size() * count);
    for (size_t i = 0; i < count; ++i)
        s += piece;
    return s;
}

TEST(ExpressionNesting, DeepTextsFailWithoutExhaustingTheStack) {
    const size_t n = 100000;
    EXPECT_EQ(1, failedFlag(repeat("(", n)));
    EXPECT_EQ(1, failedFlag(repeat("(", n) + "1" + repeat(")", n)));
    EXPECT_EQ(1, failedFlag(repeat("-", n)));
    EXPECT_EQ(1, failedFlag(repeat("-", n) + "1"));
    EXPECT_EQ(1, failedFlag(repeat("!", n) + "1"));
    EXPECT_EQ(1, failedFlag(repeat("2^", n) + "2"));
    EXPECT_EQ(1, failedFlag(repeat("1?", n) + "1"));
    EXPECT_EQ(1, failedFlag(repeat("1?1:", n) + "1?1"));
    EXPECT_EQ(1, failedFlag(repeat("sqrt(", n) + "1"));
    EXPECT_EQ(1, failedFlag(repeat("min(1,", n) + "1"));
    EXPECT_EQ(1, failedFlag(repeat("-(", n) + "1"));
}

TEST(ExpressionNesting, NestingWithinTheLimitStillWorks) {
    // Each parenthesis costs three levels, each prefix operator one.
    const size_t parentheses = (kMaxNestingDepth - 2) / 3;
    int32_t failed = 1;
    const std::string nested = repeat("(", parentheses) + "1" + repeat(")", parentheses);
    EXPECT_EQ(1.0, evaluateExpression(builtinTool(), nested.c_str(), kInputs, kOutputs, &failed));
    EXPECT_EQ(0, failed);

    const std::string negations = repeat("-", kMaxNestingDepth - 4) + "1";
    EXPECT_EQ(1.0, evaluateExpression(builtinTool(), negations.c_str(), kInputs, kOutputs, &failed));
    EXPECT_EQ(0, failed);

    const std::string tooDeep = repeat("(", parentheses + 2) + "1" + repeat(")", parentheses + 2);
    EXPECT_EQ(1, failedFlag(tooDeep));
}

TEST(ExpressionNesting, LongFlatTextsAreNotLimited) {
    const size_t n = 100000;
    int32_t failed = 1;
    const std::string sum = "1" + repeat("+1", n - 1);
    EXPECT_EQ(static_cast<double>(n),
              evaluateExpression(builtinTool(), sum.c_str(), kInputs, kOutputs, &failed));
    EXPECT_EQ(0, failed);

    const std::string groups = "0" + repeat("+((1))", n);
    EXPECT_EQ(static_cast<double>(n),
              evaluateExpression(builtinTool(), groups.c_str(), kInputs, kOutputs, &failed));
    EXPECT_EQ(0, failed);

    const std::string pluses = repeat("+", n) + "w";
    EXPECT_EQ(65.0, evaluateExpression(builtinTool(), pluses.c_str(), kInputs, kOutputs, &failed));
    EXPECT_EQ(0, failed);

    const std::string longNumber = "1" + repeat("0", n) + "e-100000";
    EXPECT_EQ(1.0, evaluateExpression(builtinTool(), longNumber.c_str(), kInputs, kOutputs, &failed));
    EXPECT_EQ(0, failed);
}

TEST(ExpressionAllocation, EvaluationAllocatesNothing) {
    if (!allocationCountingAvailable()) GTEST_SKIP() << "allocations are not counted in this build";
    const ToolDef& tool = builtinTool();
    const char* texts[] = {"2^3^2",      "-7%3",     "1/0+5",         "0 ? 1 : 0 ? 2 : 3",
                           "min(1,2,3)", "sqrt(16",  "cbrt(64)",      "round(-2.5)",
                           "1e999",      "0x10",     "h=1",           "foo",
                           "   ",        "mod(7,0)", "!!5 && 0 || 1", "sqrt (16)",
                           "(-8)^(1/3)", "2**3",     "Sqrt(4)",       "."};
    double sum = 0.0;
    int32_t failures = 0;
    startCountingAllocations();
    for (int32_t i = 0; i < tool.outputCount; ++i) {
        int32_t failed = 0;
        sum += evaluateExpression(tool, tool.outputs[i].formula, kInputs, kOutputs, &failed);
        failures += failed;
    }
    for (int32_t i = 0; i < tool.ruleCount; ++i) {
        if (tool.rules[i].condition[0] == '\0') continue;
        int32_t failed = 0;
        sum += evaluateExpression(tool, tool.rules[i].condition, kInputs, kOutputs, &failed);
        failures += failed;
    }
    for (const char* text : texts) {
        int32_t failed = 0;
        sum += evaluateExpression(tool, text, kInputs, kOutputs, &failed);
        failures += failed;
    }
    const long allocations = stopCountingAllocations();
    EXPECT_EQ(0, allocations);
    EXPECT_GT(failures, 0); // keeps the loop from being optimised away
    EXPECT_FALSE(sum == 0.0);
}

} // namespace
