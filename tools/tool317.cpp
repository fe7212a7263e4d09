// Tool 317: Caprini VTE risk for surgical patients.
#include "engine/tool.h"

namespace {

constexpr InputChoice kAge[] = {
    {0.0, L"≤40 岁"},
    {1.0, L"41–60 岁"},
    {2.0, L"61–74 岁"},
    {3.0, L"≥75 岁"},
};

constexpr InputField kInputs[] = {
    {"age", L"年龄", nullptr, 0.0, countOf(kAge), kAge},
    {"n1", L"1 分栏项数", L"项", 0.0, 0, nullptr, 0.0, 20.0},
    {"n2", L"2 分栏项数", L"项", 0.0, 0, nullptr, 0.0, 20.0},
    {"n3", L"3 分栏项数", L"项", 0.0, 0, nullptr, 0.0, 20.0},
    {"n5", L"5 分栏项数", L"项", 0.0, 0, nullptr, 0.0, 20.0},
};

constexpr OutputField kOutputs[] = {
    {"total", L"总分", L"分", "age+n1+2*n2+3*n3+5*n5", "f0"},
};

constexpr VerdictRule kRules[] = {
    {"n1<0||n2<0||n3<0||n5<0||n1>20||n2>20||n3>20||n5>20||n1!=floor(n1)||n2!=floor(n2)||n3!=floor(n3)||n5!="
     "floor(n5)",
     kLevelWarning, L"各栏项数须为 0–20 的整数，请核对"},
    {"total>=5", kLevelWarning, L"高危，评估出血风险，遵医嘱药物联合机械预防"},
    {"total>=3", kLevelAttention, L"中危，评估出血风险，遵医嘱药物或机械预防"},
    {"total>=1", kLevelNormal, L"低危，早期活动，遵医嘱机械预防（首选 IPC），先排除禁忌"},
    {"", kLevelNormal, L"极低危，早期下床活动，无需特殊预防"},
};

constexpr ToolDef kTool = {
    317,
    L"Caprini 静脉血栓风险",
    L"外科手术患者 VTE 风险评估",
    L"护理评估",
    L"Caprini JA, Dis Mon 2005;51:70–78；Gould MK 等, Chest 2012;141(2 "
    L"Suppl):e227S（ACCP-9）；中华医学会外科学分会《中国普通外科围手术期血栓预防与管理指南》, 中华外科杂志 "
    L"2016;54(5):321–327",
    L"适用于外科手术患者（内科患者用 Padua 评分）；按纸质 Caprini 评估表逐项勾选后分别统计 1、2、3、5 "
    L"分栏的勾选项数填入，年龄单独选择、不计入各栏，5 分栏为 1 "
    L"个月内脑卒中、择期下肢关节置换术、髋/骨盆/下肢骨折、1 个月内急性脊髓损伤、多发性创伤（1 "
    L"个月内）等；药物预防前须评估出血风险，出血高风险者先用机械预防（首选间歇充气加压装置 "
    L"IPC）；机械预防须遵医嘱，使用前排除禁忌（已有 DVT "
    L"或血栓性静脉炎、严重下肢缺血、充血性心衰或肺水肿、局部皮肤病变）；Caprini 原版（2005）将 3–4 "
    L"分列为高危、≥5 分列为极高危，与本工具所用 2016 年中国指南分级不同。",
    countOf(kInputs),
    kInputs,
    countOf(kOutputs),
    kOutputs,
    countOf(kRules),
    kRules,
    report_kind::None,
};

} // namespace

const ToolDef& tool317() {
    return kTool;
}
