// Tool 363: alveolar-arterial oxygen gradient.
#include "engine/tool.h"

namespace {

constexpr InputField kInputs[] = {
    {"fio2", L"吸入氧浓度", L"%", 21.0, 0, nullptr, 21.0, 100.0},
    {"pao2", L"PaO2", L"mmHg", 95.0, 0, nullptr, 15.0, 800.0},
    {"paco2", L"PaCO2", L"mmHg", 40.0, 0, nullptr, 5.0, 400.0},
    {"age", L"年龄", L"岁", 40.0, 0, nullptr, 0.0, 125.0},
    {"pb", L"大气压", L"mmHg", 760.0, 0, nullptr, 300.0, 800.0},
};

constexpr OutputField kOutputs[] = {
    {"palv", L"肺泡氧分压 PAO2", L"mmHg", "fio2/100*(pb-47)-paco2/0.8", "f1"},
    {"aado2", L"A-aDO2", L"mmHg", "fio2/100*(pb-47)-paco2/0.8-pao2", "f1"},
    {"expd", L"年龄预计上限", L"mmHg", "age/4+4", "f1"},
    {"over", L"高于预计值", L"mmHg", "max(fio2/100*(pb-47)-paco2/0.8-pao2-(age/4+4),0)", "f1"},
    {"pf", L"氧合指数 P/F", L"mmHg", "pao2/(fio2/100)", "f0"},
};

constexpr VerdictRule kRules[] = {
    {"fio2<21 || fio2>100 || pao2<=0 || paco2<=0 || age<18 || age>120 || pb<300 || pb>800", kLevelWarning,
     L"仅适用于成人，请核对 FiO2、血气、年龄与大气压"},
    {"aado2<-9.95", kLevelWarning, L"A-aDO2 明显为负，核对 FiO2、血气与大气压"},
    {"pf<=100.5", kLevelWarning, L"氧合指数≤100（Berlin 重度范围），立即报告医师"},
    {"pf<=200.5", kLevelWarning, L"氧合指数≤200（Berlin 中度范围），立即报告医师"},
    {"pao2<60", kLevelWarning, L"PaO2<60 mmHg，呼吸衰竭范围，立即报告医师"},
    {"pf<=300.5", kLevelAttention, L"氧合指数≤300（Berlin 轻度范围），报告医师"},
    {"paco2>50", kLevelAttention, L"PaCO2>50 mmHg，高碳酸血症，报告医师"},
    {"over>=0.05", kLevelAttention, L"A-aDO2 高于年龄预计值，提示换气障碍，报告医师"},
    {"", kLevelNormal, L"A-aDO2 与氧合指数在预计范围内"},
};

constexpr ToolDef kTool = {
    363,
    L"肺泡-动脉氧分压差",
    L"A-aDO2、年龄预计值与氧合指数",
    L"呼吸支持",
    L"West JB. Respiratory Physiology: The Essentials（肺泡气方程，水蒸气压 47 mmHg，R＝0.8）；Mellemgaard "
    L"K. Acta Physiol Scand 1966;67:10-20（A-aDO2 随年龄增大）；StatPearls: Physiology, Alveolar to Arterial "
    L"Oxygen Gradient（年龄预计上限＝年龄/4＋4）；ARDS Definition Task Force. JAMA "
    L"2012;307:2526-2533（Berlin 定义：P/F≤300/≤200/≤100，PEEP/CPAP≥5 "
    L"cmH2O）；中华医学会呼吸病学分会呼吸危重症医学学组. 急性呼吸窘迫综合征患者机械通气指南（试行）. "
    L"中华医学杂志 2016;96(6):404-424（采用 Berlin 定义）；Matthay MA 等. Am J Respir Crit Care Med "
    L"2024;209:37-47（ARDS 全球新定义）；《内科学》第 9 版 呼吸衰竭（海平面、静息、吸空气时 PaO2<60 mmHg）",
    L"年龄预计上限（年龄/4＋4）为吸空气时的正常值，吸氧时正常 A-aDO2 随 FiO2 "
    L"升高而增大，超出预计值的意义减弱；公式取 R＝0.8、体温 37 ℃ 水蒸气压 47 "
    L"mmHg，大气压按当地实测填写（高原城市远低于 760 mmHg）；氧合指数分级引自 Berlin ARDS 定义，诊断 ARDS "
    L"还须 PEEP/CPAP≥5 cmH2O、1 周内起病、双肺浸润影且不能完全由心衰或液体过负荷解释，海拔>1000 m 时 Berlin "
    L"定义按 P/F×(大气压/760) 校正，本工具显示未校正值；新定义允许高流量鼻导管≥30 L/min 及 SpO2/FiO2 "
    L"诊断；呼吸衰竭界值（PaO2<60 mmHg、PaCO2>50 "
    L"mmHg）适用于海平面，高原居民另定；仅适用于成人，结果由医师结合临床判读。",
    countOf(kInputs),
    kInputs,
    countOf(kOutputs),
    kOutputs,
    countOf(kRules),
    kRules,
    report_kind::None,
};

} // namespace

const ToolDef& tool363() {
    return kTool;
}
