// Tool 119: body-mass index with the Chinese adult weight classes.
#include "engine/tool.h"

namespace {

constexpr InputField kInputs[] = {
    {"h", L"身高", L"cm", 170.0, 0, nullptr, 110.0, 280.0},
    {"w", L"体重", L"kg", 65.0, 0, nullptr, 0.2, 700.0},
};

constexpr OutputField kOutputs[] = {
    {"bmi", L"BMI", L"kg/m2", "w/(h/100)^2", "f2"},
    {"std", L"理想体重", L"kg", "h-105", "f1"},
    {"diff", L"与理想体重差", L"%", "(w-(h-105))/(h-105)*100", "f1"},
};

constexpr VerdictRule kRules[] = {
    {"bmi<18.5", kLevelAttention, L"体重偏低，建议 NRS2002 筛查"},
    {"bmi<24", kLevelNormal, L"体重正常，保持均衡饮食与运动"},
    {"bmi<28", kLevelAttention, L"超重，控制总能量并增加有氧运动"},
    {"", kLevelWarning, L"肥胖，评估代谢指标并制定减重计划"},
};

constexpr ToolDef kTool119 = {
    119,
    L"BMI 与体型判读",
    L"身高体重指数及中国成人分级",
    L"营养评估",
    L"《中国成人超重和肥胖症预防控制指南》",
    L"运动员、水肿、妊娠、肌肉减少人群需结合人体成分判断。",
    static_cast<int32_t>(sizeof kInputs / sizeof kInputs[0]),
    kInputs,
    static_cast<int32_t>(sizeof kOutputs / sizeof kOutputs[0]),
    kOutputs,
    static_cast<int32_t>(sizeof kRules / sizeof kRules[0]),
    kRules,
    report_kind::None,
};

} // namespace

const ToolDef& tool119() {
    return kTool119;
}
