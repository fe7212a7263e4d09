#include "engine/tool.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <cwchar>
#include <limits>
#include <string>
#include <vector>

#include "engine/calculation.h"
#include "engine/expression.h"
#include "tools/suite.h"
#include "ui/window_model.h"

namespace {

bool isIdentifier(const char* var) {
    if (var == nullptr || var[0] == '\0') return false;
    const size_t length = std::strlen(var);
    if (length > static_cast<size_t>(kMaxVarLength)) return false;
    for (size_t i = 0; i < length; ++i) {
        const char c = var[i];
        const bool letter = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
        const bool digit = c >= '0' && c <= '9';
        if (!(letter || (digit && i > 0))) return false;
    }
    return true;
}

void defaultInputs(const ToolDef& tool, double* inputs) {
    for (int32_t i = 0; i < tool.inputCount; ++i)
        inputs[i] = tool.inputs[i].defaultValue;
}

// The rule a run picks: the first whose condition holds, the empty one always.
int32_t firstMatchingRule(const ToolDef& tool, const double* inputs, const double* outputs) {
    for (int32_t i = 0; i < tool.ruleCount; ++i) {
        const char* condition = tool.rules[i].condition;
        if (condition[0] == '\0') return i;
        int32_t failed = 1;
        const double value = evaluateExpression(tool, condition, inputs, outputs, &failed);
        if (failed == 0 && value != 0.0) return i;
    }
    return -1;
}

TEST(BuiltinTool, CountsMatchTheTablesAndBounds) {
    const ToolDef& tool = builtinTool();
    EXPECT_EQ(119, tool.number);
    EXPECT_EQ(report_kind::None, tool.reportKind);
    EXPECT_EQ(2, tool.inputCount);
    EXPECT_EQ(3, tool.outputCount);
    EXPECT_EQ(4, tool.ruleCount);
    EXPECT_LE(tool.inputCount, kMaxInputs);
    EXPECT_LE(tool.outputCount, kMaxOutputs);
    ASSERT_NE(nullptr, tool.inputs);
    ASSERT_NE(nullptr, tool.outputs);
    ASSERT_NE(nullptr, tool.rules);
    EXPECT_STREQ("h", tool.inputs[0].var);
    EXPECT_STREQ("w", tool.inputs[1].var);
    EXPECT_STREQ("bmi", tool.outputs[0].var);
    EXPECT_STREQ("std", tool.outputs[1].var);
    EXPECT_STREQ("diff", tool.outputs[2].var);
    EXPECT_EQ(&tool, &builtinTool());
}

TEST(BuiltinTool, EveryVarIsAnIdentifier) {
    const ToolDef& tool = builtinTool();
    for (int32_t i = 0; i < tool.inputCount; ++i)
        EXPECT_TRUE(isIdentifier(tool.inputs[i].var)) << "input " << i;
    for (int32_t i = 0; i < tool.outputCount; ++i)
        EXPECT_TRUE(isIdentifier(tool.outputs[i].var)) << "output " << i;
    EXPECT_TRUE(isIdentifier("_a9"));
    EXPECT_FALSE(isIdentifier("9a"));
    EXPECT_FALSE(isIdentifier(std::string(64, 'a').c_str()));
}

TEST(BuiltinTool, CatchAllStandsLastAndOnlyThere) {
    const ToolDef& tool = builtinTool();
    ASSERT_GT(tool.ruleCount, 0);
    for (int32_t i = 0; i < tool.ruleCount; ++i) {
        ASSERT_NE(nullptr, tool.rules[i].condition) << "rule " << i;
        const bool empty = tool.rules[i].condition[0] == '\0';
        EXPECT_EQ(i == tool.ruleCount - 1, empty) << "rule " << i;
        EXPECT_GE(tool.rules[i].level, kLevelNormal);
        EXPECT_LE(tool.rules[i].level, kLevelWarning);
        ASSERT_NE(nullptr, tool.rules[i].text);
        EXPECT_NE(L'\0', tool.rules[i].text[0]);
    }
}

TEST(BuiltinTool, PresentTexts) {
    const ToolDef& tool = builtinTool();
    const wchar_t* required[] = {tool.name, tool.category, tool.reference};
    for (const wchar_t* text : required) {
        ASSERT_NE(nullptr, text);
        EXPECT_NE(L'\0', text[0]);
    }
    // Optional in the record, but this tool has them.
    ASSERT_NE(nullptr, tool.description);
    ASSERT_NE(nullptr, tool.caution);
    EXPECT_NE(L'\0', tool.description[0]);
    EXPECT_NE(L'\0', tool.caution[0]);
    for (int32_t i = 0; i < tool.inputCount; ++i) {
        ASSERT_NE(nullptr, tool.inputs[i].label);
        ASSERT_NE(nullptr, tool.inputs[i].unit) << "input " << i;
        EXPECT_NE(L'\0', tool.inputs[i].unit[0]);
    }
    for (int32_t i = 0; i < tool.outputCount; ++i) {
        ASSERT_NE(nullptr, tool.outputs[i].label);
        ASSERT_NE(nullptr, tool.outputs[i].unit) << "output " << i;
        ASSERT_NE(nullptr, tool.outputs[i].formula);
        ASSERT_NE(nullptr, tool.outputs[i].format);
        EXPECT_NE(L'\0', tool.outputs[i].unit[0]);
    }
    EXPECT_EQ(0, std::wcscmp(L"kg/m2", tool.outputs[0].unit));
    EXPECT_EQ(0, std::wcscmp(L"%", tool.outputs[2].unit));
}

TEST(BuiltinTool, FormulasAndConditionsEvaluateOnTheDefaults) {
    const ToolDef& tool = builtinTool();
    double inputs[kMaxInputs];
    defaultInputs(tool, inputs);
    // A later output reads as NaN here, so a formula that used one would fail.
    double outputs[kMaxOutputs];
    for (double& v : outputs)
        v = std::numeric_limits<double>::quiet_NaN();
    for (int32_t i = 0; i < tool.outputCount; ++i) {
        int32_t failed = 1;
        outputs[i] = evaluateExpression(tool, tool.outputs[i].formula, inputs, outputs, &failed);
        EXPECT_EQ(0, failed) << "formula " << tool.outputs[i].formula;
    }
    EXPECT_EQ(22.49134948096886, outputs[0]);
    EXPECT_EQ(65.0, outputs[1]);
    EXPECT_EQ(0.0, outputs[2]);
    for (int32_t i = 0; i + 1 < tool.ruleCount; ++i) {
        int32_t failed = 1;
        evaluateExpression(tool, tool.rules[i].condition, inputs, outputs, &failed);
        EXPECT_EQ(0, failed) << "condition " << tool.rules[i].condition;
    }
    EXPECT_EQ(1, firstMatchingRule(tool, inputs, outputs));
}

TEST(BuiltinTool, ClassificationBoundaries) {
    const ToolDef& tool = builtinTool();
    double inputs[kMaxInputs];
    defaultInputs(tool, inputs);
    struct Boundary {
        double bmi;
        int32_t rule;
    };
    const Boundary boundaries[] = {
        {0.0, 0},
        {std::nextafter(18.5, 0.0), 0},
        {18.5, 1},
        {std::nextafter(24.0, 0.0), 1},
        {24.0, 2},
        {std::nextafter(28.0, 0.0), 2},
        {28.0, 3},
        {60.0, 3},
        // A NaN BMI makes every condition fail: the catch-all takes it.
        {std::numeric_limits<double>::quiet_NaN(), 3},
    };
    for (const Boundary& b : boundaries) {
        const double outputs[] = {b.bmi, 65.0, 0.0};
        EXPECT_EQ(b.rule, firstMatchingRule(tool, inputs, outputs)) << "bmi " << b.bmi;
    }
}

} // namespace

// ---- The suite: every tool keeps the invariants, one row per report kind.

TEST(Suite, EveryToolKeepsTheInvariants) {
    // The inputs each report reads, in the order it reads them.
    const std::vector<std::string> readsByKind[] = {
        {},
        {"nurses", "days"},
        {"start", "interval", "times"},
        {"kind"},
        {"kind"},
        {"kind"},
        {"drugA", "drugB"},
        {"start", "gap", "times"},
        {},
        {"beds"},
        {"bed", "dose", "volume", "gtt"},
        {"panel"},
    };
    bool kindSeen[12] = {};
    for (const SuiteTool& entry : kSuiteTools) {
        const ToolDef& tool = entry.tool();
        SCOPED_TRACE(tool.number);
        EXPECT_EQ(tool.number, entry.number);
        ASSERT_NE(nullptr, tool.name);
        EXPECT_EQ(std::wstring(tool.name), entry.name) << "the build list names the program";
        for (const wchar_t* text : {tool.name, tool.category, tool.reference}) {
            ASSERT_NE(nullptr, text);
            EXPECT_NE(L'\0', text[0]);
        }
        wchar_t reference[kReferenceCapacity];
        composeReferenceLine(tool, reference, kReferenceCapacity);
        EXPECT_EQ(std::wstring(reference), std::wstring(L"参考依据：") + tool.reference) << "shown whole";
        ASSERT_GE(tool.reportKind, 0);
        ASSERT_LE(tool.reportKind, 11);
        EXPECT_FALSE(tool.reportKind != report_kind::None && kindSeen[tool.reportKind])
            << "one tool per kind";
        kindSeen[tool.reportKind] = true;

        ASSERT_GE(tool.inputCount, 0);
        EXPECT_LE(tool.inputCount, kMaxInputs);
        ASSERT_GE(tool.outputCount, 0);
        EXPECT_LE(tool.outputCount, kMaxOutputs);
        ASSERT_GE(tool.ruleCount, 0);
        EXPECT_TRUE(tool.inputCount == 0 || tool.inputs != nullptr);
        EXPECT_TRUE(tool.outputCount == 0 || tool.outputs != nullptr);
        EXPECT_TRUE(tool.ruleCount == 0 || tool.rules != nullptr);
        for (int32_t i = 0; i < tool.inputCount; ++i) {
            EXPECT_TRUE(isIdentifier(tool.inputs[i].var)) << "input " << i;
            ASSERT_NE(nullptr, tool.inputs[i].label);
            EXPECT_NE(L'\0', tool.inputs[i].label[0]);
            EXPECT_TRUE(std::isfinite(tool.inputs[i].defaultValue));
            for (int32_t j = 0; j < i; ++j)
                EXPECT_STRNE(tool.inputs[j].var, tool.inputs[i].var) << "a later namesake is never read";
            // A list: no unit, distinct values, a text for each, and the default among them.
            const InputField& field = tool.inputs[i];
            ASSERT_GE(field.choiceCount, 0);
            // Every clinical tool's typed input has a finite range around its default; a report's none.
            if (field.choiceCount == 0 && (tool.number == 119 || tool.number > 300)) {
                EXPECT_TRUE(std::isfinite(field.plausibleMin) && std::isfinite(field.plausibleMax)) << i;
                EXPECT_TRUE(field.plausibleMin <= field.defaultValue &&
                            field.defaultValue <= field.plausibleMax)
                    << "input " << i;
            } else {
                EXPECT_FALSE(hasPlausibleRange(field)) << "input " << i;
            }
            if (field.choiceCount == 0) continue;
            ASSERT_NE(nullptr, field.choices);
            EXPECT_EQ(nullptr, field.unit) << "input " << i;
            int32_t defaults = 0;
            for (int32_t c = 0; c < field.choiceCount; ++c) {
                EXPECT_TRUE(std::isfinite(field.choices[c].value));
                ASSERT_NE(nullptr, field.choices[c].text);
                EXPECT_NE(L'\0', field.choices[c].text[0]);
                for (int32_t d = 0; d < c; ++d)
                    EXPECT_NE(field.choices[d].value, field.choices[c].value) << "input " << i;
                defaults += field.choices[c].value == field.defaultValue ? 1 : 0;
            }
            EXPECT_EQ(1, defaults) << "input " << i << ": the default is one of the choices";
        }
        for (int32_t i = 0; i < tool.outputCount; ++i)
            EXPECT_TRUE(isIdentifier(tool.outputs[i].var)) << "output " << i;
        for (int32_t i = 0; i < tool.ruleCount; ++i)
            EXPECT_EQ(i == tool.ruleCount - 1, tool.rules[i].condition[0] == '\0')
                << "catch-all last, rule " << i;

        if (tool.reportKind == report_kind::None) {
            EXPECT_GT(tool.outputCount, 0);
            EXPECT_GT(tool.ruleCount, 0);
            continue;
        }
        // A report tool: its inputs are exactly what the report reads; no formulas, no rules.
        EXPECT_EQ(0, tool.outputCount);
        EXPECT_EQ(0, tool.ruleCount);
        std::vector<std::string> vars;
        for (int32_t i = 0; i < tool.inputCount; ++i)
            vars.push_back(tool.inputs[i].var);
        EXPECT_EQ(vars, readsByKind[tool.reportKind]);
    }
    for (bool seen : kindSeen)
        EXPECT_TRUE(seen);
}

// Each typed input alone at its range's edges, the others at their defaults:
// no range verdict and no failed output; one double beyond: that input's range verdict.
TEST(Suite, RangeEdgesCalculateAndTheDoubleBeyondGetsTheRangeVerdict) {
    for (const SuiteTool& entry : kSuiteTools) {
        const ToolDef& tool = entry.tool();
        for (int32_t i = 0; i < tool.inputCount; ++i) {
            const InputField& field = tool.inputs[i];
            if (!hasPlausibleRange(field)) continue;
            const double lo = field.plausibleMin, hi = field.plausibleMax;
            const struct {
                double value;
                bool outside;
            } cases[] = {{lo, false},
                         {hi, false},
                         {std::nextafter(lo, -INFINITY), true},
                         {std::nextafter(hi, INFINITY), true},
                         {NAN, true}};
            for (const auto& c : cases) {
                SCOPED_TRACE(std::to_string(tool.number) + " " + field.var + "=" + std::to_string(c.value));
                double inputs[kMaxInputs];
                defaultInputs(tool, inputs);
                inputs[i] = c.value;
                wchar_t report[8192], verdict[512], copy[8192], range[512] = L"";
                int32_t level = -1;
                runCalculation(tool, inputs, report, 8192, verdict, 512, &level, copy, 8192);
                if (c.outside) {
                    ASSERT_TRUE(composeRangeVerdict(tool, inputs, range, 512));
                    EXPECT_NE(nullptr, std::wcsstr(range, field.label));
                    EXPECT_EQ(std::wstring(range), verdict);
                    EXPECT_EQ(kLevelWarning, level);
                } else {
                    EXPECT_EQ(nullptr, std::wcsstr(verdict, L"超出合理范围"));
                    EXPECT_EQ(nullptr, std::wcsstr(report, L"--"));
                    EXPECT_EQ(nullptr, std::wcsstr(report, kPartialFailureLine));
                }
            }
        }
    }
}
