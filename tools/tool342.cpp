// Tool 342: APACHE II severity score of the first ICU day.
#include "engine/tool.h"

namespace {

constexpr InputChoice kFio2[] = {
    {0.0, L"<50%：填 PaO2"},
    {1.0, L"≥50%：填 A-aDO2"},
};
constexpr InputChoice kArf[] = {
    {0.0, L"否"},
    {1.0, L"是（肌酐分值加倍）"},
};
constexpr InputChoice kChp[] = {
    {0.0, L"无"},
    {2.0, L"有，择期手术后"},
    {5.0, L"有，急诊术后/非手术"},
};

constexpr InputField kInputs[] = {
    {"temp", L"体温", L"℃", 37.0, 0, nullptr, 10.0, 50.0},
    {"map", L"平均动脉压", L"mmHg", 85.0, 0, nullptr, 0.0, 250.0},
    {"hr", L"心率", L"次/分", 80.0, 0, nullptr, 0.0, 300.0},
    {"rr", L"呼吸频率", L"次/分", 16.0, 0, nullptr, 0.0, 100.0},
    {"fio2", L"吸入氧浓度", nullptr, 0.0, countOf(kFio2), kFio2},
    {"oxy", L"PaO2/A-aDO2", L"mmHg", 95.0, 0, nullptr, 0.0, 700.0},
    {"ph", L"动脉血 pH", nullptr, 7.4, 0, nullptr, 6.3, 8.0},
    {"na", L"血钠", L"mmol/L", 140.0, 0, nullptr, 80.0, 300.0},
    {"k", L"血钾", L"mmol/L", 4.0, 0, nullptr, 0.5, 15.0},
    {"cr", L"血肌酐", L"μmol/L", 70.0, 0, nullptr, 5.0, 4000.0},
    {"arf", L"急性肾衰竭", nullptr, 0.0, countOf(kArf), kArf},
    {"hct", L"血细胞比容", L"%", 40.0, 0, nullptr, 1.0, 80.0},
    {"wbc", L"白细胞", L"×10^9/L", 8.0, 0, nullptr, 0.0, 1000.0},
    {"gcs", L"GCS 总分", L"分", 15.0, 0, nullptr, 3.0, 15.0},
    {"age", L"年龄", L"岁", 40.0, 0, nullptr, 0.0, 125.0},
    {"chp", L"慢性健康状况", nullptr, 0.0, countOf(kChp), kChp},
};

constexpr OutputField kOutputs[] = {
    {"st", L"体温评分", L"分",
     "temp>40.9 ? 4 : (temp>38.9 ? 3 : (temp>38.4 ? 1 : (temp>=36 ? 0 : (temp>=34 ? 1 : (temp>=32 ? 2 : "
     "(temp>=30 ? 3 : 4))))))",
     "f0"},
    {"smap", L"平均动脉压评分", L"分",
     "map>159 ? 4 : (map>129 ? 3 : (map>109 ? 2 : (map>=70 ? 0 : (map>=50 ? 2 : 4))))", "f0"},
    {"shr", L"心率评分", L"分",
     "hr>179 ? 4 : (hr>139 ? 3 : (hr>109 ? 2 : (hr>=70 ? 0 : (hr>=55 ? 2 : (hr>=40 ? 3 : 4)))))", "f0"},
    {"srr", L"呼吸评分", L"分",
     "rr>49 ? 4 : (rr>34 ? 3 : (rr>24 ? 1 : (rr>=12 ? 0 : (rr>=10 ? 1 : (rr>=6 ? 2 : 4)))))", "f0"},
    {"sox", L"氧合评分", L"分",
     "fio2==1 ? (oxy>499 ? 4 : (oxy>349 ? 3 : (oxy>=200 ? 2 : 0))) : (oxy>70 ? 0 : (oxy>=61 ? 1 : (oxy>=55 ? "
     "3 : 4)))",
     "f0"},
    {"sph", L"pH 评分", L"分",
     "ph>7.69 ? 4 : (ph>7.59 ? 3 : (ph>7.49 ? 1 : (ph>=7.33 ? 0 : (ph>=7.25 ? 2 : (ph>=7.15 ? 3 : 4)))))",
     "f0"},
    {"sna", L"血钠评分", L"分",
     "na>179 ? 4 : (na>159 ? 3 : (na>154 ? 2 : (na>149 ? 1 : (na>=130 ? 0 : (na>=120 ? 2 : (na>=111 ? 3 : "
     "4))))))",
     "f0"},
    {"sk", L"血钾评分", L"分",
     "k>6.9 ? 4 : (k>5.9 ? 3 : (k>5.4 ? 1 : (k>=3.5 ? 0 : (k>=3 ? 1 : (k>=2.5 ? 2 : 4)))))", "f0"},
    {"scr", L"肌酐评分", L"分",
     "(1+arf)*(cr>300.56 ? 4 : (cr>167.96 ? 3 : (cr>123.76 ? 2 : (cr>=53 ? 0 : 2))))", "f0"},
    {"shct", L"血细胞比容评分", L"分",
     "hct>59.9 ? 4 : (hct>49.9 ? 2 : (hct>45.9 ? 1 : (hct>=30 ? 0 : (hct>=20 ? 2 : 4))))", "f0"},
    {"swbc", L"白细胞评分", L"分",
     "wbc>39.9 ? 4 : (wbc>19.9 ? 2 : (wbc>14.9 ? 1 : (wbc>=3 ? 0 : (wbc>=1 ? 2 : 4))))", "f0"},
    {"sgcs", L"GCS 评分", L"分", "15-gcs", "f0"},
    {"aps", L"急性生理评分", L"分", "st+smap+shr+srr+sox+sph+sna+sk+scr+shct+swbc+sgcs", "f0"},
    {"sage", L"年龄评分", L"分", "age>=75 ? 6 : (age>=65 ? 5 : (age>=55 ? 3 : (age>=45 ? 2 : 0)))", "f0"},
    {"schp", L"慢性健康评分", L"分", "chp", "f0"},
    {"total", L"APACHE II 总分", L"分", "aps+sage+schp", "f0"},
};

constexpr VerdictRule kRules[] = {
    {"map<=0||(fio2==0&&oxy==0)||gcs!=floor(gcs)||age<16", kLevelWarning,
     L"请核对输入（超出可能范围，或年龄<16 岁）"},
    {"total>=25", kLevelWarning, L"APACHE II≥25 分，病情极危重，报告医师"},
    {"total>=20", kLevelWarning, L"APACHE II 20–24 分，病情危重，报告医师"},
    {"total>=15", kLevelWarning, L"APACHE II 15–19 分，属危重患者，报告医师"},
    {"st>=3||smap>=3||shr>=3||srr>=3||sox>=3||sph>=3||sna>=3||sk>=3||scr>=3||shct>=3||swbc>=3||sgcs>=3||arf=="
     "1",
     kLevelWarning, L"单项生理指标≥3 分或急性肾衰竭，报告医师"},
    {"total>=10", kLevelAttention, L"APACHE II 10–14 分，病情较重，动态复评"},
    {"", kLevelNormal, L"APACHE II<10 分，继续监测并动态复评"},
};

constexpr ToolDef kTool = {
    342,
    L"APACHE II 评分",
    L"ICU 患者病情严重程度评分",
    L"重症评估",
    L"Knaus WA, Draper EA, Wagner DP, Zimmerman JE, Crit Care Med "
    L"1985;13(10):818–829；国家卫生计生委办公厅《重症医学专业医疗质量控制指标（2015 年版）》（APACHE II≥15 "
    L"分患者收治率）",
    L"用于≥16 岁 ICU 患者入 ICU 后 24 小时内的病情评估（原研究不含烧伤和冠脉搭桥术后患者），各项取 24 "
    L"小时内最差值，原表体温为肛温，FiO2≥50% 时氧合项填 A-aDO2〔海平面 A-aDO2=FiO2×713-PaCO2/0.8-PaO2，FiO2 "
    L"取小数〕、FiO2<50% 时填 PaO2，急性肾衰竭时肌酐分值加倍（慢性肾衰竭不加倍），镇静患者 GCS "
    L"按镇静前估计，慢性健康状况仅计入院前已有的严重器官功能不全或免疫抑制（肝：活检证实肝硬化伴门脉高压、门"
    L"脉高压所致上消化道出血或既往肝衰竭/肝性脑病；心：NYHA IV "
    L"级；肺：慢性限制性、阻塞性或血管性疾病致严重活动受限，或慢性缺氧、高碳酸血症、继发性红细胞增多、重度肺"
    L"动脉高压（>40 "
    L"mmHg）、依赖呼吸机；肾：长期透析；免疫抑制：免疫抑制剂、化疗、放疗、长期或近期大剂量激素，或白血病、淋"
    L"巴瘤、艾滋病），择期手术后计 2 分、急诊手术后或非手术患者计 5 分；数值介于原表两档之间（如 Na "
    L"149.6、WBC 14.95、计算所得 MAP 109.7）时按异常程度较高一档计分；肌酐按原表 mg/dL 界值×88.4 "
    L"换算并同样取较高一档（>300.56→4、>167.96→3、>123.76→2、53–123.76→0、<53→2 "
    L"分，整数即≥301、168–300、124–167、53–123、<53 μmol/L），在 301–308、168–176、124–132 μmol/L "
    L"比常见国内评分表（≥309、177–308、133–176、53–132）高 1–2 分；无动脉血气时可用静脉血 HCO3- 代替 pH "
    L"计分（≥52→4，41–51.9→3，32–40.9→1，22–31.9→0，18–21.9→2，15–17.9→3，<15→4），本工具未提供该项，须按 pH "
    L"填写；国家重症质控指标（2015 年版）以入 ICU 24 小时内≥15 "
    L"分计危重患者，建议按<10、10–15、15–20、20–25、>25 分分层（边界重叠，本工具按 10–14、15–19、20–24、≥25 "
    L"处理）；预测病死率须结合入 ICU "
    L"主要诊断类别权重计算，本工具不给出病死率，评分也不用于决定个体患者的治疗或转归。",
    countOf(kInputs),
    kInputs,
    countOf(kOutputs),
    kOutputs,
    countOf(kRules),
    kRules,
    report_kind::None,
};

} // namespace

const ToolDef& tool342() {
    return kTool;
}
