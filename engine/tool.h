// The constant tool definition that drives every calculation and display.
#pragma once

#include <cstdint>
#include <limits>

// Severity of a verdict.
using VerdictLevel = int32_t;
constexpr VerdictLevel kLevelNormal = 0;
constexpr VerdictLevel kLevelAttention = 1;
constexpr VerdictLevel kLevelWarning = 2;
constexpr VerdictLevel kLevelContraindicated = 3;

// 0 selects the generic calculation; 1..11 one of the custom reports.
using ReportKind = int32_t;
namespace report_kind {
constexpr ReportKind None = 0;
constexpr ReportKind DutyRoster = 1;
constexpr ReportKind DosingTimetable = 2;
constexpr ReportKind BloodCollectionOrder = 3;
constexpr ReportKind CriticalValues = 4;
constexpr ReportKind HighAlertDrugs = 5;
constexpr ReportKind InfusionCompatibility = 6;
constexpr ReportKind FollowUpDates = 7;
constexpr ReportKind SurgicalChecklist = 8;
constexpr ReportKind HandoverTemplate = 9;
constexpr ReportKind InfusionCard = 10;
constexpr ReportKind LabPanels = 11;
} // namespace report_kind

constexpr int32_t kMaxInputs = 16;
constexpr int32_t kMaxOutputs = 16;
constexpr int32_t kMaxVarLength = 63;

// Fields marked "may be null" are absent when null, which is not the same as empty.

// One item of a drop-down input: the value it stands for and its short text.
struct InputChoice {
    double value;
    const wchar_t* text;
};

struct InputField {
    const char* var;
    const wchar_t* label;
    const wchar_t* unit; // may be null; null for a choice input
    double defaultValue; // a choice input's default is one of its values
    // Zero: a box to type in. Defaulted so that tables without choices stay as written.
    int32_t choiceCount = 0;
    const InputChoice* choices = nullptr;
    // A typed value outside [plausibleMin, plausibleMax], NaN included, gets the
    // range verdict instead of a clinical one. The defaults check nothing.
    double plausibleMin = -std::numeric_limits<double>::infinity();
    double plausibleMax = std::numeric_limits<double>::infinity();
    // A date box: its value is the day number (engine/calendar.h), its range a
    // pair of day numbers, its text YYYY-MM-DD.
    bool isDate = false;
    // A date box that the window fills with today's date; the default serves the self-test.
    bool fillToday = false;
};

// Whether a typed input carries a plausible range to check.
constexpr bool hasPlausibleRange(const InputField& input) {
    return input.choiceCount == 0 && (input.plausibleMin > -std::numeric_limits<double>::infinity() ||
                                      input.plausibleMax < std::numeric_limits<double>::infinity());
}

// The number of items in a constant table, for counts in the tool files.
template <typename T, int32_t N> constexpr int32_t countOf(const T (&)[N]) {
    return N;
}

struct OutputField {
    const char* var;
    const wchar_t* label;
    const wchar_t* unit; // may be null
    const char* formula;
    const char* format; // may be null: "f2"
};

struct VerdictRule {
    const char* condition; // "" matches always: the catch-all, last
    VerdictLevel level;
    const wchar_t* text;
};

struct ToolDef {
    int32_t number;
    const wchar_t* name;
    const wchar_t* description; // may be null
    const wchar_t* category;
    const wchar_t* reference;
    const wchar_t* caution; // may be null
    int32_t inputCount;
    const InputField* inputs;
    int32_t outputCount;
    const OutputField* outputs;
    int32_t ruleCount;
    const VerdictRule* rules;
    ReportKind reportKind;
};

// The one tool of this build, valid for the whole run.
const ToolDef& builtinTool();
