// Tool 347: the water-swallowing screen.
#include "engine/tool.h"

namespace {

constexpr InputChoice kGrade[] = {
    {1.0, L"Ⅰ级：1次喝完无呛咳"},    {2.0, L"Ⅱ级：分≥2次喝完无呛咳"}, {3.0, L"Ⅲ级：1次喝完有呛咳"},
    {4.0, L"Ⅳ级：分≥2次喝完有呛咳"}, {5.0, L"Ⅴ级：频繁呛咳不能喝完"},
};
constexpr InputChoice kSlow[] = {
    {0.0, L"5 秒内喝完"},
    {1.0, L"超过 5 秒"},
};

constexpr InputField kInputs[] = {
    {"grade", L"饮水表现", nullptr, 1.0, countOf(kGrade), kGrade},
    {"slow", L"Ⅰ级用时", nullptr, 0.0, countOf(kSlow), kSlow},
};

constexpr OutputField kOutputs[] = {
    {"g", L"分级", L"级", "grade", "f0"},
};

constexpr VerdictRule kRules[] = {
    {"grade==5", kLevelWarning, L"筛查异常（Ⅴ级），禁食禁水，观察呼吸，立即报告医师"},
    {"grade>=3", kLevelWarning, L"筛查异常（Ⅲ–Ⅳ级），禁食禁水，报告医师进一步评估"},
    {"grade==2||(grade==1&&slow==1)", kLevelAttention, L"筛查可疑，进一步评估前暂缓经口进食，报告医师"},
    {"", kLevelNormal, L"筛查正常（Ⅰ级 5 秒内），遵医嘱进食并观察呛咳"},
};

constexpr ToolDef kTool = {
    347,
    L"洼田饮水试验",
    L"30 ml 饮水吞咽功能筛查",
    L"护理评估",
    L"窪田俊夫 等, 総合リハビリテーション "
    L"1982;10(2):271–276；中国吞咽障碍康复评估与治疗专家共识组《中国吞咽障碍评估与治疗专家共识（2017 "
    L"年版）第一部分 评估篇》, 中华物理医学与康复杂志 2017;39(12):881–892；Powers WJ 等, Stroke "
    L"2019;50:e344（AHA/ASA，吞咽筛查前禁止经口进食进水及服药）",
    L"本试验为筛查，用于意识清楚、能按指令完成并能坐起的患者（意识障碍、不能坐起或不能配合者不做，按禁食处理"
    L"并报告医师）；高危者（咳嗽无力、湿性声音、拔管后、脑干卒中）可先用 1–3 茶匙（约 5 "
    L"ml）水或反复唾液吞咽试验筛查，安全后再饮 30 ml；患者端坐，像平常一样喝下 30 ml "
    L"温水，记录次数、有无呛咳及用时，用时仅在Ⅰ级时影响结果；禁食禁水含口服药，改用其他给药途径须遵医嘱；饮水"
    L"试验查不出无呛咳的隐性误吸，结果正常者进食时仍须观察呛咳、湿性声音和发热，可疑或异常者须经吞咽专科评估"
    L"（如容积-黏度测试、吞咽造影或内镜）后再定进食方式。",
    countOf(kInputs),
    kInputs,
    countOf(kOutputs),
    kOutputs,
    countOf(kRules),
    kRules,
    report_kind::None,
};

} // namespace

const ToolDef& tool347() {
    return kTool;
}
