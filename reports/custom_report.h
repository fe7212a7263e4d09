// Custom reports: the dispatcher, the line operations the generators share,
// and the eleven generators chosen by ReportKind.
#pragma once

#include <cstdint>

#include "engine/tool.h"

// One formatted line is rendered here first: 511 units and the terminator.
constexpr int32_t kReportLineCapacity = 512;

constexpr wchar_t kNoCustomReportText[] = L"（该工具暂无自定义报告）";
constexpr wchar_t kNoCustomReportVerdict[] = L"暂无报告内容";

// Empties both buffers, runs the kind's generator (or writes the placeholder
// for a kind outside 1..11) and returns its level.
int32_t composeCustomReport(int32_t kind, const ToolDef* tool, const double* inputValues, wchar_t* reportText,
                            int32_t reportCapacity, wchar_t* verdictText, int32_t verdictCapacity);

// The value of the first input whose var equals name (case-sensitive);
// 0.0 when there is none.
double lookupInput(const ToolDef* tool, const double* inputValues, const char* name);

// Truncation toward zero; NaN, infinities and magnitudes of 2^31 or more give
// INT32_MIN, which matches no selector row and lies below every lower clamp.
int32_t truncateToInt32(double value);

// The append rule: the line (cut at 511 units) goes in while the text is
// shorter than reportCapacity - 1 and is cut there, then as much of CR LF as fits.
// The format understands what formatText does; pass %c arguments as int.
void appendReportLine(wchar_t* reportText, int32_t reportCapacity, const wchar_t* format, ...);
// The same for a fixed text, never read as a format.
void appendReportText(wchar_t* reportText, int32_t reportCapacity, const wchar_t* text);
// A text appended verbatim by the same cut, with no line ending.
void appendReportChunk(wchar_t* reportText, int32_t reportCapacity, const wchar_t* text);

constexpr wchar_t kUnlistedDrugName[] = L"未收录药物";
// The infusion check's name for drug number 1..10; kUnlistedDrugName otherwise.
const wchar_t* compatibilityDrugName(int32_t number);

// The generators: they append to an emptied report, write one verdict whole
// (cut only by a verdict capacity below 21) and return the level.
using ReportGenerator = int32_t (*)(const ToolDef* tool, const double* inputValues, wchar_t* reportText,
                                    int32_t reportCapacity, wchar_t* verdictText, int32_t verdictCapacity);

int32_t writeDutyRoster(const ToolDef* tool, const double* inputValues, wchar_t* reportText,
                        int32_t reportCapacity, wchar_t* verdictText, int32_t verdictCapacity);
int32_t writeDosingTimetable(const ToolDef* tool, const double* inputValues, wchar_t* reportText,
                             int32_t reportCapacity, wchar_t* verdictText, int32_t verdictCapacity);
int32_t writeBloodCollectionOrder(const ToolDef* tool, const double* inputValues, wchar_t* reportText,
                                  int32_t reportCapacity, wchar_t* verdictText, int32_t verdictCapacity);
int32_t writeCriticalValues(const ToolDef* tool, const double* inputValues, wchar_t* reportText,
                            int32_t reportCapacity, wchar_t* verdictText, int32_t verdictCapacity);
int32_t writeHighAlertDrugs(const ToolDef* tool, const double* inputValues, wchar_t* reportText,
                            int32_t reportCapacity, wchar_t* verdictText, int32_t verdictCapacity);
int32_t writeInfusionCompatibility(const ToolDef* tool, const double* inputValues, wchar_t* reportText,
                                   int32_t reportCapacity, wchar_t* verdictText, int32_t verdictCapacity);
int32_t writeFollowUpDates(const ToolDef* tool, const double* inputValues, wchar_t* reportText,
                           int32_t reportCapacity, wchar_t* verdictText, int32_t verdictCapacity);
int32_t writeSurgicalChecklist(const ToolDef* tool, const double* inputValues, wchar_t* reportText,
                               int32_t reportCapacity, wchar_t* verdictText, int32_t verdictCapacity);
int32_t writeHandoverTemplate(const ToolDef* tool, const double* inputValues, wchar_t* reportText,
                              int32_t reportCapacity, wchar_t* verdictText, int32_t verdictCapacity);
int32_t writeInfusionCard(const ToolDef* tool, const double* inputValues, wchar_t* reportText,
                          int32_t reportCapacity, wchar_t* verdictText, int32_t verdictCapacity);
int32_t writeLabPanels(const ToolDef* tool, const double* inputValues, wchar_t* reportText,
                       int32_t reportCapacity, wchar_t* verdictText, int32_t verdictCapacity);
