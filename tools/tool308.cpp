// Tool 308: CURB-65 severity of community-acquired pneumonia.
#include "engine/tool.h"

namespace {

constexpr InputChoice kConf[] = {
    {0.0, L"无"},
    {1.0, L"有（新发定向障碍）"},
};

constexpr InputField kInputs[] = {
    {"conf", L"意识障碍", nullptr, 0.0, countOf(kConf), kConf},
    {"urea", L"尿素", L"mmol/L", 5.0, 0, nullptr, 0.2, 150.0},
    {"rr", L"呼吸频率", L"次/分", 18.0, 0, nullptr, 0.0, 100.0},
    {"sbp", L"收缩压", L"mmHg", 120.0, 0, nullptr, 0.0, 300.0},
    {"dbp", L"舒张压", L"mmHg", 75.0, 0, nullptr, 0.0, 200.0},
    {"age", L"年龄", L"岁", 50.0, 0, nullptr, 0.0, 125.0},
};

constexpr OutputField kOutputs[] = {
    {"curb", L"评分", L"分", "conf+(urea>7)+(rr>=30)+(sbp<90||dbp<=60)+(age>=65)", "f0"},
};

constexpr VerdictRule kRules[] = {
    {"curb>=3", kLevelWarning, L"高危，住院治疗并评估是否入住 ICU"},
    {"curb>=2", kLevelAttention, L"中危，建议住院或严格随访下院外治疗"},
    {"", kLevelNormal, L"低危，可门诊治疗"},
};

constexpr ToolDef kTool = {
    308,
    L"CURB-65 肺炎严重度",
    L"社区获得性肺炎严重度评估",
    L"重症评估",
    L"Lim WS 等, Thorax 2003；《中国成人社区获得性肺炎诊断和治疗指南（2016 年版）》",
    L"仅用于成人社区获得性肺炎，尿素以 mmol/L 计，是否住院还须结合氧合、基础疾病与社会因素。",
    countOf(kInputs),
    kInputs,
    countOf(kOutputs),
    kOutputs,
    countOf(kRules),
    kRules,
    report_kind::None,
};

} // namespace

const ToolDef& tool308() {
    return kTool;
}
