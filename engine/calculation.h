// One calculation run: input values in, report, verdict and level out.
#pragma once

#include <cstdint>

#include "engine/tool.h"

// The caller's buffers and capacities (wide units, terminator included).
struct CalcResult {
    wchar_t* reportText;
    int32_t reportCapacity;
    wchar_t* verdictText;
    int32_t verdictCapacity; // at least 13
    VerdictLevel level;
    wchar_t* reportCopy;
    int32_t reportCopyCapacity;
};

constexpr wchar_t kDefaultVerdict[] = L"请核对输入参数后重新计算";
// The label, min, max and unit of the first typed input outside its plausible range.
constexpr wchar_t kRangeVerdict[] = L"“%ls”超出合理范围（%g–%g %ls），请核对数值与单位";
constexpr wchar_t kRangeVerdictNoUnit[] = L"“%ls”超出合理范围（%g–%g），请核对数值与单位";
// The label, first and last day of a date input outside its plausible range.
constexpr wchar_t kDateRangeVerdict[] = L"“%ls”不在合理日期范围（%ls–%ls），请按 年-月-日 核对";
constexpr wchar_t kPartialFailureLine[] = L"（部分结果无法计算，请检查输入是否合理）\r\n";

// Returns the level, which it also stores in *level.
int32_t runCalculation(const ToolDef& tool, const double* inputValues, wchar_t* reportText,
                       int32_t reportCapacity, wchar_t* verdictText, int32_t verdictCapacity, int32_t* level,
                       wchar_t* reportCopy, int32_t reportCopyCapacity);
int32_t runCalculation(const ToolDef& tool, const double* inputValues, CalcResult& result);

// Writes the range verdict of the first typed input outside its plausible
// range and returns true; false when every typed value lies inside.
bool composeRangeVerdict(const ToolDef& tool, const double* inputValues, wchar_t* verdictText,
                         int32_t verdictCapacity);

// Renders value by an output's format code ("f0".."f3", "int", "pct",
// "date", "wd" weeks+days; null or anything else as "f2"). Always writes a terminated text.
void formatValue(const char* code, double value, wchar_t* text, int32_t capacity);
