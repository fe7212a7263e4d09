// Tool 341: NEWS2 early warning score; the item scores feed the total.
#include "engine/tool.h"

namespace {

constexpr InputChoice kScale[] = {
    {1.0, L"标尺1（常规）"},
    {2.0, L"标尺2（目标88–92%）"},
};
constexpr InputChoice kO2[] = {
    {0.0, L"否（空气）"},
    {2.0, L"是（吸氧）"},
};
constexpr InputChoice kCons[] = {
    {0.0, L"清醒 A"},
    {3.0, L"新发模糊或声/痛/无反应"},
};

constexpr InputField kInputs[] = {
    {"rr", L"呼吸频率", L"次/分", 16.0, 0, nullptr, 0.0, 100.0},
    {"spo2", L"SpO2", L"%", 97.0, 0, nullptr, 1.0, 100.0},
    {"scale", L"SpO2 标尺", nullptr, 1.0, countOf(kScale), kScale},
    {"o2", L"吸氧", nullptr, 0.0, countOf(kO2), kO2},
    {"sbp", L"收缩压", L"mmHg", 120.0, 0, nullptr, 0.0, 300.0},
    {"hr", L"脉搏", L"次/分", 75.0, 0, nullptr, 0.0, 300.0},
    {"cons", L"意识 ACVPU", nullptr, 0.0, countOf(kCons), kCons},
    {"temp", L"体温", L"℃", 36.8, 0, nullptr, 10.0, 50.0},
};

constexpr OutputField kOutputs[] = {
    {"srr", L"呼吸评分", L"分", "rr<9 ? 3 : (rr<12 ? 1 : (rr<21 ? 0 : (rr<25 ? 2 : 3)))", "f0"},
    {"sspo2", L"SpO2 评分", L"分",
     "scale==2 ? (spo2<84 ? 3 : (spo2<86 ? 2 : (spo2<88 ? 1 : (spo2<93 ? 0 : (o2==0 ? 0 : (spo2<95 ? 1 : "
     "(spo2<97 ? 2 : 3))))))) : (spo2<92 ? 3 : (spo2<94 ? 2 : (spo2<96 ? 1 : 0)))",
     "f0"},
    {"so2", L"吸氧评分", L"分", "o2", "f0"},
    {"ssbp", L"收缩压评分", L"分", "sbp<=90 ? 3 : (sbp<=100 ? 2 : (sbp<=110 ? 1 : (sbp<220 ? 0 : 3)))", "f0"},
    {"shr", L"脉搏评分", L"分",
     "hr<=40 ? 3 : (hr<=50 ? 1 : (hr<=90 ? 0 : (hr<=110 ? 1 : (hr<=130 ? 2 : 3))))", "f0"},
    {"scons", L"意识评分", L"分", "cons", "f0"},
    {"stemp", L"体温评分", L"分", "temp<=35 ? 3 : (temp<=36 ? 1 : (temp<=38 ? 0 : (temp<=39 ? 1 : 2)))",
     "f0"},
    {"total", L"总分", L"分", "srr+sspo2+so2+ssbp+shr+scons+stemp", "f0"},
};

constexpr VerdictRule kRules[] = {
    {"rr<=0||spo2<=0||spo2>100||sbp<=0||hr<=0||temp<=0", kLevelWarning,
     L"请核对生命体征输入（SpO2 为 1–100%）"},
    {"total>=7", kLevelWarning, L"≥7 分高危：持续监测，立即报告医师并呼叫快速反应团队"},
    {"total>=5", kLevelWarning, L"5–6 分中危：至少每小时监测，立即报告医师尽快评估"},
    {"srr==3||sspo2==3||ssbp==3||shr==3||scons==3||stemp==3", kLevelWarning,
     L"单项 3 分：至少每小时监测，报告医师评估"},
    {"total>=1", kLevelAttention, L"1–4 分低危：每 4–6 小时监测，告知责任护士评估"},
    {"", kLevelNormal, L"0 分：至少每 12 小时监测，继续常规观察"},
};

constexpr ToolDef kTool = {
    341,
    L"NEWS2 早期预警评分",
    L"七项生理参数早期预警评分",
    L"重症评估",
    L"Royal College of Physicians. National Early Warning Score (NEWS) 2: Standardising the assessment of "
    L"acute-illness severity in the NHS. London: RCP, 2017；Smith GB 等, Resuscitation "
    L"2013;84:465–470（NEWS）",
    L"适用于≥16 岁非妊娠成人住院患者，儿童、孕产妇不适用，脊髓损伤者慎用；SpO2 标尺 2 "
    L"仅用于经血气确诊为高碳酸血症性呼吸衰竭且医嘱 SpO2 目标为 88–92% "
    L"的患者（由医师决定并记录），其他患者（包括无高碳酸血症的 COPD）一律用标尺 "
    L"1；吸氧指任何方式给氧（含无创通气）；意识 C 指新发意识模糊、定向障碍或谵妄，V 为对声音有反应，P "
    L"为对疼痛有反应，U 为无反应，均计 3 分；≥7 "
    L"分须由具备重症救治能力的团队（快速反应小组/重症医学科）紧急评估，并考虑转入 "
    L"ICU；评分不替代临床判断，分值低但护士担心病情时也应报告医师；本评分与 "
    L"MEWS（306）阈值不同，不可混用，本工具只给出监测频次和报告对象，不给出治疗。",
    countOf(kInputs),
    kInputs,
    countOf(kOutputs),
    kOutputs,
    countOf(kRules),
    kRules,
    report_kind::None,
};

} // namespace

const ToolDef& tool341() {
    return kTool;
}
