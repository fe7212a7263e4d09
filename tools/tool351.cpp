// Tool 351: GAD-7 anxiety screen.
#include "engine/tool.h"
#include "tools/choices.h"

namespace {

constexpr InputField kInputs[] = {
    {"g1", L"紧张焦虑急切", nullptr, 0.0, countOf(kTwoWeekFrequency), kTwoWeekFrequency},
    {"g2", L"不能控制担忧", nullptr, 0.0, countOf(kTwoWeekFrequency), kTwoWeekFrequency},
    {"g3", L"担忧过多", nullptr, 0.0, countOf(kTwoWeekFrequency), kTwoWeekFrequency},
    {"g4", L"很难放松", nullptr, 0.0, countOf(kTwoWeekFrequency), kTwoWeekFrequency},
    {"g5", L"不安无法静坐", nullptr, 0.0, countOf(kTwoWeekFrequency), kTwoWeekFrequency},
    {"g6", L"易烦恼或急躁", nullptr, 0.0, countOf(kTwoWeekFrequency), kTwoWeekFrequency},
    {"g7", L"害怕有可怕事发生", nullptr, 0.0, countOf(kTwoWeekFrequency), kTwoWeekFrequency},
};

constexpr OutputField kOutputs[] = {
    {"total", L"总分", L"分", "g1+g2+g3+g4+g5+g6+g7", "f0"},
};

constexpr VerdictRule kRules[] = {
    {"total>=15", kLevelWarning, L"重度焦虑症状（15–21），报告医师，尽快精神心理评估"},
    {"total>=10", kLevelAttention, L"中度焦虑症状（10–14），报告医师，建议转介评估"},
    {"total>=5", kLevelAttention, L"轻度焦虑症状（5–9），关注情绪，随访复评"},
    {"", kLevelNormal, L"无明显焦虑症状（0–4），按需复评"},
};

constexpr ToolDef kTool = {
    351,
    L"GAD-7 焦虑筛查",
    L"近两周焦虑症状自评筛查",
    L"心理评估",
    L"Spitzer RL, Kroenke K, Williams JBW, Löwe B, Arch Intern Med 2006;166(10):1092–1097；Kroenke K 等, Ann "
    L"Intern Med 2007;146(5):317–325；何筱衍 等, 广泛性焦虑量表在综合性医院的信度和效度研究, 上海精神医学 "
    L"2010;22(4):"
    L"200–203；中华医学会神经病学分会神经心理学与行为神经病学组《综合医院焦虑、抑郁与躯体化症状诊断治疗的专家"
    L"共识》, 中华神经科杂志 2016;49(12):908–917",
    L"用于成人焦虑症状筛查，由患者按过去两周的实际情况自评，各项答案为完全不会 0、好几天 1、一半以上的天数 "
    L"2、几乎每天 3 "
    L"分；条目全文（中文版）：①感觉紧张、焦虑或急切，②不能够停止或控制担忧，③对各种各样的事情担忧过多，④很难"
    L"放松下来，⑤由于不安而无法静坐，⑥变得容易烦恼或急躁，⑦感到似乎将有可怕的事情发生而害怕；分级 0–4 "
    L"无、5–9 轻度、10–14 中度、15–21 重度（Spitzer 2006），≥10 "
    L"分建议转介精神心理专业评估（中文版在综合医院门诊以 10 分为界，灵敏度 86.2%、特异度 "
    L"95.5%"
    L"）；本工具仅为筛查，不能诊断焦虑障碍，对惊恐障碍、社交焦虑障碍和创伤后应激障碍也有一定筛查作用（Kroenke"
    L" 2007）；甲状腺功能亢进、心律失常、低血糖、缺氧及药物（如糖皮质激素、支气管扩张剂）或戒断也可引起焦虑样"
    L"症状；本量表不评估自杀风险，宜与 PHQ-9 同时使用，患者流露死亡或自伤念头时立即报告医师。",
    countOf(kInputs),
    kInputs,
    countOf(kOutputs),
    kOutputs,
    countOf(kRules),
    kRules,
    report_kind::None,
};

} // namespace

const ToolDef& tool351() {
    return kTool;
}
