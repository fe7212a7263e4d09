// Tool 389: HEART score of major cardiac events in chest pain.
#include "engine/tool.h"

namespace {

constexpr InputChoice kHist[] = {
    {0.0, L"低度可疑"},
    {1.0, L"中度可疑"},
    {2.0, L"高度可疑"},
};
constexpr InputChoice kEcg[] = {
    {0.0, L"正常"},
    {1.0, L"非特异性复极异常"},
    {2.0, L"明显 ST 段偏移"},
};
constexpr InputChoice kAge[] = {
    {0.0, L"年龄<45 岁"},
    {1.0, L"年龄 45–64 岁"},
    {2.0, L"年龄≥65 岁"},
};
constexpr InputChoice kRisk[] = {
    {0.0, L"无"},
    {1.0, L"有 1–2 项"},
    {2.0, L"≥3 项或已知动脉硬化病"},
};
constexpr InputChoice kTrop[] = {
    {0.0, L"不超过正常上限"},
    {1.0, L"超上限 1–3 倍"},
    {2.0, L"超上限 3 倍以上"},
};

constexpr InputField kInputs[] = {
    {"hist", L"病史", nullptr, 0.0, countOf(kHist), kHist},
    {"ecg", L"心电图", nullptr, 0.0, countOf(kEcg), kEcg},
    {"age", L"年龄", nullptr, 0.0, countOf(kAge), kAge},
    {"risk", L"危险因素", nullptr, 0.0, countOf(kRisk), kRisk},
    {"trop", L"肌钙蛋白", nullptr, 0.0, countOf(kTrop), kTrop},
};

constexpr OutputField kOutputs[] = {
    {"total", L"总分", L"分", "hist+ecg+age+risk+trop", "f0"},
};

constexpr VerdictRule kRules[] = {
    {"total>=7", kLevelWarning, L"7–10 分高危，立即报告医师评估早期侵入策略"},
    {"ecg==2||trop==2", kLevelWarning, L"ST 段明显偏移或肌钙蛋白>3 倍上限，立即报告医师"},
    {"total>=4", kLevelAttention, L"4–6 分中危，留观复查肌钙蛋白，报告医师"},
    {"trop==1", kLevelAttention, L"肌钙蛋白超上限：不按低危处理，报告医师并复查"},
    {"", kLevelNormal, L"0–3 分低危，复查肌钙蛋白后由医师决定去向"},
};

constexpr ToolDef kTool = {
    389,
    L"HEART 胸痛评分",
    L"急诊胸痛主要不良心脏事件风险",
    L"心血管",
    L"Six AJ, Backus BE, Kelder JC, Neth Heart J 2008;16(6):191–196；Backus BE 等, Int J Cardiol "
    L"2013;168(3):2153–2158；Gulati M 等, Circulation 2021;144(22):e368–e454（2021 AHA/ACC "
    L"等胸痛评估与诊断指南）；中华医学会急诊医学分会、中国医疗保健国际交流促进会胸痛分会《急性胸痛急诊诊疗专"
    L"家共识》, 中华急诊医学杂志 2019;28(4):413–420",
    L"用于急诊疑似急性冠脉综合征的成人胸痛患者，在首份心电图和首次肌钙蛋白结果出来后评估，不用于 ST "
    L"段抬高型心肌梗死（按 STEMI "
    L"流程立即处理）；病史由医师按症状典型程度判定（高度可疑以典型压榨性胸痛、放射痛、劳力诱发、含服硝酸甘油"
    L"缓解等为主，低度可疑为非特异性胸痛）；心电图 1 "
    L"分指束支传导阻滞、左室肥厚、起搏心律或复极异常（如洋地黄影响），2 分指明显 ST "
    L"段压低或抬高且非束支阻滞、左室肥厚或洋地黄所致；危险因素指正在治疗的糖尿病、现吸烟或戒烟不足 3 "
    L"个月、高血压、高胆固醇血症、早发冠心病家族史、肥胖（原标准 BMI>30 "
    L"kg/m2），已知动脉粥样硬化疾病（既往心肌梗死、PCI 或 CABG、卒中或 TIA、外周动脉疾病）直接计 2 "
    L"分；肌钙蛋白按本院检测的参考上限判断，原研究用传统肌钙蛋白，使用高敏肌钙蛋白时仍须按本院 0/1 h 或 0/2 "
    L"h 流程复查；Backus 2013 中 6 周主要不良心脏事件发生率 0–3 分 1.7%、4–6 分 16.6%、7–10 分 50.1%；0–3 "
    L"分但肌钙蛋白超过参考上限者不按低危处理（AHA/ACC 2021 "
    L"胸痛指南的低危路径要求肌钙蛋白低于界值），须报告医师并按流程复查；低分不能排除主动脉夹层、肺栓塞等其他"
    L"致命性胸痛，离院、留观或侵入治疗由医师决定。",
    countOf(kInputs),
    kInputs,
    countOf(kOutputs),
    kOutputs,
    countOf(kRules),
    kRules,
    report_kind::None,
};

} // namespace

const ToolDef& tool389() {
    return kTool;
}
