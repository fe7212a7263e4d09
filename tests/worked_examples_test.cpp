// The clinical tools' worked examples, each run through the window's own
// calculation: values as displayed, level and verdict.
#include <gtest/gtest.h>

#include <string>

#include "app/validation_report.h"
#include "tools/suite.h"

namespace {

const ToolDef* suiteTool(int32_t number) {
    for (const SuiteTool& entry : kSuiteTools)
        if (entry.number == number) return &entry.tool();
    return nullptr;
}

TEST(WorkedExamples, EveryCaseShowsItsValuesLevelAndVerdict) {
    for (const WorkedExample& example : kWorkedExamples) {
        SCOPED_TRACE(std::to_string(example.tool) + ": " + example.inputs);
        const ToolDef* tool = suiteTool(example.tool);
        ASSERT_NE(nullptr, tool);
        const ExampleOutcome outcome = runWorkedExample(*tool, example);
        EXPECT_TRUE(outcome.agreed);
        if (!outcome.agreed) {
            EXPECT_EQ(std::wstring(example.shown), outcome.shown);
            EXPECT_EQ(example.level, outcome.level);
            EXPECT_EQ(std::wstring(example.verdict), outcome.verdict);
        }
    }
}

} // namespace
