// Tool 324: serum calcium corrected for albumin.
#include "engine/tool.h"

namespace {

constexpr InputField kInputs[] = {
    {"ca", L"血清总钙", L"mmol/L", 2.2, 0, nullptr, 0.5, 7.5},
    {"alb", L"白蛋白", L"g/L", 40.0, 0, nullptr, 5.0, 70.0},
};

constexpr OutputField kOutputs[] = {
    {"cca", L"校正血钙", L"mmol/L", "ca+0.02*(40-alb)", "f2"},
};

constexpr VerdictRule kRules[] = {
    {"ca<=0 || alb<=0", kLevelWarning, L"请核对血钙与白蛋白数值"},
    {"cca<1.895", kLevelWarning, L"重度低钙（<1.90），心电监护并立即报告医师"},
    {"cca<2.095", kLevelAttention, L"低钙血症，复查离子钙、血镁与 PTH"},
    {"cca<=2.605", kLevelNormal, L"校正血钙正常（2.10–2.60 mmol/L）"},
    {"cca<2.995", kLevelAttention, L"高钙血症，复查离子钙与 PTH"},
    {"", kLevelWarning, L"中重度高钙（≥3.00），立即报告医师"},
};

constexpr ToolDef kTool = {
    324,
    L"白蛋白校正血钙",
    L"按白蛋白校正血清总钙",
    L"检验计算",
    L"Payne RB 等. BMJ 1973;4:643-646（白蛋白校正钙）；系数 0.02 mmol/L 每 g/L 为通用约定值（Payne 原式折合 "
    L"0.025）",
    L"系数 0.02 为通用约定值（Payne 原式折合 "
    L"0."
    L"025），参考区间以本院为准；校正公式仅为近似估算，肾功能不全、酸碱失衡或危重患者误差大，有条件时以离子钙"
    L"为准。",
    countOf(kInputs),
    kInputs,
    countOf(kOutputs),
    kOutputs,
    countOf(kRules),
    kRules,
    report_kind::None,
};

} // namespace

const ToolDef& tool324() {
    return kTool;
}
