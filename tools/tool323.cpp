// Tool 323: body surface area by two formulas.
#include "engine/tool.h"

namespace {

constexpr InputField kInputs[] = {
    {"h", L"身高", L"cm", 170.0, 0, nullptr, 20.0, 280.0},
    {"w", L"体重", L"kg", 65.0, 0, nullptr, 0.2, 700.0},
};

constexpr OutputField kOutputs[] = {
    {"bsam", L"BSA（Mosteller）", L"m2", "sqrt(h*w/3600)", "f2"},
    {"bsas", L"BSA（许文生公式）", L"m2", "0.0061*h+0.0128*w-0.1529", "f2"},
};

constexpr VerdictRule kRules[] = {
    {"h<40 || h>250 || w<=0", kLevelWarning, L"请核对身高与体重"},
    {"w<=30 || h<130", kLevelAttention, L"儿童不宜用许文生公式，改用儿科公式"},
    {"", kLevelNormal, L"按 mg/m2 给药时注明所用公式"},
};

constexpr ToolDef kTool = {
    323,
    L"体表面积（BSA）",
    L"Mosteller 与许文生公式体表面积",
    L"用药计算",
    L"Mosteller RD. N Engl J Med 1987;317:1098；Stevenson PH（许文生）. Chin J Physiol 1937;12:327-330",
    L"许文生公式源自 1937 年约 10 "
    L"名中国成人实测，样本小，儿童、截肢及极端体型者慎用，化疗剂量以方案与医嘱为准。",
    countOf(kInputs),
    kInputs,
    countOf(kOutputs),
    kOutputs,
    countOf(kRules),
    kRules,
    report_kind::None,
};

} // namespace

const ToolDef& tool323() {
    return kTool;
}
