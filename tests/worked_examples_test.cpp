// The clinical tools' worked examples, each run through the window's own
// calculation: values as displayed, level and verdict.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "engine/calculation.h"
#include "app/worked_examples.h"
#include "tools/suite.h"
#include "ui/window_model.h"

namespace {

const ToolDef* suiteTool(int32_t number) {
    for (const SuiteTool& entry : kSuiteTools)
        if (entry.number == number) return &entry.tool();
    return nullptr;
}

// The report's first lines as the example's "label value" pairs show them: "label：value unit".
std::wstring reportLines(const ToolDef& tool, const std::wstring& shown) {
    std::wstring lines;
    size_t start = 0;
    for (int32_t i = 0; i < tool.outputCount && start <= shown.size(); ++i) {
        const size_t end = std::min(shown.find(L", ", start), shown.size());
        const std::wstring pair = shown.substr(start, end - start);
        const size_t space = pair.rfind(L' ');
        const wchar_t* unit = tool.outputs[i].unit;
        lines += pair.substr(0, space) + L"：" + pair.substr(space + 1) +
                 (unit != nullptr ? std::wstring(L" ") + unit : L"") + L"\r\n";
        start = end + 2;
    }
    return lines;
}

TEST(WorkedExamples, EveryCaseShowsItsValuesLevelAndVerdict) {
    for (const WorkedExample& example : kWorkedExamples) {
        SCOPED_TRACE(std::to_string(example.tool) + ": " + example.inputs);
        const ToolDef* tool = suiteTool(example.tool);
        ASSERT_NE(nullptr, tool);
        const std::vector<std::string> texts = workedExampleTexts(*tool, example.inputs);
        ASSERT_EQ(static_cast<size_t>(tool->inputCount), texts.size());
        double values[kMaxInputs] = {};
        for (size_t i = 0; i < texts.size(); ++i)
            values[i] = inputValueFromText(std::wstring(texts[i].begin(), texts[i].end()).c_str());
        wchar_t report[kReportTextCapacity];
        wchar_t verdict[kVerdictTextCapacity];
        wchar_t copy[kReportCopyCapacity];
        int32_t level = -1;
        runCalculation(*tool, values, report, kReportTextCapacity, verdict, kVerdictTextCapacity, &level,
                       copy, kReportCopyCapacity);
        const std::wstring lines = reportLines(*tool, example.shown);
        EXPECT_EQ(lines, std::wstring(report).substr(0, lines.size()));
        EXPECT_EQ(example.level, level);
        EXPECT_EQ(std::wstring(example.verdict), verdict);
    }
}

} // namespace
