// Tool 398: Pulmonary-embolism rule-out criteria.
#include "engine/tool.h"
#include "tools/choices.h"

namespace {

constexpr InputChoice kSusp[] = {
    {0.0, L"低度可疑（<15%）"},
    {1.0, L"非低度可疑"},
};
constexpr InputChoice kSurg[] = {
    {0.0, L"否"},
    {1.0, L"是（需住院者）"},
};
constexpr InputChoice kEst[] = {
    {0.0, L"否"},
    {1.0, L"是（避孕药或激素替代）"},
};

constexpr InputField kInputs[] = {
    {"susp", L"临床可能性", nullptr, 0.0, countOf(kSusp), kSusp},
    {"age", L"年龄", L"岁", 35.0, 0, nullptr, 0.0, 125.0},
    {"hr", L"心率", L"次/分", 80.0, 0, nullptr, 0.0, 300.0},
    {"spo2", L"SpO2（未吸氧）", L"%", 98.0, 0, nullptr, 1.0, 100.0},
    {"leg", L"单侧下肢肿胀", nullptr, 0.0, countOf(kNoYes1), kNoYes1},
    {"hemo", L"咯血", nullptr, 0.0, countOf(kNoYes1), kNoYes1},
    {"surg", L"近4周手术或外伤", nullptr, 0.0, countOf(kSurg), kSurg},
    {"vte", L"既往 DVT/PE", nullptr, 0.0, countOf(kNoYes1), kNoYes1},
    {"est", L"外源性雌激素", nullptr, 0.0, countOf(kEst), kEst},
};

constexpr OutputField kOutputs[] = {
    {"n", L"PERC 阳性项数", L"项", "(age>=50)+(hr>=100)+(spo2<95)+leg+hemo+surg+vte+est", "f0"},
};

constexpr VerdictRule kRules[] = {
    {"age<18||hr<=0", kLevelWarning, L"PERC 用于成人，请核对年龄与心率"},
    {"susp==1", kLevelWarning, L"非低度可疑：PERC 不适用，按 Wells 等流程评估"},
    {"n>=1", kLevelAttention, L"PERC 阳性：不能排除 PE，查 D-二聚体，医师决定"},
    {"", kLevelAttention, L"8 项均阴性：PE 可能性低，是否查 D-二聚体由医师定"},
};

constexpr ToolDef kTool = {
    398,
    L"PERC 肺栓塞排除标准",
    L"低度可疑者排除肺栓塞",
    L"血栓风险",
    L"Kline JA, Mitchell AM, Kabrhel C, Richman PB, Courtney DM, J Thromb Haemost 2004;2(8):1247–1255；Kline "
    L"JA, Courtney DM, Kabrhel C 等, J Thromb Haemost 2008;6(5):772–780；Freund Y 等, JAMA "
    L"2018;319(6):559–566（PROPER 试验）；Konstantinides SV 等, Eur Heart J 2020;41(4):543–603（ESC 2019 "
    L"急性肺栓塞指南）；中华医学会呼吸病学分会肺栓塞与肺血管病学组等《中国肺血栓栓塞症诊治、预防和管理指南（2"
    L"025 版）》；中华医学会心血管病学分会等《急性肺栓塞诊断和治疗指南 2025》",
    L"仅用于临床低度可疑肺栓塞（PE）的患者：先由医师凭临床判断（原研究为总体判断可能性<15%）或 Wells "
    L"评分三分法（<2 分为低度，工具 "
    L"316）确定为低度可疑，再用本表，中、高度可疑者、血流动力学不稳定者不适用，原研究为急诊门诊患者，住院患者"
    L"未经验证；8 项为：年龄≥50 岁、心率≥100 次/分、未吸氧时 SpO2<95%、单侧下肢肿胀、咯血、4 "
    L"周内需住院的手术或外伤、既往 DVT 或 "
    L"PE、使用外源性雌激素（口服避孕药、激素替代治疗），任一项阳性即不能排除；低度可疑且 8 "
    L"项全阴性者，原研究 45 天内 VTE 或死亡 1.0%（Kline 2008），PROPER 试验 3 个月内血栓事件 0.1%，ESC 2019 "
    L"指南提及急诊低度可能者可据此免查 D-二聚体；我国 2025 年两部肺栓塞指南均推荐对临床可能性低者检测 "
    L"D-二聚体以排除，《急性肺栓塞诊断和治疗指南 2025》并建议此类患者先行 PERC 评估，故本工具对 8 "
    L"项全阴性者列为注意（1 级）而不给出“可免查”的结论，是否免查 "
    L"D-二聚体由医师决定；高海拔地区（如昆明、拉萨）静息 SpO2 "
    L"偏低，该项易阳性，只会使本规则不能排除，不会误排除；PE 患病率较高的人群中本规则漏诊增加。",
    countOf(kInputs),
    kInputs,
    countOf(kOutputs),
    kOutputs,
    countOf(kRules),
    kRules,
    report_kind::None,
};

} // namespace

const ToolDef& tool398() {
    return kTool;
}
