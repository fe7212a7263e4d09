#include "engine/calculation.h"

#include <cmath>
#include <cstring>

#include "engine/calendar.h"
#include "engine/expression.h"
#include "engine/text.h"
#include "reports/custom_report.h"

namespace {

constexpr int32_t kValueCapacity = 128;
constexpr int32_t kLineCapacity = 256;
// Longer fixed-point texts would be cut, so they switch to exponent form.
constexpr int32_t kMaxFixedLength = 79;

bool sameCode(const char* a, const char* b) {
    return std::strcmp(a, b) == 0;
}

struct NumberFormat {
    const wchar_t* fixed;
    const wchar_t* exponent;
};

NumberFormat numberFormatFor(const char* code) {
    if (sameCode(code, "f0") || sameCode(code, "int")) return {L"%.0f", L"%.0e"};
    if (sameCode(code, "f1")) return {L"%.1f", L"%.1e"};
    if (sameCode(code, "f3")) return {L"%.3f", L"%.3e"};
    if (sameCode(code, "pct")) return {L"%.1f%%", L"%.1e%%"};
    return {L"%.2f", L"%.2e"};
}

} // namespace

void formatValue(const char* code, double value, wchar_t* text, int32_t capacity) {
    if (text == nullptr || capacity < 1) return;
    if (!std::isfinite(value)) {
        copyText(text, capacity, L"--");
        return;
    }
    if (code == nullptr) code = "f2";
    if (sameCode(code, "date")) {
        int64_t day = 0;
        if (dayNumberFromValue(value, &day))
            formatDayNumber(day, text, capacity);
        else
            copyText(text, capacity, L"--");
        return;
    }
    if (sameCode(code, "wd")) {
        int64_t days = 0;
        if (!dayNumberFromValue(value, &days)) {
            copyText(text, capacity, L"--");
            return;
        }
        // Unsigned, so that the magnitude of INT64_MIN exists.
        const uint64_t magnitude = days < 0 ? 0 - static_cast<uint64_t>(days) : static_cast<uint64_t>(days);
        formatText(text, capacity, L"%ls%llu+%llu", days < 0 ? L"-" : L"",
                   static_cast<unsigned long long>(magnitude / 7),
                   static_cast<unsigned long long>(magnitude % 7));
        return;
    }
    NumberFormat format = numberFormatFor(code);
    // Large enough for any double in fixed point with three decimals.
    wchar_t rendered[400];
    int32_t length = formatText(rendered, 400, format.fixed, value);
    if (length > kMaxFixedLength) formatText(rendered, 400, format.exponent, value);
    copyText(text, capacity, rendered);
    text[capacity - 1] = 0;
}

bool composeRangeVerdict(const ToolDef& tool, const double* inputValues, wchar_t* verdictText,
                         int32_t verdictCapacity) {
    for (int32_t i = 0; i < tool.inputCount; ++i) {
        const InputField& input = tool.inputs[i];
        if (!hasPlausibleRange(input)) continue;
        const double value = inputValues[i];
        if (value >= input.plausibleMin && value <= input.plausibleMax) continue;
        if (input.isDate) {
            wchar_t from[kValueCapacity];
            wchar_t to[kValueCapacity];
            formatValue("date", input.plausibleMin, from, kValueCapacity);
            formatValue("date", input.plausibleMax, to, kValueCapacity);
            formatText(verdictText, verdictCapacity, kDateRangeVerdict, input.label, from, to);
            return true;
        }
        if (input.unit != nullptr && input.unit[0] != 0)
            formatText(verdictText, verdictCapacity, kRangeVerdict, input.label, input.plausibleMin,
                       input.plausibleMax, input.unit);
        else
            formatText(verdictText, verdictCapacity, kRangeVerdictNoUnit, input.label, input.plausibleMin,
                       input.plausibleMax);
        return true;
    }
    return false;
}

int32_t runCalculation(const ToolDef& tool, const double* inputValues, wchar_t* reportText,
                       int32_t reportCapacity, wchar_t* verdictText, int32_t verdictCapacity, int32_t* level,
                       wchar_t* reportCopy, int32_t reportCopyCapacity) {
    reportText[0] = 0;
    verdictText[0] = 0;
    reportCopy[0] = 0;
    *level = 0;

    if (tool.reportKind != report_kind::None) {
        *level = composeCustomReport(tool.reportKind, &tool, inputValues, reportText, reportCapacity,
                                     verdictText, verdictCapacity);
        copyText(reportCopy, reportCopyCapacity, reportText);
        return *level;
    }

    double outputValues[kMaxOutputs] = {};
    bool anyFailed = false;
    for (int32_t i = 0; i < tool.outputCount; ++i) {
        int32_t failed = 0;
        outputValues[i] =
            evaluateExpression(tool, tool.outputs[i].formula, inputValues, outputValues, &failed);
        if (failed != 0) anyFailed = true;
    }

    for (int32_t i = 0; i < tool.outputCount; ++i) {
        const OutputField& output = tool.outputs[i];
        wchar_t valueText[kValueCapacity];
        formatValue(output.format, outputValues[i], valueText, kValueCapacity);
        wchar_t line[kLineCapacity];
        if (output.unit != nullptr && output.unit[0] != 0)
            formatText(line, kLineCapacity, L"%ls：%ls %ls\r\n", output.label, valueText, output.unit);
        else
            formatText(line, kLineCapacity, L"%ls：%ls\r\n", output.label, valueText);
        appendText(reportText, reportCapacity, line);
    }
    if (anyFailed) appendText(reportText, reportCapacity, kPartialFailureLine);

    if (composeRangeVerdict(tool, inputValues, verdictText, verdictCapacity)) {
        *level = kLevelWarning;
        copyText(reportCopy, reportCopyCapacity, reportText);
        return *level;
    }

    for (int32_t i = 0; i < tool.ruleCount; ++i) {
        const VerdictRule& rule = tool.rules[i];
        bool matches = rule.condition[0] == 0;
        if (!matches) {
            int32_t failed = 0;
            double value = evaluateExpression(tool, rule.condition, inputValues, outputValues, &failed);
            matches = failed == 0 && value != 0.0;
        }
        if (matches) {
            copyText(verdictText, verdictCapacity, rule.text);
            *level = rule.level;
            break;
        }
    }
    if (verdictText[0] == 0) copyText(verdictText, verdictCapacity, kDefaultVerdict);

    copyText(reportCopy, reportCopyCapacity, reportText);
    return *level;
}

int32_t runCalculation(const ToolDef& tool, const double* inputValues, CalcResult& result) {
    return runCalculation(tool, inputValues, result.reportText, result.reportCapacity, result.verdictText,
                          result.verdictCapacity, &result.level, result.reportCopy,
                          result.reportCopyCapacity);
}
