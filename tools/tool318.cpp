// Tool 318: Norton pressure-sore risk.
#include "engine/tool.h"

namespace {

constexpr InputChoice kPhys[] = {
    {1.0, L"极差"},
    {2.0, L"不好"},
    {3.0, L"一般"},
    {4.0, L"好"},
};
constexpr InputChoice kMent[] = {
    {1.0, L"昏睡或昏迷"},
    {2.0, L"不合逻辑"},
    {3.0, L"无动于衷"},
    {4.0, L"思维敏捷"},
};
constexpr InputChoice kAct[] = {
    {1.0, L"卧床"},
    {2.0, L"坐轮椅"},
    {3.0, L"帮助下可以走动"},
    {4.0, L"可以走动"},
};
constexpr InputChoice kMob[] = {
    {1.0, L"不能活动"},
    {2.0, L"非常受限"},
    {3.0, L"轻微受限"},
    {4.0, L"行动自如"},
};
constexpr InputChoice kInc[] = {
    {1.0, L"大小便失禁"},
    {2.0, L"常常失禁"},
    {3.0, L"偶有失禁"},
    {4.0, L"无失禁"},
};

constexpr InputField kInputs[] = {
    {"phys", L"身体状况", nullptr, 4.0, countOf(kPhys), kPhys},
    {"ment", L"精神状况", nullptr, 4.0, countOf(kMent), kMent},
    {"act", L"活动能力", nullptr, 4.0, countOf(kAct), kAct},
    {"mob", L"灵活程度", nullptr, 4.0, countOf(kMob), kMob},
    {"inc", L"失禁情况", nullptr, 4.0, countOf(kInc), kInc},
};

constexpr OutputField kOutputs[] = {
    {"total", L"总分", L"分", "phys+ment+act+mob+inc", "f0"},
};

constexpr VerdictRule kRules[] = {
    {"total<=12", kLevelWarning, L"高危，每 2 小时翻身，使用减压床垫并保护骨隆突处"},
    {"total<=14", kLevelAttention, L"中危，制定翻身计划，保护骨隆突处并保持皮肤干燥"},
    {"", kLevelNormal, L"暂无明显风险，常规护理，病情变化时复评"},
};

constexpr ToolDef kTool = {
    318,
    L"Norton 压疮风险",
    L"五项评分评估压疮风险",
    L"护理评估",
    L"Norton D, McLaren R, Exton-Smith AN. An Investigation of Geriatric Nursing Problems in Hospital. "
    L"London: National Corporation for the Care of Old People, 1962；Norton D, Decubitus "
    L"1989;2(3):24–31；原卫生部《临床护理实践指南（2011 版）》",
    L"评分≤14 分提示有压疮风险，≤12 分按高危处理：常用分级为 12–14 分中危、<12 分高危（Norton 1989 将<12 "
    L"分列为极高危），本工具为偏安全将 12 分并入高危；Norton "
    L"量表不评营养、摩擦力和剪切力，营养不良或长期卧床者宜同时用 Braden 量表评估并每班检查皮肤。",
    countOf(kInputs),
    kInputs,
    countOf(kOutputs),
    kOutputs,
    countOf(kRules),
    kRules,
    report_kind::None,
};

} // namespace

const ToolDef& tool318() {
    return kTool;
}
