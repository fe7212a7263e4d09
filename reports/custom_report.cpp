#include "reports/custom_report.h"

#include <cmath>
#include <cstdarg>
#include <cstring>

#include "engine/text.h"

namespace {

// Indexed by kind - 1.
constexpr ReportGenerator kGenerators[] = {
    writeDutyRoster,     writeDosingTimetable,   writeBloodCollectionOrder,
    writeCriticalValues, writeHighAlertDrugs,    writeInfusionCompatibility,
    writeFollowUpDates,  writeSurgicalChecklist, writeHandoverTemplate,
    writeInfusionCard,   writeLabPanels,
};
constexpr int32_t kGeneratorCount = static_cast<int32_t>(sizeof kGenerators / sizeof kGenerators[0]);

// Steps 2 and 3 of the append rule for a line already rendered and cut at 511.
void appendRenderedLine(wchar_t* reportText, int32_t reportCapacity, const wchar_t* line) {
    appendText(reportText, reportCapacity, line);
    appendText(reportText, reportCapacity, L"\r\n");
}

} // namespace

int32_t composeCustomReport(int32_t kind, const ToolDef* tool, const double* inputValues, wchar_t* reportText,
                            int32_t reportCapacity, wchar_t* verdictText, int32_t verdictCapacity) {
    copyText(reportText, reportCapacity, L"");
    copyText(verdictText, verdictCapacity, L"");
    if (kind < 1 || kind > kGeneratorCount) {
        copyText(reportText, reportCapacity, kNoCustomReportText);
        copyText(verdictText, verdictCapacity, kNoCustomReportVerdict);
        return kLevelNormal;
    }
    return kGenerators[kind - 1](tool, inputValues, reportText, reportCapacity, verdictText, verdictCapacity);
}

double lookupInput(const ToolDef* tool, const double* inputValues, const char* name) {
    if (tool == nullptr || tool->inputs == nullptr || inputValues == nullptr || name == nullptr) return 0.0;
    for (int32_t i = 0; i < tool->inputCount; ++i) {
        const char* var = tool->inputs[i].var;
        if (var != nullptr && std::strcmp(var, name) == 0) return inputValues[i];
    }
    return 0.0;
}

int32_t truncateToInt32(double value) {
    // Tested in double before converting: the conversion of anything outside
    // the int32 range would be undefined.
    if (!(std::fabs(value) < 2147483648.0)) return INT32_MIN;
    return static_cast<int32_t>(value);
}

void appendReportLine(wchar_t* reportText, int32_t reportCapacity, const wchar_t* format, ...) {
    wchar_t line[kReportLineCapacity];
    va_list args;
    va_start(args, format);
    formatTextV(line, kReportLineCapacity, format, args);
    va_end(args);
    appendRenderedLine(reportText, reportCapacity, line);
}

void appendReportText(wchar_t* reportText, int32_t reportCapacity, const wchar_t* text) {
    wchar_t line[kReportLineCapacity];
    copyText(line, kReportLineCapacity, text);
    appendRenderedLine(reportText, reportCapacity, line);
}

void appendReportChunk(wchar_t* reportText, int32_t reportCapacity, const wchar_t* text) {
    appendText(reportText, reportCapacity, text);
}
