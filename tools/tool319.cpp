// Tool 319: CPOT pain observation in intensive care.
#include "engine/tool.h"

namespace {

constexpr InputChoice kFace[] = {
    {0.0, L"放松、平静"},
    {1.0, L"紧张（皱眉等）"},
    {2.0, L"面部扭曲、痛苦"},
};
constexpr InputChoice kBody[] = {
    {0.0, L"无活动或体位正常"},
    {1.0, L"保护性体动"},
    {2.0, L"躁动不安"},
};
constexpr InputChoice kMusc[] = {
    {0.0, L"放松"},
    {1.0, L"紧张、僵硬"},
    {2.0, L"非常紧张或僵硬"},
};
constexpr InputChoice kVent[] = {
    {0.0, L"耐受呼吸机/说话正常或无声"},
    {1.0, L"咳嗽但耐受/叹气呻吟"},
    {2.0, L"人机对抗/喊叫哭泣"},
};

constexpr InputField kInputs[] = {
    {"face", L"面部表情", nullptr, 0.0, countOf(kFace), kFace},
    {"body", L"身体活动", nullptr, 0.0, countOf(kBody), kBody},
    {"musc", L"肌肉紧张度", nullptr, 0.0, countOf(kMusc), kMusc},
    {"vent", L"通气顺应性/发声", nullptr, 0.0, countOf(kVent), kVent},
};

constexpr OutputField kOutputs[] = {
    {"total", L"总分", L"分", "face+body+musc+vent", "f0"},
};

constexpr VerdictRule kRules[] = {
    {"total>2", kLevelAttention, L"可能存在疼痛（>2 分），报告医师并遵医嘱镇痛后复评"},
    {"", kLevelNormal, L"暂无明显疼痛，按时复评"},
};

constexpr ToolDef kTool = {
    319,
    L"CPOT 重症疼痛观察",
    L"不能自述者的疼痛行为评估",
    L"重症评估",
    L"Gélinas C 等, Am J Crit Care 2006;15:420–427（量表）；Gélinas C 等, J Pain Symptom Manage "
    L"2009;37:58–67（>2 分界值）；Devlin JW 等, Crit Care Med 2018;46:e825（PADIS，CPOT>2 "
    L"分提示疼痛）；中华医学会重症医学分会《中国成人 ICU 镇痛和镇静治疗指南》, 中华危重病急救医学 "
    L"2018;30(6):497–514",
    L"用于不能自述疼痛的成人 ICU 患者（能自述者用 NRS），静息时观察 1 "
    L"分钟，翻身、吸痰等操作中及镇痛处理后按药物起效时间复评；通气顺应性用于气管插管患者，发声用于未插管患者"
    L"，二者只评其一；肌肉紧张度通过被动屈伸上肢评估。",
    countOf(kInputs),
    kInputs,
    countOf(kOutputs),
    kOutputs,
    countOf(kRules),
    kRules,
    report_kind::None,
};

} // namespace

const ToolDef& tool319() {
    return kTool;
}
