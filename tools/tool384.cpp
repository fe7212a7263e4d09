// Tool 384: Modified Rankin scale of disability after stroke.
#include "engine/tool.h"
#include "tools/choices.h"

namespace {

constexpr InputChoice kTime[] = {
    {0.0, L"卒中后（出院/90 天）"},
    {1.0, L"发病前（基线）"},
};
constexpr InputChoice kBed[] = {
    {0.0, L"否"},
    {1.0, L"是（卧床、常失禁）"},
};
constexpr InputChoice kWalk[] = {
    {0.0, L"否（可借拐杖独行）"},
    {1.0, L"是"},
};
constexpr InputChoice kHelp[] = {
    {0.0, L"否（能独立照料）"},
    {1.0, L"是（需他人部分帮助）"},
};
constexpr InputChoice kAct[] = {
    {0.0, L"否（病前活动均能做）"},
    {1.0, L"是（部分工作/社交受限）"},
};
constexpr InputChoice kSym[] = {
    {0.0, L"否（完全无症状）"},
    {1.0, L"是"},
};

constexpr InputField kInputs[] = {
    {"time", L"评估时点", nullptr, 0.0, countOf(kTime), kTime},
    {"dead", L"是否死亡", nullptr, 0.0, countOf(kNoYes1), kNoYes1},
    {"bed", L"卧床或需持续照护", nullptr, 0.0, countOf(kBed), kBed},
    {"walk", L"行走需他人帮助", nullptr, 0.0, countOf(kWalk), kWalk},
    {"help", L"日常事务需帮助", nullptr, 0.0, countOf(kHelp), kHelp},
    {"act", L"不能做病前活动", nullptr, 0.0, countOf(kAct), kAct},
    {"sym", L"遗留症状", nullptr, 0.0, countOf(kSym), kSym},
};

constexpr OutputField kOutputs[] = {
    {"grade", L"mRS 分级", L"级",
     "dead==1 ? 6 : (bed==1 ? 5 : (walk==1 ? 4 : (help==1 ? 3 : (act==1 ? 2 : (sym==1 ? 1 : 0)))))", "f0"},
};

constexpr VerdictRule kRules[] = {
    {"dead==1&&time==1", kLevelWarning, L"发病前基线不能为死亡，请核对评估时点"},
    {"grade==6", kLevelWarning, L"mRS 6 级：死亡，记录死亡时间与原因"},
    {"time==1&&grade<=1", kLevelNormal, L"发病前 mRS 0–1 级：基线功能良好，再灌注由医师评估"},
    {"time==1&&grade==2", kLevelAttention, L"发病前 mRS 2 级：轻度残疾，再灌注获益由医师权衡"},
    {"time==1", kLevelAttention, L"发病前 mRS 3–5 级：已有残疾，再灌注由医师个体化决定"},
    {"grade<=2", kLevelNormal, L"mRS 0–2 级：功能独立，属良好结局"},
    {"grade<=4", kLevelAttention, L"mRS 3–4 级：残疾需他人帮助，继续康复并防跌倒"},
    {"", kLevelWarning, L"mRS 5 级：重度残疾需持续照护，防压力性损伤与误吸"},
};

constexpr ToolDef kTool = {
    384,
    L"mRS 改良 Rankin 量表",
    L"卒中后功能结局分级（0–6 级）",
    L"神经系统",
    L"van Swieten JC, Koudstaal PJ, Visser MC, Schouten HJ, van Gijn J, Stroke 1988;19(5):604–607；Bruno A "
    L"等, Stroke 2010;41(5):1048–1050（简化 mRS 问卷）；Bruno A 等, Stroke "
    L"2011;42(8):2276–2279；中华医学会神经病学分会等《中国急性缺血性卒中诊治指南 2023》, 中华神经科杂志 "
    L"2024;57(6):523–559；中华医学会神经病学分会等《中国急性缺血性卒中早期血管内介入诊疗指南 2022》, "
    L"中华神经科杂志 2022;55(6):565–580",
    L"询问患者或照护者（可电话随访），从“是否死亡”起逐项回答，第一个回答“是”的问题即决定分级，其后各项不再计"
    L"入：0 级完全无症状，1 级有症状但无明显残疾、能完成所有日常职责和活动，2 "
    L"级轻度残疾、不能完成病前所有活动但不需帮助能照料自己的事务，3 级中度残疾、需部分帮助但能独立行走，4 "
    L"级中重度残疾、不能独立行走且日常生活需他人帮助，5 级重度残疾、卧床、二便失禁、需持续护理和照看，6 "
    L"级死亡；借助拐杖、助行器能独立行走不算需他人帮助，症状包括卒中后新出现的任何躯体、言语、认知或情绪症状"
    L"；发病前 mRS 指本次卒中前的功能状态，指南中急性大血管闭塞血管内治疗的适应证多要求发病前 mRS 0–1 分，90 "
    L"天 mRS 0–2 分为功能独立（良好结局），也是卒中中心随访登记的结局指标；mRS "
    L"不反映具体神经功能缺损，再灌注治疗与康复方案由医师决定。",
    countOf(kInputs),
    kInputs,
    countOf(kOutputs),
    kOutputs,
    countOf(kRules),
    kRules,
    report_kind::None,
};

} // namespace

const ToolDef& tool384() {
    return kTool;
}
