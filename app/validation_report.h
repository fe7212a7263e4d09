// The validation report: every tool's data and each clinical tool's worked
// examples as the engine computes them, on one self-contained page that a
// strict XML parser reads as well as any browser.
#pragma once

#include <cstdint>
#include <string>

#include "app/worked_examples.h"
#include "engine/tool.h"

// The file's name without ".html"; its Start-menu shortcut bears it too.
constexpr wchar_t kValidationReportName[] = L"验证报告";

// What the page's head says of where its results come from.
struct ReportOrigin {
    std::wstring version;
    std::wstring buildDate; // the packages' own, so that the same sources give the same page
    std::wstring engine;    // the program and compiler that ran the engine
    std::wstring host;      // the system it ran on
};

// One worked example run as the window runs it and compared as the core's tests compare it.
struct ExampleOutcome {
    std::wstring shown; // computed, "label value, ..." in output order
    int32_t level;
    std::wstring verdict;
    bool agreed;
};

struct ReportTotals {
    int32_t tools = 0;
    int32_t examples = 0;
    int32_t agreed = 0;
    int32_t selfTests = 0;      // tools without examples, run on their defaults
    int32_t selfTestErrors = 0; // outputs those runs could not compute
};

// ASCII text as wide text, for the version, date and example inputs.
std::wstring widen(const char* text);

ExampleOutcome runWorkedExample(const ToolDef& tool, const WorkedExample& example);

// "合计：工具 n 个，算例 n 条，一致 n 条，不一致 n 条".
std::wstring composeTotalsLine(const ReportTotals& totals);

// The page, UTF-16/32 text, tools in the order given (the launcher's); an
// example whose tool is not among them differs.
std::wstring composeValidationReport(const ToolDef* const* tools, int32_t toolCount,
                                     const WorkedExample* examples, int32_t exampleCount,
                                     const ReportOrigin& origin, ReportTotals* totals);

// The system this program runs on, "Wine <version>" under Wine. Platform layer.
std::wstring hostSystemName();
