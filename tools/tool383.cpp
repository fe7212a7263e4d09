// Tool 383: Killip class of heart failure in acute myocardial infarction.
#include "engine/tool.h"

namespace {

constexpr InputChoice kKil[] = {
    {1.0, L"无心衰征象"},
    {2.0, L"啰音<50% 肺野或 S3"},
    {3.0, L"急性肺水肿（啰音>50%）"},
    {4.0, L"心源性休克"},
};
constexpr InputChoice kType[] = {
    {0.0, L"非 ST 段抬高 ACS"},
    {1.0, L"ST 段抬高心梗"},
};

constexpr InputField kInputs[] = {
    {"kil", L"Killip 分级", nullptr, 1.0, countOf(kKil), kKil},
    {"type", L"ACS 类型", nullptr, 0.0, countOf(kType), kType},
    {"sbp", L"收缩压", L"mmHg", 120.0, 0, nullptr, 0.0, 300.0},
};

constexpr OutputField kOutputs[] = {
    {"cls", L"Killip 心功能分级", L"级", "kil", "f0"},
};

constexpr VerdictRule kRules[] = {
    {"sbp<90&&kil<4", kLevelWarning, L"收缩压<90 mmHg，请核对是否为 IV 级心源性休克"},
    {"kil==4", kLevelWarning, L"IV 级心源性休克：立即报告医师，紧急评估血运重建"},
    {"kil==3", kLevelWarning, L"III 级急性肺水肿：立即报告医师，按急性心衰救治"},
    {"kil==2&&type==0", kLevelWarning, L"II 级心衰，属 NSTE-ACS 极高危，立即报告医师"},
    {"kil==2", kLevelWarning, L"II 级心衰：死亡风险增加，立即报告医师"},
    {"type==1", kLevelAttention, L"I 级无心衰：STEMI 未再灌注者立即报告医师，动态复评"},
    {"", kLevelAttention, L"I 级无心衰：结合 GRACE 评分分层，动态复评"},
};

constexpr ToolDef kTool = {
    383,
    L"Killip 分级",
    L"急性心梗心衰严重程度分级",
    L"心血管",
    L"Killip T 3rd, Kimball JT, Am J Cardiol 1967;20(4):457–464；中华医学会心血管病学分会, "
    L"中华心血管病杂志编辑委员会《急性 ST 段抬高型心肌梗死诊断和治疗指南（2019）》, 中华心血管病杂志 "
    L"2019;47(10):766–783；中华医学会心血管病学分会《非 ST 段抬高型急性冠脉综合征诊断和治疗指南（2024）》, "
    L"中华心血管病杂志 2024;52(6):615–646",
    L"用于急性心肌梗死（急性冠脉综合征）患者入院时及病程中按体征分级，病情变化时复评：I 级无心衰征象，II "
    L"级有心衰（肺部啰音<50% 肺野、第三心音或颈静脉压升高），III 级急性肺水肿（啰音>50% 肺野），IV "
    L"级心源性休克（收缩压<90 mmHg "
    L"或需血管活性药维持，伴少尿、发绀、出汗等外周灌注不足）；收缩压仅用于核对：<90 mmHg 而选 I–III "
    L"级时提示核对是否为休克，右室梗死、低血容量或药物所致低血压须由医师鉴别；STEMI 指南将 Killip II–IV "
    L"级列为死亡风险增加的独立因素，心源性休克者应紧急冠脉造影、评估血运重建，不受发病时间限制，NSTE-ACS "
    L"伴急性心衰（Killip≥II 级）或心源性休克为极高危，指南建议 2 h 内紧急侵入策略；Killip 1967 年 250 "
    L"例原始队列（再灌注治疗前）院内病死率 I–IV 级约 "
    L"6%、17%、38%、81%，仅作历史参考，不用于估计个体预后；慢性心衰的 NYHA "
    L"心功能分级与本分级不同，不可混用；再灌注方式与时机、用药由医师决定。",
    countOf(kInputs),
    kInputs,
    countOf(kOutputs),
    kOutputs,
    countOf(kRules),
    kRules,
    report_kind::None,
};

} // namespace

const ToolDef& tool383() {
    return kTool;
}
