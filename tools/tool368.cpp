// Tool 368: children's eGFR by the bedside Schwartz formula.
#include "engine/tool.h"

namespace {

constexpr InputField kInputs[] = {
    {"h", L"身高", L"cm", 120.0, 0, nullptr, 20.0, 280.0},
    {"scr", L"血肌酐", L"μmol/L", 40.0, 0, nullptr, 5.0, 4000.0},
    {"age", L"年龄", L"岁", 8.0, 0, nullptr, 0.0, 125.0},
};

constexpr OutputField kOutputs[] = {
    {"egfr", L"eGFR", L"mL/min/1.73m2", "0.413*h/(scr/88.4)", "f0"},
};

constexpr VerdictRule kRules[] = {
    {"age<1 || age>=18 || h<50 || scr<=0", kLevelWarning, L"仅适用于 1–17 岁儿童，请核对年龄、身高与肌酐"},
    {"egfr>=89.5", kLevelNormal, L"G1 正常或升高，结合尿蛋白评估"},
    {"egfr>=59.5", kLevelNormal, L"G2 轻度下降，结合尿蛋白定期复查"},
    {"egfr>44.5", kLevelAttention, L"G3a 轻至中度下降，核对经肾排泄药物剂量"},
    {"egfr>=29.5", kLevelAttention, L"G3b 中至重度下降，儿科肾脏专科评估"},
    {"egfr>14.5", kLevelWarning, L"G4 重度下降，儿科肾脏专科评估并发症"},
    {"", kLevelWarning, L"G5 肾衰竭，儿科肾脏专科评估透析指征"},
};

constexpr ToolDef kTool = {
    368,
    L"儿童 eGFR（Schwartz）",
    L"儿童估算肾小球滤过率（床旁公式）",
    L"肾功能",
    L"Schwartz GJ 等. J Am Soc Nephrol 2009;20:629-637（床旁 Schwartz 公式：0.413×身高 cm÷血肌酐 "
    L"mg/dL）；KDIGO 2024 CKD 指南 GFR 分期（Kidney Int 2024;105(4S):S117-S314）",
    L"仅用于 1 岁至未满 18 岁、肌酐稳定的儿童（≥18 岁用成人公式），公式为 "
    L"0.413×身高（cm）÷血肌酐（mg/dL），换算为 μmol/L 即 36.5×身高÷血肌酐（0.413×88.4＝36.51）；该式在 CKD "
    L"儿童（CKiD 队列，GFR 多为 15–75）中以酶法（IDMS "
    L"可溯源）肌酐建立，苦味酸（Jaffe）法肌酐偏高会使结果偏低，GFR "
    L"正常或升高时准确性未经验证；急性肾损伤、营养不良、截肢或神经肌肉病（肌肉量少）时不准；<2 岁儿童 GFR "
    L"生理性偏低，G 分期不宜直接套用；新的 CKiD U25 方程（2021）可作替代，随访时勿混用不同公式。",
    countOf(kInputs),
    kInputs,
    countOf(kOutputs),
    kOutputs,
    countOf(kRules),
    kRules,
    report_kind::None,
};

} // namespace

const ToolDef& tool368() {
    return kTool;
}
