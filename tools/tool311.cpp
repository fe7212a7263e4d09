// Tool 311: Child-Pugh class of liver function; the item scores feed the total.
#include "engine/tool.h"

namespace {

constexpr InputChoice kAsc[] = {
    {1.0, L"无"},
    {2.0, L"轻度"},
    {3.0, L"中重度"},
};
constexpr InputChoice kHe[] = {
    {1.0, L"无"},
    {2.0, L"1–2 级"},
    {3.0, L"3–4 级"},
};

constexpr InputField kInputs[] = {
    {"bil", L"总胆红素", L"μmol/L", 20.0, 0, nullptr, 1.0, 3000.0},
    {"alb", L"白蛋白", L"g/L", 40.0, 0, nullptr, 5.0, 70.0},
    {"inr", L"INR", nullptr, 1.0, 0, nullptr, 0.5, 20.0},
    {"asc", L"腹水", nullptr, 1.0, countOf(kAsc), kAsc},
    {"he", L"肝性脑病", nullptr, 1.0, countOf(kHe), kHe},
};

constexpr OutputField kOutputs[] = {
    {"pbil", L"胆红素评分", L"分", "bil<34 ? 1 : (bil<=51 ? 2 : 3)", "f0"},
    {"palb", L"白蛋白评分", L"分", "alb>35 ? 1 : (alb>=28 ? 2 : 3)", "f0"},
    {"pinr", L"INR 评分", L"分", "inr<1.7 ? 1 : (inr<=2.3 ? 2 : 3)", "f0"},
    {"total", L"总分", L"分", "pbil+palb+pinr+asc+he", "f0"},
};

constexpr VerdictRule kRules[] = {
    {"total>=10", kLevelWarning, L"C 级，肝功能差，手术风险高，经肝代谢药物按说明书调整"},
    {"total>=7", kLevelAttention, L"B 级，肝功能中等，经肝代谢药物按说明书调整剂量"},
    {"", kLevelNormal, L"A 级，肝功能良好"},
};

constexpr ToolDef kTool = {
    311,
    L"Child-Pugh 肝功能分级",
    L"肝硬化患者肝功能储备分级",
    L"肝功能",
    L"Pugh RN 等, Br J Surg 1973；中华医学会肝病学分会《肝硬化诊治指南》（2019）",
    L"适用于肝硬化患者，原发性胆汁性胆管炎或硬化性胆管炎的胆红素分界不同，不宜直接套用。",
    countOf(kInputs),
    kInputs,
    countOf(kOutputs),
    kOutputs,
    countOf(kRules),
    kRules,
    report_kind::None,
};

} // namespace

const ToolDef& tool311() {
    return kTool;
}
