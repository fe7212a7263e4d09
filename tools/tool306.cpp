// Tool 306: modified early warning score; the item scores feed the total.
#include "engine/tool.h"

namespace {

constexpr InputChoice kAvpu[] = {
    {0.0, L"清醒 A"},
    {1.0, L"对声音有反应 V"},
    {2.0, L"对疼痛有反应 P"},
    {3.0, L"无反应 U"},
};

constexpr InputField kInputs[] = {
    {"rr", L"呼吸频率", L"次/分", 16.0, 0, nullptr, 0.0, 100.0},
    {"hr", L"心率", L"次/分", 80.0, 0, nullptr, 0.0, 300.0},
    {"sbp", L"收缩压", L"mmHg", 120.0, 0, nullptr, 0.0, 300.0},
    {"temp", L"体温", L"℃", 36.8, 0, nullptr, 10.0, 50.0},
    {"avpu", L"意识 AVPU", nullptr, 0.0, countOf(kAvpu), kAvpu},
};

constexpr OutputField kOutputs[] = {
    {"srr", L"呼吸评分", L"分", "rr<9 ? 2 : (rr<15 ? 0 : (rr<21 ? 1 : (rr<30 ? 2 : 3)))", "f0"},
    {"shr", L"心率评分", L"分",
     "hr<=40 ? 2 : (hr<=50 ? 1 : (hr<=100 ? 0 : (hr<=110 ? 1 : (hr<130 ? 2 : 3))))", "f0"},
    {"ssbp", L"血压评分", L"分", "sbp<=70 ? 3 : (sbp<=80 ? 2 : (sbp<=100 ? 1 : (sbp<200 ? 0 : 2)))", "f0"},
    {"stemp", L"体温评分", L"分", "temp<35 ? 2 : (temp<38.5 ? 0 : 2)", "f0"},
    {"savpu", L"意识评分", L"分", "avpu", "f0"},
    {"total", L"总分", L"分", "srr+shr+ssbp+stemp+savpu", "f0"},
};

constexpr VerdictRule kRules[] = {
    {"rr<=0||hr<=0||sbp<=0||temp<=0", kLevelWarning, L"请核对生命体征输入"},
    {"srr>=3||shr>=3||ssbp>=3||stemp>=3||savpu>=3", kLevelWarning, L"单项 3 分，立即报告医师"},
    {"savpu>=2", kLevelWarning, L"意识仅对疼痛有反应或无反应，立即报告医师"},
    {"total>=5", kLevelWarning, L"高风险，立即报告医师并加强监护"},
    {"total>=3", kLevelAttention, L"中风险，增加监测频次并报告"},
    {"srr==2||shr==2||ssbp==2||stemp==2||savpu==2", kLevelAttention, L"单项 2 分，增加监测频次并报告医师"},
    {"", kLevelNormal, L"低风险，常规监测"},
};

constexpr ToolDef kTool = {
    306,
    L"MEWS 改良早期预警评分",
    L"五项生命体征早期预警评分",
    L"重症评估",
    L"Subbe CP, Kruger M, Rutherford P, Gemmel L, QJM 2001;94(10):521–526",
    L"适用于成人，评分仅辅助发现病情变化，使用血管活性药、镇静剂或起搏器时须结合临床判断。",
    countOf(kInputs),
    kInputs,
    countOf(kOutputs),
    kOutputs,
    countOf(kRules),
    kRules,
    report_kind::None,
};

} // namespace

const ToolDef& tool306() {
    return kTool;
}
