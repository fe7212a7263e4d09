// The clinical tools' worked examples, each run through the window's own
// calculation: values as displayed, level and verdict.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/calculation.h"
#include "tests/worked_examples.h"
#include "tools/suite.h"
#include "ui/window_model.h"

namespace {

const ToolDef* suiteTool(int32_t number) {
    for (const SuiteTool& entry : kSuiteTools)
        if (entry.number == number) return &entry.tool();
    return nullptr;
}

// The report's output lines as the example shows them: "label value" joined by ", ".
std::wstring shownOutputs(const ToolDef& tool, const std::wstring& report) {
    std::wstring shown;
    size_t start = 0;
    for (int32_t i = 0; i < tool.outputCount; ++i) {
        const size_t end = report.find(L"\r\n", start);
        std::wstring line = report.substr(start, end - start);
        start = end == std::wstring::npos ? report.size() : end + 2;
        const std::wstring unit = tool.outputs[i].unit != nullptr ? tool.outputs[i].unit : L"";
        const std::wstring head = std::wstring(tool.outputs[i].label) + L"：";
        if (line.compare(0, head.size(), head) != 0) return L"(line " + line + L")";
        line = line.substr(head.size());
        if (!unit.empty()) {
            const std::wstring tail = L" " + unit;
            if (line.size() < tail.size() || line.compare(line.size() - tail.size(), tail.size(), tail) != 0)
                return L"(unit " + line + L")";
            line.resize(line.size() - tail.size());
        }
        shown += (i > 0 ? L", " : L"") + std::wstring(tool.outputs[i].label) + L" " + line;
    }
    return shown;
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
        EXPECT_EQ(std::wstring(example.shown), shownOutputs(*tool, report));
        EXPECT_EQ(example.level, level);
        EXPECT_EQ(std::wstring(example.verdict), verdict);
    }
}

} // namespace
