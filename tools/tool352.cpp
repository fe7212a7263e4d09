// Tool 352: GRACE risk of death in hospital after an acute coronary syndrome.
#include "engine/tool.h"

namespace {

constexpr InputChoice kKil[] = {
    {0.0, L"I 级（无心衰）"},
    {20.0, L"II 级（啰音或 S3）"},
    {39.0, L"III 级（急性肺水肿）"},
    {59.0, L"IV 级（心源性休克）"},
};
constexpr InputChoice kArrest[] = {
    {0.0, L"否"},
    {39.0, L"是"},
};
constexpr InputChoice kSt[] = {
    {0.0, L"否"},
    {28.0, L"是"},
};
constexpr InputChoice kEnz[] = {
    {0.0, L"否"},
    {14.0, L"是"},
};
constexpr InputChoice kType[] = {
    {0.0, L"非 ST 段抬高 ACS"},
    {1.0, L"ST 段抬高心梗"},
};

constexpr InputField kInputs[] = {
    {"age", L"年龄", L"岁", 55.0, 0, nullptr, 0.0, 125.0},
    {"hr", L"心率", L"次/分", 75.0, 0, nullptr, 0.0, 300.0},
    {"sbp", L"收缩压", L"mmHg", 130.0, 0, nullptr, 0.0, 300.0},
    {"cr", L"血肌酐", L"μmol/L", 80.0, 0, nullptr, 5.0, 4000.0},
    {"kil", L"Killip 分级", nullptr, 0.0, countOf(kKil), kKil},
    {"arrest", L"入院时心脏骤停", nullptr, 0.0, countOf(kArrest), kArrest},
    {"st", L"ST 段偏移", nullptr, 0.0, countOf(kSt), kSt},
    {"enz", L"心肌标志物升高", nullptr, 0.0, countOf(kEnz), kEnz},
    {"type", L"ACS 类型", nullptr, 0.0, countOf(kType), kType},
};

constexpr OutputField kOutputs[] = {
    {"pa", L"年龄得分", L"分",
     "age<30 ? 0 : (age<40 ? 8 : (age<50 ? 25 : (age<60 ? 41 : (age<70 ? 58 : (age<80 ? 75 : (age<90 ? 91 : "
     "100))))))",
     "f0"},
    {"ph", L"心率得分", L"分",
     "hr<50 ? 0 : (hr<70 ? 3 : (hr<90 ? 9 : (hr<110 ? 15 : (hr<150 ? 24 : (hr<200 ? 38 : 46)))))", "f0"},
    {"ps", L"收缩压得分", L"分",
     "sbp<80 ? 58 : (sbp<100 ? 53 : (sbp<120 ? 43 : (sbp<140 ? 34 : (sbp<160 ? 24 : (sbp<200 ? 10 : 0)))))",
     "f0"},
    {"pc", L"肌酐得分", L"分",
     "cr<35.36 ? 1 : (cr<70.72 ? 4 : (cr<106.08 ? 7 : (cr<141.44 ? 10 : (cr<176.8 ? 13 : (cr<353.6 ? 21 : "
     "28)))))",
     "f0"},
    {"total", L"总分", L"分", "pa+ph+ps+pc+kil+arrest+st+enz", "f0"},
};

constexpr VerdictRule kRules[] = {
    {"age<18||age>120||hr<=0||hr>300||sbp<=0||sbp>300||cr<=0||cr>3000", kLevelWarning,
     L"请核对年龄（18–120 岁）、心率、血压与肌酐"},
    {"type==1&&st==0", kLevelWarning, L"STEMI 应有 ST 段偏移，请核对"},
    {"kil>=20||arrest>0", kLevelWarning, L"心衰、休克或心脏骤停，极高危，立即报告医师"},
    {"sbp<=90||sbp>219||hr<=40||hr>130", kLevelWarning, L"血压或心率严重异常，立即报告医师"},
    {"type==1", kLevelWarning, L"STEMI：不论评分，立即报告医师，按流程尽快再灌注"},
    {"total>140", kLevelWarning, L"高危（>140），报告医师评估 24 h 内早期侵入策略"},
    {"total>=109", kLevelAttention, L"中危（109–140），报告医师评估侵入治疗策略"},
    {"cr>=353.6", kLevelAttention, L"血肌酐≥353.6 μmol/L，报告医师评估肾功能"},
    {"", kLevelNormal, L"低危（≤108），遵医嘱诊治，病情变化时复评"},
};

constexpr ToolDef kTool = {
    352,
    L"GRACE 院内死亡风险",
    L"ACS 入院时院内死亡风险分层",
    L"心血管",
    L"Granger CB 等, Arch Intern Med 2003;163(19):2345–2353；Hamm CW 等, Eur Heart J "
    L"2011;32(23):2999–3054（ESC 2011 NSTE-ACS）；Byrne RA 等, Eur Heart J 2023;44(38):3720–3826（ESC 2023 "
    L"ACS）；中华医学会心血管病学分会《非 ST 段抬高型急性冠状动脉综合征诊断和治疗指南（2016）》, "
    L"中华心血管病杂志 2017;45(5):359–376；中华医学会心血管病学分会《非 ST "
    L"段抬高型急性冠脉综合征诊断和治疗指南（2024）》, 中华心血管病杂志 2024;52(6):615–646；Royal College of "
    L"Physicians, NEWS2, 2017",
    L"用于已诊断急性冠脉综合征（ACS）的成人入院时评估（Granger 2003 "
    L"院内死亡模型，各项取入院时首次测值），本工具不输出个体死亡概率，危险分层≤108 低危、109–140 中危、>140 "
    L"高危（对应院内死亡约<1%、1%–3%、>3%）仅适用于 NSTE-ACS，STEMI "
    L"的分层界值不同（≤125、126–154、≥155），不论评分均按 STEMI 流程尽快再灌注（ACS 类型选 ST "
    L"段抬高心梗时本工具不按评分分层，一律提示立即报告医师）；GRACE 6 个月死亡模型（出院时评分 Eagle "
    L"2004、入院至 6 个月 Fox 2006）及 GRACE 2.0 的计分与本表不同，不可混用；血肌酐按 1 mg/dL=88.4 μmol/L "
    L"换算，原表 0.40、0.80、1.20、1.60、2.00、4.00 mg/dL 分界即 "
    L"35.36、70.72、106.08、141.44、176.80、353.60 μmol/L，按所填数值判断，达到分界值计入较高一档；Killip II "
    L"级指肺部啰音或第三心音，III 级指急性肺水肿，IV 级指心源性休克，ST 段偏移指入院心电图 ST "
    L"段压低或抬高，心肌标志物升高指肌钙蛋白或 CK-MB "
    L"高于参考上限；急性心衰（Killip≥II）、心源性休克、心脏骤停、血流动力学不稳定、致命性心律失常、药物难以缓"
    L"解的持续胸痛、机械并发症及反复 ST-T 动态改变为极高危（指南建议 2 h "
    L"内紧急侵入策略），后四项本工具无法判断，一经发现立即报告医师；收缩压≤90 或≥220 mmHg、心率≤40 或≥131 "
    L"次/分为 NEWS2 单项 3 分，不论总分立即报告医师；是否及何时行侵入治疗由医师决定。",
    countOf(kInputs),
    kInputs,
    countOf(kOutputs),
    kOutputs,
    countOf(kRules),
    kRules,
    report_kind::None,
};

} // namespace

const ToolDef& tool352() {
    return kTool;
}
