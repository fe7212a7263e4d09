// Tool 345: behavioural pain scale for intubated adults.
#include "engine/tool.h"

namespace {

constexpr InputChoice kFace[] = {
    {1.0, L"放松"},
    {2.0, L"部分紧张（如皱眉）"},
    {3.0, L"完全紧张（如闭眼）"},
    {4.0, L"扭曲、痛苦面容"},
};
constexpr InputChoice kLimb[] = {
    {1.0, L"无活动"},
    {2.0, L"部分弯曲"},
    {3.0, L"完全弯曲且手指屈曲"},
    {4.0, L"持续回缩"},
};
constexpr InputChoice kVent[] = {
    {1.0, L"耐受呼吸机"},
    {2.0, L"咳嗽但大部分时间耐受"},
    {3.0, L"人机对抗"},
    {4.0, L"无法控制通气"},
};

constexpr InputField kInputs[] = {
    {"face", L"面部表情", nullptr, 1.0, countOf(kFace), kFace},
    {"limb", L"上肢动作", nullptr, 1.0, countOf(kLimb), kLimb},
    {"vent", L"通气依从性", nullptr, 1.0, countOf(kVent), kVent},
};

constexpr OutputField kOutputs[] = {
    {"total", L"总分", L"分", "face+limb+vent", "f0"},
};

constexpr VerdictRule kRules[] = {
    {"vent==4", kLevelWarning, L"无法控制通气，立即报告医师，排除气道梗阻等原因"},
    {"total>5", kLevelAttention, L"可能存在疼痛（>5 分），报告医师并遵医嘱镇痛后复评"},
    {"", kLevelNormal, L"暂无明显疼痛（≤5 分），按时复评"},
};

constexpr ToolDef kTool = {
    345,
    L"BPS 行为疼痛量表",
    L"机械通气患者疼痛行为评估",
    L"重症评估",
    L"Payen JF 等, Crit Care Med 2001;29:2258–2263；Devlin JW 等, Crit Care Med 2018;46:e825（PADIS，BPS>5 "
    L"分提示疼痛）；中华医学会重症医学分会《中国成人 ICU 镇痛和镇静治疗指南》, 中华危重病急救医学 "
    L"2018;30(6):497–514",
    L"用于不能自述疼痛的气管插管机械通气成人（能自述者用 NRS），未插管者用 BPS-NI 或 CPOT "
    L"重症疼痛观察；静息时观察并在翻身、吸痰等操作中及镇痛处理后复评；上肢动作在未约束、未瘫痪的一侧观察；神"
    L"经肌肉阻滞或深镇静时行为反应消失，低分不能排除疼痛；无法控制通气时先排除气道梗阻、气胸等原因。",
    countOf(kInputs),
    kInputs,
    countOf(kOutputs),
    kOutputs,
    countOf(kRules),
    kRules,
    report_kind::None,
};

} // namespace

const ToolDef& tool345() {
    return kTool;
}
