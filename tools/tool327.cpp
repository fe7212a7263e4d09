// Tool 327: QT interval corrected for heart rate by two formulas.
#include "engine/tool.h"
#include "tools/choices.h"

namespace {

constexpr InputField kInputs[] = {
    {"qt", L"QT 间期", L"ms", 400.0, 0, nullptr, 150.0, 1000.0},
    {"hr", L"心率", L"次/分", 75.0, 0, nullptr, 10.0, 300.0},
    {"sex", L"性别", nullptr, 1.0, countOf(kSex), kSex},
};

constexpr OutputField kOutputs[] = {
    {"rr", L"RR 间期", L"s", "60/hr", "f3"},
    {"qtcb", L"QTc（Bazett）", L"ms", "qt/sqrt(60/hr)", "f0"},
    {"qtcf", L"QTc（Fridericia）", L"ms", "qt/cbrt(60/hr)", "f0"},
    {"qtc", L"判读 QTc", L"ms", "(hr<60 || hr>90) ? qt/cbrt(60/hr) : qt/sqrt(60/hr)", "f0"},
};

constexpr VerdictRule kRules[] = {
    {"qt<=0 || hr<=0", kLevelWarning, L"请核对 QT 间期与心率"},
    {"qtc>500.5", kLevelWarning, L"QTc >500 ms，尖端扭转风险高，立即报告医师"},
    {"qtc>=(sex==2?459.5:449.5)", kLevelAttention, L"QTc 延长，复查心电图与血钾、血镁"},
    {"", kLevelNormal, L"QTc 未见延长"},
};

constexpr ToolDef kTool = {
    327,
    L"QTc 校正",
    L"心率校正 QT 间期（两种公式）",
    L"心血管",
    L"Bazett HC. Heart 1920;7:353-370；Fridericia LS. Acta Med Scand 1920;53:469-486；Rautaharju PM 等. "
    L"Circulation 2009;119:e241（AHA/ACCF/HRS，界值 450/460 ms）；Drew BJ 等. Circulation "
    L"2010;121:1047（处理）",
    L"判读 QTc 在心率 60–90 次/分时取 Bazett 值，低于 60 或高于 90 次/分时取 Fridericia 值；停用或减量致 QT "
    L"延长药物、纠正血钾血镁由医师决定，束支阻滞或起搏心律时不宜直接套用。",
    countOf(kInputs),
    kInputs,
    countOf(kOutputs),
    kOutputs,
    countOf(kRules),
    kRules,
    report_kind::None,
};

} // namespace

const ToolDef& tool327() {
    return kTool;
}
