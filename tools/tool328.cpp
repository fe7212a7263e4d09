// Tool 328: predicted body weight and protective tidal volumes.
#include "engine/tool.h"
#include "tools/choices.h"

namespace {

constexpr InputField kInputs[] = {
    {"h", L"身高", L"cm", 170.0, 0, nullptr, 20.0, 280.0},
    {"sex", L"性别", nullptr, 1.0, countOf(kSex), kSex},
};

constexpr OutputField kOutputs[] = {
    {"pbw", L"预测体重", L"kg", "(sex==2?45.5:50)+0.91*(h-152.4)", "f1"},
    {"vt6", L"潮气量（6 ml/kg）", L"ml", "6*((sex==2?45.5:50)+0.91*(h-152.4))", "f0"},
    {"vt8", L"潮气量（8 ml/kg）", L"ml", "8*((sex==2?45.5:50)+0.91*(h-152.4))", "f0"},
};

constexpr VerdictRule kRules[] = {
    {"h<130 || h>250", kLevelWarning, L"身高超出适用范围（130–250 cm）"},
    {"", kLevelNormal, L"肺保护通气：6 ml/kg PBW，平台压≤30 cmH2O"},
};

constexpr ToolDef kTool = {
    328,
    L"预测体重与潮气量",
    L"ARDSNet 预测体重与肺保护潮气量",
    L"呼吸支持",
    L"ARDS Network. N Engl J Med 2000;342:1301-1308；Fan E 等（ATS/ESICM/SCCM）. Am J Respir Crit Care Med "
    L"2017;195:1253-1263；中华医学会呼吸病学分会《急性呼吸窘迫综合征患者机械通气指南（试行）》（2016）",
    L"用于成人机械通气潮气量设定，按预测体重而非实际体重计算，目标 6 ml/kg，可在 4–8 ml/kg "
    L"范围内按平台压调整，儿童及身高低于 152 cm 者仅供参考。",
    countOf(kInputs),
    kInputs,
    countOf(kOutputs),
    kOutputs,
    countOf(kRules),
    kRules,
    report_kind::None,
};

} // namespace

const ToolDef& tool328() {
    return kTool;
}
