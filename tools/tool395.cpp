// Tool 395: Revised cardiac risk index before non-cardiac surgery.
#include "engine/tool.h"
#include "tools/choices.h"

namespace {

constexpr InputChoice kHrs[] = {
    {0.0, L"否"},
    {1.0, L"腹/胸腔或腹股沟上血管"},
};
constexpr InputChoice kCvd[] = {
    {0.0, L"否"},
    {1.0, L"是（卒中或 TIA）"},
};

constexpr InputField kInputs[] = {
    {"hrs", L"高危手术", nullptr, 0.0, countOf(kHrs), kHrs},
    {"ihd", L"缺血性心脏病史", nullptr, 0.0, countOf(kNoYes1), kNoYes1},
    {"chf", L"充血性心衰史", nullptr, 0.0, countOf(kNoYes1), kNoYes1},
    {"cvd", L"脑血管病史", nullptr, 0.0, countOf(kCvd), kCvd},
    {"ins", L"术前胰岛素治疗", nullptr, 0.0, countOf(kNoYes1), kNoYes1},
    {"cr", L"术前血肌酐", L"μmol/L", 70.0, 0, nullptr, 10.0, 4000.0},
};

constexpr OutputField kOutputs[] = {
    {"scr", L"肌酐计分", L"分", "cr>176.8", "f0"},
    {"total", L"RCRI 总分", L"分", "hrs+ihd+chf+cvd+ins+scr", "f0"},
    {"cls", L"风险分级", L"级", "total>=3 ? 4 : total+1", "f0"},
};

constexpr VerdictRule kRules[] = {
    {"total>=3", kLevelWarning, L"≥3 项（Ⅳ级）高风险，原研究 11%，报告医师术前评估"},
    {"total==2", kLevelAttention, L"2 项（Ⅲ级）风险升高，原研究 7%，报告医师术前评估"},
    {"total==1", kLevelAttention, L"1 项（Ⅱ级）原研究 0.9%，报告医师评估是否查 BNP"},
    {"", kLevelNormal, L"0 项（Ⅰ级）低风险，原研究 0.4%，按常规术前评估"},
};

constexpr ToolDef kTool = {
    395,
    L"RCRI 改良心脏风险指数",
    L"非心脏手术术前心脏风险",
    L"麻醉评估",
    L"Lee TH, Marcantonio ER, Mangione CM 等, Circulation 1999;100(10):1043–1049；Halvorsen S 等, Eur Heart "
    L"J 2022;43(39):3826–3924（ESC 2022 非心脏手术心血管评估与管理指南）；Duceppe E, Parlow J, MacDonald P "
    L"等, Can J Cardiol "
    L"2017;33(1):"
    L"17–32（加拿大心血管学会非心脏手术围手术期心脏风险评估与管理指南）；中华医学会心血管病学分会、中华心血管"
    L"病杂志编辑委员会《非心脏外科手术围手术期心血管疾病管理中国专家共识》, 中华心血管病杂志 "
    L"2023;51(10):1043–1055；Che L 等, Clin Interv Aging 2018;13:35–41（中国老年冠心病患者验证）",
    L"用于择期非心脏大手术患者术前心脏并发症风险评估（原研究为≥50 "
    L"岁择期手术患者），急诊手术及心脏手术不适用；高危手术指腹腔内、胸腔内或腹股沟以上血管手术，缺血性心脏病"
    L"史指心肌梗死史、运动试验阳性、考虑为心肌缺血所致的胸痛、使用硝酸酯类药物或心电图有病理性 Q "
    L"波（仅有冠脉血运重建史而无上述情况者不计），充血性心衰史指心衰、肺水肿或夜间阵发性呼吸困难史，或查体双"
    L"肺湿啰音、S3 奔马律，或胸片肺血管再分布，脑血管病史指卒中或 TIA，胰岛素治疗指术前使用胰岛素，肌酐>2.0 "
    L"mg/dL 即>176.8 μmol/L（报告为 177 μmol/L "
    L"者计分）；主要心脏并发症指心肌梗死、肺水肿、室颤或原发性心脏骤停、完全性房室传导阻滞，原研究验证队列发"
    L"生率 0 项 0.4%、1 项 0.9%、2 项约 7%、≥3 项约 11%（原研究以 CK-MB "
    L"判断心梗、不含急诊手术），以肌钙蛋白监测的外部验证汇总（CCS 2017 指南）术后 30 "
    L"天死亡、心肌梗死或心脏骤停约 0 项 3.9%、1 项 6.0%、2 项 10.1%、≥3 项 "
    L"15%，明显高于原研究，结论中的百分比仅为原研究数据；CCS 2017 指南对 RCRI≥1 分者建议术前检测 "
    L"BNP/NT-proBNP；年龄≥65 岁或有心血管病及其危险因素者，ESC 2022 "
    L"指南建议中、高危手术前检测高敏肌钙蛋白，并可考虑检测 BNP/NT-proBNP，活动耐量（能否达到 4 "
    L"METs）亦须一并评估；国内老年冠心病患者研究显示本指数区分度有限（Che "
    L"2018），结果须结合临床，是否进一步检查或调整手术方案由麻醉科、心内科与手术医师决定。",
    countOf(kInputs),
    kInputs,
    countOf(kOutputs),
    kOutputs,
    countOf(kRules),
    kRules,
    report_kind::None,
};

} // namespace

const ToolDef& tool395() {
    return kTool;
}
