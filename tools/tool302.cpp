// Tool 302: Morse fall scale for inpatients.
#include "engine/tool.h"

namespace {

constexpr InputChoice kHx[] = {
    {0.0, L"无"},
    {25.0, L"有（近 3 个月内）"},
};
constexpr InputChoice kDx[] = {
    {0.0, L"否"},
    {15.0, L"是"},
};
constexpr InputChoice kAid[] = {
    {0.0, L"不需要/卧床/护士扶持"},
    {15.0, L"拐杖/助行器"},
    {30.0, L"扶家具行走"},
};
constexpr InputChoice kIv[] = {
    {0.0, L"否"},
    {20.0, L"是"},
};
constexpr InputChoice kGait[] = {
    {0.0, L"正常/卧床/轮椅"},
    {10.0, L"虚弱"},
    {20.0, L"受损"},
};
constexpr InputChoice kMent[] = {
    {0.0, L"能正确评估自身能力"},
    {15.0, L"高估或忘记限制"},
};

constexpr InputField kInputs[] = {
    {"hx", L"跌倒史", nullptr, 0.0, countOf(kHx), kHx},
    {"dx", L"超过一个医学诊断", nullptr, 0.0, countOf(kDx), kDx},
    {"aid", L"行走辅助", nullptr, 0.0, countOf(kAid), kAid},
    {"iv", L"静脉输液/留置针", nullptr, 0.0, countOf(kIv), kIv},
    {"gait", L"步态", nullptr, 0.0, countOf(kGait), kGait},
    {"ment", L"认知状态", nullptr, 0.0, countOf(kMent), kMent},
};

constexpr OutputField kOutputs[] = {
    {"total", L"总分", L"分", "hx+dx+aid+iv+gait+ment", "f0"},
};

constexpr VerdictRule kRules[] = {
    {"total>=45", kLevelWarning, L"高危，落实防跌倒措施并悬挂警示标识"},
    {"total>=25", kLevelAttention, L"中危，加强防跌倒宣教并协助活动"},
    {"", kLevelNormal, L"低危，常规安全宣教"},
};

constexpr ToolDef kTool = {
    302,
    L"Morse 跌倒风险",
    L"六项评估住院患者跌倒风险",
    L"护理评估",
    L"Morse JM, Morse RM, Tylko SJ, Can J Aging 1989；AHRQ Preventing Falls in Hospitals, Tool 3H",
    L"静脉输液/"
    L"留置针一项指正在输液或留置封管的静脉留置针（肝素帽），导尿管、引流管不计分；病情、用药或环境变化时应及"
    L"时复评。",
    countOf(kInputs),
    kInputs,
    countOf(kOutputs),
    kOutputs,
    countOf(kRules),
    kRules,
    report_kind::None,
};

} // namespace

const ToolDef& tool302() {
    return kTool;
}
