// Tool 331: children's maintenance fluids by the 4-2-1 rule.
#include "engine/tool.h"

namespace {

constexpr InputField kInputs[] = {
    {"wt", L"体重", L"kg", 15.0, 0, nullptr, 0.2, 200.0},
};

constexpr OutputField kOutputs[] = {
    {"daily", L"每日维持液", L"ml/d", "100*min(wt,10)+50*min(max(wt-10,0),10)+20*max(wt-20,0)", "f0"},
    {"hourly", L"每小时维持液", L"ml/h", "4*min(wt,10)+2*min(max(wt-10,0),10)+max(wt-20,0)", "f0"},
};

constexpr VerdictRule kRules[] = {
    {"wt<=0 || wt>120", kLevelWarning, L"请核对体重（0–120 kg）"},
    {"wt<3", kLevelAttention, L"新生儿不适用 4-2-1 法则"},
    {"daily>2400.5", kLevelAttention, L"超过常规上限，按理想体重，一般≤2400 ml/d"},
    {"", kLevelNormal, L"为维持量，另计累积损失与继续丢失量"},
};

constexpr ToolDef kTool = {
    331,
    L"儿童维持液（4-2-1）",
    L"4-2-1 法则计算儿童维持液",
    L"液体治疗",
    L"Holliday MA, Segar WE. Pediatrics 1957;19:823-832",
    L"仅为生理维持量，不含累积损失与继续丢失；急症患儿抗利尿激素分泌增多，常给予计算量的 "
    L"65–80%，新生儿及心肾功能不全者需另行调整。",
    countOf(kInputs),
    kInputs,
    countOf(kOutputs),
    kOutputs,
    countOf(kRules),
    kRules,
    report_kind::None,
};

} // namespace

const ToolDef& tool331() {
    return kTool;
}
