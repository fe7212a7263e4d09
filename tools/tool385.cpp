// Tool 385: ABCD2 score of early stroke risk after a TIA.
#include "engine/tool.h"

namespace {

constexpr InputChoice kClin[] = {
    {0.0, L"其他症状"},
    {1.0, L"言语障碍，无肢体无力"},
    {2.0, L"单侧肢体无力"},
};
constexpr InputChoice kDur[] = {
    {0.0, L"不足 10 分钟"},
    {1.0, L"持续 10–59 分钟"},
    {2.0, L"持续≥60 分钟"},
};
constexpr InputChoice kDm[] = {
    {0.0, L"无"},
    {1.0, L"有"},
};

constexpr InputField kInputs[] = {
    {"age", L"年龄", L"岁", 50.0, 0, nullptr, 0.0, 125.0},
    {"sbp", L"收缩压", L"mmHg", 120.0, 0, nullptr, 0.0, 300.0},
    {"dbp", L"舒张压", L"mmHg", 80.0, 0, nullptr, 0.0, 200.0},
    {"clin", L"临床表现", nullptr, 0.0, countOf(kClin), kClin},
    {"dur", L"症状持续时间", nullptr, 0.0, countOf(kDur), kDur},
    {"dm", L"糖尿病", nullptr, 0.0, countOf(kDm), kDm},
};

constexpr OutputField kOutputs[] = {
    {"pa", L"年龄得分", L"分", "age>=60 ? 1 : 0", "f0"},
    {"pb", L"血压得分", L"分", "(sbp>=140||dbp>=90) ? 1 : 0", "f0"},
    {"total", L"ABCD2 总分", L"分", "pa+pb+clin+dur+dm", "f0"},
};

constexpr VerdictRule kRules[] = {
    {"sbp<=dbp||age<18", kLevelWarning, L"收缩压须高于舒张压、年龄须≥18 岁，请核对"},
    {"total>=6", kLevelWarning, L"6–7 分高危（2 天卒中约 8.1%），立即报告医师"},
    {"total>=4", kLevelWarning, L"4–5 分中危（2 天约 4.1%）：高危 TIA，报告医师"},
    {"total==3", kLevelAttention, L"3 分：72 h 内就诊者建议住院，报告医师"},
    {"", kLevelAttention, L"0–2 分低危（2 天约 1.0%），仍需尽快完成评估"},
};

constexpr ToolDef kTool = {
    385,
    L"ABCD2 TIA 卒中风险",
    L"TIA 后早期卒中风险评分",
    L"神经系统",
    L"Johnston SC, Rothwell PM, Nguyen-Huynh MN, Giles MF, Elkins JS, Bernstein AL, Sidney S, Lancet "
    L"2007;369(9558):283–292；Easton JD 等, Stroke 2009;40(6):2276–2293（AHA/ASA TIA "
    L"定义与评估）；国家卫生健康委脑卒中防治工程委员会《中国短暂性脑缺血发作早期诊治指导规范》（2016 "
    L"年，2021 年修订）；中华医学会神经病学分会等《中国缺血性卒中和短暂性脑缺血发作二级预防指南 2022》, "
    L"中华神经科杂志 2022;55(10):1071–1110",
    L"用于已临床诊断短暂性脑缺血发作（TIA，症状已完全缓解）的成人，血压取 TIA 后首次测量值，收缩压≥140 "
    L"或舒张压≥90 mmHg 任一项即计 1 分，临床表现取发作时最重者（单侧肢体无力 2 分，仅言语障碍不伴无力 1 "
    L"分，其他如单纯感觉症状、视觉症状或头晕 0 分），持续时间按症状最长一次计；原研究 2 天卒中风险 0–3 分约 "
    L"1.0%、4–5 分约 4.1%、6–7 分约 8.1%，为人群平均值；国内指南将 ABCD2≥4 分（发病 24 h 内）列为高危 "
    L"TIA，是否双联抗血小板由医师决定，发病 72 h 内 ABCD2≥3 分、或 0–2 分但 2 "
    L"天内无法完成门诊检查或已有缺血证据者建议住院；低分不能排除高危病因（如颈动脉重度狭窄、心房颤动、DWI "
    L"新发梗死），均须尽快完成头颅影像、血管评估和心电检查；症状未缓解者按急性卒中流程处理，不适用本评分。",
    countOf(kInputs),
    kInputs,
    countOf(kOutputs),
    kOutputs,
    countOf(kRules),
    kRules,
    report_kind::None,
};

} // namespace

const ToolDef& tool385() {
    return kTool;
}
