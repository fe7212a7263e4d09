// Tool 394: Pneumonia severity index and risk class.
#include "engine/tool.h"

namespace {

constexpr InputChoice kSexPoints[] = {
    {-10.0, L"女（年龄减 10 分）"},
    {0.0, L"男"},
};
constexpr InputChoice kNh[] = {
    {0.0, L"否"},
    {10.0, L"是"},
};
constexpr InputChoice kNeo[] = {
    {0.0, L"否"},
    {30.0, L"是"},
};
constexpr InputChoice kLiver[] = {
    {0.0, L"否"},
    {20.0, L"是"},
};
constexpr InputChoice kOrg[] = {
    {0.0, L"均无"},
    {10.0, L"其中 1 项"},
    {20.0, L"其中 2 项"},
    {30.0, L"3 项均有"},
};
constexpr InputChoice kHyp[] = {
    {0.0, L"否"},
    {10.0, L"是（低氧血症）"},
};

constexpr InputField kInputs[] = {
    {"age", L"年龄", L"岁", 45.0, 0, nullptr, 0.0, 125.0},
    {"sex", L"性别", nullptr, 0.0, countOf(kSexPoints), kSexPoints},
    {"nh", L"养老院居住", nullptr, 0.0, countOf(kNh), kNh},
    {"neo", L"恶性肿瘤", nullptr, 0.0, countOf(kNeo), kNeo},
    {"liver", L"肝病", nullptr, 0.0, countOf(kLiver), kLiver},
    {"org", L"心衰/脑血管/肾病", nullptr, 0.0, countOf(kOrg), kOrg},
    {"ams", L"意识改变", nullptr, 0.0, countOf(kLiver), kLiver},
    {"rr", L"呼吸频率", L"次/分", 18.0, 0, nullptr, 0.0, 100.0},
    {"sbp", L"收缩压", L"mmHg", 120.0, 0, nullptr, 0.0, 300.0},
    {"temp", L"体温", L"℃", 36.8, 0, nullptr, 10.0, 50.0},
    {"hr", L"脉搏", L"次/分", 80.0, 0, nullptr, 0.0, 300.0},
    {"ph", L"动脉血 pH", nullptr, 7.4, 0, nullptr, 6.3, 8.0},
    {"urea", L"尿素", L"mmol/L", 5.0, 0, nullptr, 0.2, 150.0},
    {"na", L"血钠", L"mmol/L", 140.0, 0, nullptr, 80.0, 300.0},
    {"hyp", L"PaO2<60/SpO2<90%", nullptr, 0.0, countOf(kHyp), kHyp},
    {"lab3", L"血糖/Hct/胸水", nullptr, 0.0, countOf(kOrg), kOrg},
};

constexpr OutputField kOutputs[] = {
    {"total", L"PSI 总分", L"分",
     "floor(age)+sex+nh+neo+liver+org+ams+20*(rr>=30)+20*(sbp<90)+15*(temp<35||temp>=40)+10*(hr>=125)+30*(ph<"
     "7.35)+20*(urea>=10.7)+20*(na<130)+hyp+lab3",
     "f0"},
    {"cls", L"风险分级", L"级",
     "floor(age)<=50&&neo+liver+org==0&&ams==0&&rr<30&&sbp>=90&&temp>=35&&temp<40&&hr<125 ? 1 : (total<=70 ? "
     "2 : (total<=90 ? 3 : (total<=130 ? 4 : 5)))",
     "f0"},
};

constexpr VerdictRule kRules[] = {
    {"age<18||rr<=0||hr<=0||sbp<=0", kLevelWarning, L"请核对年龄（≥18 岁）与生命体征输入"},
    {"cls==5", kLevelWarning, L"Ⅴ级（>130 分）高危，需住院，按重症标准评估 ICU"},
    {"cls==4", kLevelWarning, L"Ⅳ级（91–130 分），需住院治疗，报告医师"},
    {"hyp==10||sbp<90||(cls==1&&total>70)", kLevelWarning, L"低氧、低血压或检验明显异常，不论分级报告医师"},
    {"cls==3", kLevelAttention, L"Ⅲ级（71–90 分），门诊或短期住院，由医师决定"},
    {"cls==2", kLevelNormal, L"Ⅱ级（≤70 分）低危，可考虑门诊治疗，医师决定"},
    {"", kLevelNormal, L"Ⅰ级低危，可考虑门诊治疗，医师决定"},
};

constexpr ToolDef kTool = {
    394,
    L"PSI 肺炎严重度指数",
    L"社区获得性肺炎严重度分级",
    L"重症评估",
    L"Fine MJ, Auble TE, Yealy DM 等, N Engl J Med 1997;336(4):243–250；Metlay JP 等, Am J Respir Crit Care "
    L"Med 2019;200(7):e45–e67（ATS/IDSA 成人 CAP "
    L"指南）；中华医学会呼吸病学分会《中国成人社区获得性肺炎诊断和治疗指南（2016 年版）》, "
    L"中华结核和呼吸杂志 2016;39(4):253–279",
    L"用于≥18 岁社区获得性肺炎患者就诊时评估病情与就诊场所（原研究不含 HIV "
    L"感染者），各项取就诊时数值，年龄按周岁；Ⅰ级只由第一步判定：年龄≤50 岁、无 5 "
    L"种合并症（恶性肿瘤、肝病、充血性心衰、脑血管病、肾病）且无 5 项体征异常（意识改变、呼吸≥30 "
    L"次/分、收缩压<90 mmHg、体温<35 ℃或≥40 ℃、脉搏≥125 次/分），不看检验结果，其余按总分分级：≤70 "
    L"分Ⅱ级、71–90 分Ⅲ级、91–130 分Ⅳ级、>130 分Ⅴ级；总分为年龄（女性减 10 分）加各项分值：养老院居住 "
    L"10、恶性肿瘤 30、肝病 20、心衰 10、脑血管病 10、肾病 10、意识改变 20、呼吸≥30 次/分 20、收缩压<90 mmHg "
    L"20、体温<35 ℃或≥40 ℃ 15、脉搏≥125 次/分 10、动脉血 pH<7.35 30、尿素≥10.7 mmol/L（BUN 30 "
    L"mg/dL）20、血钠<130 mmol/L 20、血糖≥13.9 mmol/L（250 mg/dL）10、血细胞比容<30%（0.30 L/L）10、PaO2<60 "
    L"mmHg 或 SpO2<90% 10、胸腔积液 10；为不超过 16 个输入，心衰、脑血管病、肾病三项（各 10 "
    L"分）合为一项按个数选，血糖、血细胞比容、胸腔积液三项（各 10 "
    L"分）合为一项按个数选，结果与原表相同；恶性肿瘤指就诊时仍活动或 1 "
    L"年内诊断的癌症（皮肤基底细胞癌和鳞癌除外），肝病指临床或组织学诊断的肝硬化或其他慢性肝病，充血性心衰指"
    L"经病史、查体、胸片或超声心动图等证实的收缩或舒张功能不全，脑血管病指临床诊断或 CT/MRI 证实的卒中或 "
    L"TIA，肾病指慢性肾病史或病历记载的尿素氮和肌酐异常，意识改变指非慢性的人物、地点或时间定向障碍、昏睡或昏"
    L"迷，胸腔积液以胸片为准；未做血气或检验的项目按正常计分时总分可能偏低；原研究 30 天病死率：Ⅰ级 "
    L"0.1%–0.4%、Ⅱ级 0.6%–0.7%、Ⅲ级 0.9%–2.8%、Ⅳ级约 8%–9%、Ⅴ级约 "
    L"27%–31%"
    L"；年龄在评分中权重大，年轻患者即使有低氧、低血压或明显检验异常也可能只是低危分级，故本工具另加一条规则"
    L"（非 Fine 原评分）：Ⅰ–Ⅲ级伴低氧血症或收缩压<90 mmHg，或按第一步为Ⅰ级而总分>70 "
    L"分者，不论分级提示报告医师（低氧血症本身常被作为住院指征）；是否住院还须结合能否口服用药、基础疾病、依"
    L"从性与社会支持，重症肺炎按 2016 年中国指南的重症标准判断，由医师决定。",
    countOf(kInputs),
    kInputs,
    countOf(kOutputs),
    kOutputs,
    countOf(kRules),
    kRules,
    report_kind::None,
};

} // namespace

const ToolDef& tool394() {
    return kTool;
}
