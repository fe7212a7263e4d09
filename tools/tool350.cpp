// Tool 350: PHQ-9 depression screen.
#include "engine/tool.h"
#include "tools/choices.h"

namespace {

constexpr InputField kInputs[] = {
    {"q1", L"做事提不起劲", nullptr, 0.0, countOf(kTwoWeekFrequency), kTwoWeekFrequency},
    {"q2", L"心情低落绝望", nullptr, 0.0, countOf(kTwoWeekFrequency), kTwoWeekFrequency},
    {"q3", L"入睡难或睡太多", nullptr, 0.0, countOf(kTwoWeekFrequency), kTwoWeekFrequency},
    {"q4", L"疲倦没有活力", nullptr, 0.0, countOf(kTwoWeekFrequency), kTwoWeekFrequency},
    {"q5", L"食欲差或吃太多", nullptr, 0.0, countOf(kTwoWeekFrequency), kTwoWeekFrequency},
    {"q6", L"自觉很糟或失败", nullptr, 0.0, countOf(kTwoWeekFrequency), kTwoWeekFrequency},
    {"q7", L"注意力难集中", nullptr, 0.0, countOf(kTwoWeekFrequency), kTwoWeekFrequency},
    {"q8", L"动作慢或坐立不安", nullptr, 0.0, countOf(kTwoWeekFrequency), kTwoWeekFrequency},
    {"q9", L"不如死掉或自伤", nullptr, 0.0, countOf(kTwoWeekFrequency), kTwoWeekFrequency},
};

constexpr OutputField kOutputs[] = {
    {"total", L"总分", L"分", "q1+q2+q3+q4+q5+q6+q7+q8+q9", "f0"},
};

constexpr VerdictRule kRules[] = {
    {"q9>0", kLevelWarning, L"有死亡或自伤念头：专人看护勿独处，立即报告医师"},
    {"total>=20", kLevelWarning, L"重度抑郁症状（20–27），报告医师，尽快精神心理评估"},
    {"total>=15", kLevelWarning, L"中重度抑郁症状（15–19），报告医师，转介精神心理评估"},
    {"total>=10", kLevelAttention, L"中度抑郁症状（10–14），报告医师，建议精神心理评估"},
    {"total>=5", kLevelAttention, L"轻度抑郁症状（5–9），关注情绪，随访复评"},
    {"", kLevelNormal, L"无明显抑郁症状（0–4），按需复评"},
};

constexpr ToolDef kTool = {
    350,
    L"PHQ-9 抑郁筛查",
    L"近两周抑郁症状自评筛查",
    L"心理评估",
    L"Kroenke K, Spitzer RL, Williams JBW, J Gen Intern Med 2001;16(9):606–613；Kroenke K, Spitzer RL, "
    L"Psychiatr Ann 2002;32(9):509–515；卞崔冬 等, 患者健康问卷抑郁症状群量表在综合性医院中的应用研究, "
    L"同济大学学报（医学版）2009;30(5):136–140；孙晓艳 等, 中华流行病学杂志 "
    L"2017;38(1):"
    L"110–116；中华医学会神经病学分会神经心理学与行为神经病学组《综合医院焦虑、抑郁与躯体化症状诊断治疗的专家"
    L"共识》, 中华神经科杂志 2016;49(12):908–917",
    L"用于成人抑郁症状筛查，由患者按过去两周的实际情况自评，不能读写者由护士按原文逐条念读、不加解释，各项答"
    L"案为完全不会 0、好几天 1、一半以上的天数 2、几乎每天 3 "
    L"分；条目全文（中文版）：①做事时提不起劲或没有兴趣，②感到心情低落、沮丧或绝望，③入睡困难、睡不安稳或睡眠"
    L"过多，④感觉疲倦或没有活力，⑤食欲不振或吃太多，⑥觉得自己很糟，或觉得自己很失败，或让自己或家人失望，⑦对"
    L"事物专注有困难，例如阅读报纸或看电视时，⑧动作或说话速度缓慢到别人已经觉察，或正好相反，烦躁或坐立不安、"
    L"动来动去的情况更胜于平常，⑨有不如死掉或用某种方式伤害自己的念头；原问卷第 10 "
    L"问（上述问题造成的困难程度）不计分；分级 0–4 无、5–9 轻度、10–14 中度、15–19 中重度、20–27 "
    L"重度（Kroenke 2001），≥10 "
    L"分为常用筛查界值，本工具仅为筛查，不能诊断抑郁症，确诊须由精神科或经培训的医师评估；第⑨项>0 "
    L"分者不论总分均须立即由医师评估自杀风险，评估前注意安全看护，不让患者独处；躯体疾病、药物、疼痛及失眠可"
    L"使③④⑤⑧项得分偏高，解读时应结合临床。",
    countOf(kInputs),
    kInputs,
    countOf(kOutputs),
    kOutputs,
    countOf(kRules),
    kRules,
    report_kind::None,
};

} // namespace

const ToolDef& tool350() {
    return kTool;
}
