// Tool 321: eGFR by the 2021 creatinine equation, with the GFR stage.
#include "engine/tool.h"
#include "tools/choices.h"

namespace {

constexpr InputField kInputs[] = {
    {"scr", L"血肌酐", L"μmol/L", 80.0, 0, nullptr, 10.0, 4000.0},
    {"age", L"年龄", L"岁", 50.0, 0, nullptr, 0.0, 125.0},
    {"sex", L"性别", nullptr, 1.0, countOf(kSex), kSex},
};

constexpr OutputField kOutputs[] = {
    {"egfr", L"eGFR", L"mL/min/1.73m2",
     "142*min(scr/88.4/(sex==2?0.7:0.9),1)^(sex==2?-0.241:-0.302)*max(scr/88.4/"
     "(sex==2?0.7:0.9),1)^-1.2*0.9938^age*(sex==2?1.012:1)",
     "f0"},
};

constexpr VerdictRule kRules[] = {
    {"scr<=0 || age<18", kLevelWarning, L"仅适用于成人，请核对肌酐与年龄"},
    {"egfr>=89.5", kLevelNormal, L"G1 正常或升高，结合尿白蛋白评估"},
    {"egfr>=59.5", kLevelNormal, L"G2 轻度下降，结合尿白蛋白定期复查"},
    {"egfr>44.5", kLevelAttention, L"G3a 轻至中度下降，核对经肾排泄药物说明书"},
    {"egfr>=29.5", kLevelAttention, L"G3b 中至重度下降，评估并发症并调整用药"},
    {"egfr>14.5", kLevelWarning, L"G4 重度下降，肾内科评估并发症与替代治疗时机"},
    {"", kLevelWarning, L"G5 肾衰竭，肾内科评估透析指征"},
};

constexpr ToolDef kTool = {
    321,
    L"eGFR（CKD-EPI 2021）",
    L"成人估算肾小球滤过率及 CKD 分期",
    L"肾功能",
    L"Inker LA 等. N Engl J Med 2021;385:1737-1749（CKD-EPI 2021 肌酐方程）；KDIGO 2024 CKD 指南 GFR 分期",
    L"仅用于肌酐稳定的成人，急性肾损伤、极端肌肉量或截肢者不适用，CKD 诊断需异常持续超过 3 个月。",
    countOf(kInputs),
    kInputs,
    countOf(kOutputs),
    kOutputs,
    countOf(kRules),
    kRules,
    report_kind::None,
};

} // namespace

const ToolDef& tool321() {
    return kTool;
}
