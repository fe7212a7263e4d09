// Tool 313: qSOFA bedside sepsis screen.
#include "engine/tool.h"

namespace {

constexpr InputChoice kMent[] = {
    {0.0, L"无（GCS 15）"},
    {1.0, L"有（新发，GCS<15）"},
};

constexpr InputField kInputs[] = {
    {"rr", L"呼吸频率", L"次/分", 16.0, 0, nullptr, 0.0, 100.0},
    {"sbp", L"收缩压", L"mmHg", 120.0, 0, nullptr, 0.0, 300.0},
    {"ment", L"意识改变", nullptr, 0.0, countOf(kMent), kMent},
};

constexpr OutputField kOutputs[] = {
    {"q", L"评分", L"分", "(rr>=22)+(sbp<=100)+ment", "f0"},
};

constexpr VerdictRule kRules[] = {
    {"rr<=0||sbp<=0", kLevelWarning, L"请核对呼吸频率与收缩压"},
    {"q>=2", kLevelWarning, L"qSOFA≥2，疑似脓毒症，立即报告医师评估 SOFA"},
    {"rr<9||rr>=25||sbp<=90||sbp>=220||ment==1", kLevelWarning,
     L"呼吸、血压或意识单项严重异常，立即报告医师"},
    {"q==1", kLevelAttention, L"qSOFA 1 分，加强监测并报告医师"},
    {"", kLevelNormal, L"qSOFA 0 分，不能排除脓毒症，按病情复评"},
};

constexpr ToolDef kTool = {
    313,
    L"qSOFA 脓毒症快速筛查",
    L"疑似感染患者床旁快速筛查",
    L"重症评估",
    L"Singer M 等, JAMA 2016;315:801（Sepsis-3）；Seymour CW 等, JAMA 2016;315:762；Evans L 等, Crit Care "
    L"Med 2021;49:e1063–e1143（SSC 2021）；Royal College of Physicians, NEWS2, "
    L"2017；《中国脓毒症/脓毒性休克急诊治疗指南（2018）》",
    L"用于疑似感染的成人在院前、急诊或普通病房的快速识别，意识改变指新发意识改变（GCS<15 分）；qSOFA "
    L"阴性不能排除脓毒症（2021 年 SSC 指南不推荐单用 qSOFA 筛查），脓毒症须以 SOFA 较基线急性升高≥2 "
    L"分确定；呼吸≤8 或≥25 次/分、收缩压≤90 或≥220 mmHg、新发意识改变（NEWS2 的 ACVPU 中 C）均为 NEWS2 单项 "
    L"3 分，不论总分均应立即报告医师；心率、SpO2 等未纳入本工具，其单项异常按 NEWS2/MEWS 处理。",
    countOf(kInputs),
    kInputs,
    countOf(kOutputs),
    kOutputs,
    countOf(kRules),
    kRules,
    report_kind::None,
};

} // namespace

const ToolDef& tool313() {
    return kTool;
}
