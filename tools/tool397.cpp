// Tool 397: Centor and McIsaac scores of streptococcal pharyngitis.
#include "engine/tool.h"
#include "tools/choices.h"

namespace {

constexpr InputChoice kCough[] = {
    {0.0, L"有咳嗽"},
    {1.0, L"无咳嗽"},
};
constexpr InputChoice kNodes[] = {
    {0.0, L"无肿大压痛"},
    {1.0, L"肿大伴压痛"},
};
constexpr InputChoice kTonsil[] = {
    {0.0, L"无肿大渗出"},
    {1.0, L"肿大或有渗出"},
};

constexpr InputField kInputs[] = {
    {"age", L"年龄", L"岁", 30.0, 0, nullptr, 0.0, 125.0},
    {"fever", L"体温>38 ℃", nullptr, 0.0, countOf(kNoYes1), kNoYes1},
    {"cough", L"咳嗽", nullptr, 0.0, countOf(kCough), kCough},
    {"nodes", L"颈前淋巴结", nullptr, 0.0, countOf(kNodes), kNodes},
    {"tonsil", L"扁桃体", nullptr, 0.0, countOf(kTonsil), kTonsil},
};

constexpr OutputField kOutputs[] = {
    {"agep", L"年龄得分", L"分", "age>=3&&floor(age)<=14 ? 1 : (floor(age)>=45 ? -1 : 0)", "f0"},
    {"centor", L"Centor 四项", L"分", "fever+cough+nodes+tonsil", "f0"},
    {"mc", L"McIsaac 评分", L"分", "centor+agep", "f0"},
};

constexpr VerdictRule kRules[] = {
    {"age<3", kLevelWarning, L"本评分用于≥3 岁患者，请核对年龄"},
    {"mc>=4", kLevelWarning, L"≥4 分：链球菌可能性高，报告医师，送检并决定治疗"},
    {"mc>=2", kLevelAttention, L"2–3 分：咽拭子培养或抗原检测，阳性再治疗"},
    {"", kLevelNormal, L"≤1 分：链球菌可能性低，一般无需检测及抗生素"},
};

constexpr ToolDef kTool = {
    397,
    L"改良 Centor 链球菌咽炎评分",
    L"咽痛患者链球菌感染可能性",
    L"感染评估",
    L"Centor RM, Witherspoon JM, Dalton HP 等, Med Decis Making 1981;1(3):239–246；McIsaac WJ, White D, "
    L"Tannenbaum D, Low DE, CMAJ 1998;158(1):75–83；McIsaac WJ, Kellner JD, Aufricht P 等, JAMA "
    L"2004;291(13):1587–1595；Fine AM, Nizet V, Mandl KD, Arch Intern Med 2012;172(11):847–852；Shulman ST "
    L"等, Clin Infect Dis 2012;55(10):e86–e102（IDSA "
    L"2012）；国家卫生计生委办公厅等《抗菌药物临床应用指导原则（2015 年版）》（国卫办医发〔2015〕43 "
    L"号）；国家儿童感染与过敏性疾病监测中心等《儿童A族链球菌咽扁桃体炎临床诊疗专家共识（2025）》, "
    L"中华儿科杂志 2025;63(5):468–476",
    L"用于≥3 岁急性咽痛患者估计 A 组链球菌（GAS）咽炎的可能性（McIsaac 1998 原研究为 3–76 "
    L"岁家庭医学门诊患者），<3 岁不适用；体温>38 "
    L"℃（就诊时测得或病史中发热）、无咳嗽、颈前淋巴结肿大伴压痛、扁桃体肿大或渗出各计 1 分，年龄 3–14 岁加 1 "
    L"分、15–44 岁 0 分、≥45 岁减 1 分（按周岁），Centor 四项计分为不含年龄的四项之和；McIsaac 1998 "
    L"的处理建议：≤1 分不做咽拭子检测、不用抗生素，2–3 分做咽拭子培养（或快速抗原检测），阳性再治疗，≥4 "
    L"分送检，并可由医师根据高热、全身症状明显、病程早期等临床情况决定是否经验性治疗；美国 20 余万例验证中 "
    L"GAS 阳性率约为 ≤0 分 8%、1 分 14%、2 分 23%、3 分 37%、≥4 分 55%（Fine 2012）；IDSA 2012 "
    L"指南认为临床表现不能可靠区分链球菌与病毒性咽炎，应以快速抗原检测或培养确诊，有明显病毒感染表现（流涕、"
    L"咳嗽、口腔溃疡、声嘶）者一般不需检测；本评分源自北美门诊人群，国内使用经验有限，处理以病原学检测结果为"
    L"准，儿童 GAS 咽扁桃体炎见 2025 "
    L"年儿童专家共识，确诊后抗菌药物的选择与疗程按《抗菌药物临床应用指导原则（2015 "
    L"年版）》由医师决定，本工具不给出用药。",
    countOf(kInputs),
    kInputs,
    countOf(kOutputs),
    kOutputs,
    countOf(kRules),
    kRules,
    report_kind::None,
};

} // namespace

const ToolDef& tool397() {
    return kTool;
}
