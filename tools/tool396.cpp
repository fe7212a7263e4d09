// Tool 396: Charlson comorbidity index, plain and age-adjusted.
#include "engine/tool.h"
#include "tools/choices.h"

namespace {

constexpr InputChoice kLiver[] = {
    {0.0, L"无"},
    {1.0, L"轻度"},
    {3.0, L"中重度（门脉高压）"},
};
constexpr InputChoice kDm[] = {
    {0.0, L"无"},
    {1.0, L"无靶器官损害"},
    {2.0, L"有靶器官损害"},
};
constexpr InputChoice kTumor[] = {
    {0.0, L"无"},
    {2.0, L"无转移"},
    {6.0, L"有转移"},
};
constexpr InputChoice kHeme[] = {
    {0.0, L"无"},
    {2.0, L"其中 1 种"},
    {4.0, L"两种均有"},
};
constexpr InputChoice kAids[] = {
    {0.0, L"否"},
    {6.0, L"是"},
};
constexpr InputChoice kAgep[] = {
    {0.0, L"<50 岁"}, {1.0, L"50–59 岁"}, {2.0, L"60–69 岁"}, {3.0, L"70–79 岁"}, {4.0, L"≥80 岁"},
};

constexpr InputField kInputs[] = {
    {"mi", L"心肌梗死", nullptr, 0.0, countOf(kNoYes1), kNoYes1},
    {"chf", L"充血性心衰", nullptr, 0.0, countOf(kNoYes1), kNoYes1},
    {"pvd", L"周围血管病", nullptr, 0.0, countOf(kNoYes1), kNoYes1},
    {"cvd", L"脑血管病", nullptr, 0.0, countOf(kNoYes1), kNoYes1},
    {"dem", L"痴呆", nullptr, 0.0, countOf(kNoYes1), kNoYes1},
    {"cpd", L"慢性肺病", nullptr, 0.0, countOf(kNoYes1), kNoYes1},
    {"ctd", L"结缔组织病", nullptr, 0.0, countOf(kNoYes1), kNoYes1},
    {"ulcer", L"消化性溃疡", nullptr, 0.0, countOf(kNoYes1), kNoYes1},
    {"liver", L"肝病", nullptr, 0.0, countOf(kLiver), kLiver},
    {"dm", L"糖尿病", nullptr, 0.0, countOf(kDm), kDm},
    {"hemi", L"偏瘫", nullptr, 0.0, countOf(kNoYes2), kNoYes2},
    {"renal", L"中重度肾病", nullptr, 0.0, countOf(kNoYes2), kNoYes2},
    {"tumor", L"实体瘤", nullptr, 0.0, countOf(kTumor), kTumor},
    {"heme", L"白血病/淋巴瘤", nullptr, 0.0, countOf(kHeme), kHeme},
    {"aids", L"艾滋病", nullptr, 0.0, countOf(kAids), kAids},
    {"agep", L"年龄", nullptr, 0.0, countOf(kAgep), kAgep},
};

constexpr OutputField kOutputs[] = {
    {"cci", L"Charlson 指数", L"分", "mi+chf+pvd+cvd+dem+cpd+ctd+ulcer+liver+dm+hemi+renal+tumor+heme+aids",
     "f0"},
    {"acci", L"年龄校正指数", L"分", "cci+agep", "f0"},
};

constexpr VerdictRule kRules[] = {
    {"cci>=5", kLevelWarning, L"≥5 分：合并症负担重，原研究 1 年病死率 85%"},
    {"cci>=3", kLevelAttention, L"3–4 分：合并症负担较重，原研究 1 年病死率 52%"},
    {"cci>=1", kLevelAttention, L"1–2 分：有计分合并症，原研究 1 年病死率 26%"},
    {"", kLevelNormal, L"0 分：无计分合并症，原研究 1 年病死率 12%"},
};

constexpr ToolDef kTool = {
    396,
    L"Charlson 合并症指数",
    L"合并症负担与预后评估",
    L"综合评估",
    L"Charlson ME, Pompei P, Ales KL, MacKenzie CR, J Chronic Dis 1987;40(5):373–383；Charlson M, Szatrowski "
    L"TP, Peterson J, Gold J, J Clin Epidemiol 1994;47(11):1245–1251（年龄校正指数）",
    L"用于住院或随访患者合并症负担与远期预后的评估（研究及老年、肿瘤、重症患者评估常用），不用于决定个体治疗"
    L"；各病种按 Charlson 1987 "
    L"定义：心肌梗死指有明确心梗史（不只心电图改变），充血性心衰指劳力性或夜间阵发性呼吸困难且治疗有效，周围"
    L"血管病含间歇性跛行、旁路手术、坏疽及≥6 cm 未治疗的动脉瘤，脑血管病指无或仅轻度后遗症的卒中及 "
    L"TIA，结缔组织病含系统性红斑狼疮、多发性肌炎、混合性结缔组织病、风湿性多肌痛及中重度类风湿关节炎，消化性"
    L"溃疡指曾需治疗者（含出血），轻度肝病指慢性肝炎或无门脉高压的肝硬化，中重度肝病指伴门脉高压（有或无静脉"
    L"曲张出血）的肝硬化，糖尿病指需口服降糖药或胰岛素者（单纯饮食控制不计），靶器官损害指视网膜病变、神经病"
    L"变或肾病，偏瘫含截瘫，中重度肾病指肌酐>265 μmol/L（3 mg/dL）、透析、肾移植或尿毒症，实体瘤指近 5 "
    L"年内初治的实体肿瘤，淋巴瘤含骨髓瘤，艾滋病指确诊 AIDS（不只是 HIV 阳性）；为不超过 16 "
    L"个输入，同一疾病的分级合为一项只取较重一级（糖尿病、肝病、实体瘤：有转移计 6 分，不再加无转移的 2 "
    L"分），白血病与淋巴瘤合为一项按种数计（各 2 分）；年龄校正指数（Charlson 1994）另加年龄分：<50 岁 0 "
    L"分、50–59 岁 1 分、60–69 岁 2 分、70–79 岁 3 分、≥80 岁 4 "
    L"分；分级按未校正指数，原研究（一所医院的内科住院患者）1 年病死率 0 分 12%、1–2 分 26%、3–4 分 52%、≥5 "
    L"分 85%，不能直接外推为个体预后；以 ICD 编码计算的版本及 Quan 2011 更新权重与本表不同，不可混用。",
    countOf(kInputs),
    kInputs,
    countOf(kOutputs),
    kOutputs,
    countOf(kRules),
    kRules,
    report_kind::None,
};

} // namespace

const ToolDef& tool396() {
    return kTool;
}
