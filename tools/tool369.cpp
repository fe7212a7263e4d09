// Tool 369: eGFR by the Chinese-modified MDRD equation.
#include "engine/tool.h"
#include "tools/choices.h"

namespace {

constexpr InputField kInputs[] = {
    {"scr", L"血肌酐", L"μmol/L", 80.0, 0, nullptr, 10.0, 4000.0},
    {"age", L"年龄", L"岁", 50.0, 0, nullptr, 0.1, 125.0},
    {"sex", L"性别", nullptr, 1.0, countOf(kSex), kSex},
};

constexpr OutputField kOutputs[] = {
    {"egfr", L"eGFR", L"mL/min/1.73m2", "175*(scr/88.4)^-1.234*age^-0.179*(sex==2?0.79:1)", "f0"},
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
    369,
    L"eGFR（中国改良 MDRD）",
    L"中国改良 MDRD 估算 GFR 及分期",
    L"肾功能",
    L"Ma YC 等. J Am Soc Nephrol 2006;17:2937-2944（中国改良 "
    L"MDRD：175×Scr^-1.234×年龄^-0.179，女性×0.79，Scr 单位 mg/dL）；KDIGO 2024 CKD 指南 GFR 分期（Kidney "
    L"Int 2024;105(4S):S117-S314）",
    L"仅用于肌酐稳定的成人，急性肾损伤、极端肌肉量或截肢者不适用，CKD 诊断需异常持续超过 3 个月；本式为 Ma "
    L"2006 在中国 CKD 患者中建立的 175 系数式（同文另有 186×Scr^-1.154×年龄^-0.203×0.742（女）×1.233 "
    L"式，结果不同），KDIGO 2024 建议同一地区统一使用经验证的方程（多用 CKD-EPI 2021，见 eGFR（CKD-EPI "
    L"2021）工具），两方程结果不同，同一患者随访及药物剂量调整时勿混用。",
    countOf(kInputs),
    kInputs,
    countOf(kOutputs),
    kOutputs,
    countOf(kRules),
    kRules,
    report_kind::None,
};

} // namespace

const ToolDef& tool369() {
    return kTool;
}
