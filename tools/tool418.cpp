// Tool 418: FiO2 estimated from device and flow, and the P/F ratio.
#include "engine/tool.h"

namespace {

constexpr InputChoice kDev[] = {
    {1.0, L"鼻导管或鼻塞"},
    {2.0, L"普通面罩"},
    {3.0, L"储氧面罩（非重复）"},
};

constexpr InputField kInputs[] = {
    {"dev", L"吸氧装置", nullptr, 1.0, countOf(kDev), kDev},
    {"flow", L"氧流量", L"L/min", 2.0, 0, nullptr, 0.1, 80.0},
    {"pao2", L"PaO2", L"mmHg", 90.0, 0, nullptr, 15.0, 800.0},
};

constexpr OutputField kOutputs[] = {
    {"flo", L"FiO2 估计下限", L"%", "(dev==1 ? 21+4*flow : (dev==2 ? 40 : 60))", "f0"},
    {"fhi", L"FiO2 估计上限", L"%", "(dev==1 ? 21+4*flow : (dev==2 ? 60 : 90))", "f0"},
    {"pfl", L"P/F（按 FiO2 上限）", L"mmHg", "pao2*100/(dev==1 ? 21+4*flow : (dev==2 ? 60 : 90))", "f0"},
    {"pfh", L"P/F（按 FiO2 下限）", L"mmHg", "pao2*100/(dev==1 ? 21+4*flow : (dev==2 ? 40 : 60))", "f0"},
};

constexpr VerdictRule kRules[] = {
    {"(dev==1 && (flow<1 || flow>6)) || (dev==2 && (flow<5 || flow>10)) || (dev==3 && (flow<10 || flow>15))",
     kLevelWarning, L"氧流量超出所选装置的适用范围，请核对"},
    {"pao2>7.13*(dev==1 ? 21+4*flow : (dev==2 ? 60 : 90))", kLevelWarning,
     L"PaO2 高于估计 FiO2 可达上限，核对装置与血气"},
    {"pfl<=100.5", kLevelWarning, L"估算氧合指数≤100，重度氧合障碍，立即报告医师"},
    {"pfl<=200.5", kLevelWarning, L"估算氧合指数≤200，中度氧合障碍，立即报告医师"},
    {"pao2<60", kLevelWarning, L"吸氧下 PaO2<60 mmHg，立即报告医师"},
    {"pfl<=300.5", kLevelAttention, L"估算氧合指数≤300，轻度氧合障碍，报告医师"},
    {"", kLevelNormal, L"估算氧合指数>300（近似值），按医嘱氧疗并监测"},
};

constexpr ToolDef kTool = {
    418,
    L"吸氧浓度估算与氧合指数",
    L"按装置与流量估算 FiO2 及 P/F",
    L"呼吸支持",
    L"李小寒，尚少梅. 基础护理学. 第 7 版. "
    L"北京：人民卫生出版社，2022（氧气疗法：吸氧浓度(%)＝21＋4×氧流量(L/min)）；O'Driscoll BR, Howard LS, "
    L"Earis J, Mak V. BTS guideline for oxygen use in adults in healthcare and emergency settings. Thorax "
    L"2017;72(Suppl 1):ii1-ii90（鼻导管 1–6 L/min 约 24%–50%，普通面罩 5–10 L/min 约 40%–60%，储氧面罩 15 "
    L"L/min 约 60%–90%；目标 SpO2 94%–98%，有高碳酸血症风险者 88%–92%）；ARDS Definition Task Force. JAMA "
    L"2012;307:2526-2533（Berlin 定义：P/F≤300/≤200/≤100，PEEP/CPAP≥5 "
    L"cmH2O）；中华医学会呼吸病学分会呼吸危重症医学学组. 急性呼吸窘迫综合征患者机械通气指南（试行）. "
    L"中华医学杂志 2016;96(6):404-424（采用 Berlin 定义）；Matthay MA 等. Am J Respir Crit Care Med "
    L"2024;209:37-47（ARDS 全球新定义）",
    L"仅适用于成人（儿童同样流量下实际 FiO2 更高，按本式会高估 P/F）；FiO2 为估算值：鼻导管或鼻塞按 "
    L"21＋4×氧流量（限 1–6 L/min），普通面罩（限 5–10 L/min）与储氧面罩（限 10–15 L/min）只有 BTS 2017 "
    L"所列范围 40%–60% 与 60%–90%（后者为 15 L/min 时数值，流量较低时实际 FiO2 可能低于下限），实际 FiO2 "
    L"随呼吸频率、潮气量、张口呼吸与面罩密合度而变；判读按 FiO2 上限所得的较低 "
    L"P/F；文丘里面罩、经鼻高流量及无创或有创通气请按设定 FiO2 用工具 363 计算，未吸氧时 FiO2 为 21%；PaO2 "
    L"高于 FiO2×713 mmHg 在海平面不可能，多为装置、流量或血气填错；≤300、≤200、≤100 借用 Berlin "
    L"切点表示氧合障碍轻、中、重度，Berlin 分级须 PEEP/CPAP≥5 cmH2O，低流量吸氧时不能据此诊断 ARDS "
    L"或分级，海拔>1000 m 时另需校正；氧疗目标（一般 SpO2 94%–98%，有 CO2 潴留风险者 "
    L"88%–92%）与调整由医师决定。",
    countOf(kInputs),
    kInputs,
    countOf(kOutputs),
    kOutputs,
    countOf(kRules),
    kRules,
    report_kind::None,
};

} // namespace

const ToolDef& tool418() {
    return kTool;
}
