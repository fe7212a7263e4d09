// Tool 349: Bishop score of the cervix before induction of labour.
#include "engine/tool.h"

namespace {

constexpr InputChoice kDil[] = {
    {0.0, L"未开（0 cm）"},
    {1.0, L"1–2 cm"},
    {2.0, L"3–4 cm"},
    {3.0, L"≥5 cm"},
};
constexpr InputChoice kEff[] = {
    {0.0, L"0–30%（未消退）"},
    {1.0, L"40–50%"},
    {2.0, L"60–70%"},
    {3.0, L"≥80%"},
};
constexpr InputChoice kSta[] = {
    {0.0, L"-3（棘上 3 cm）"},
    {1.0, L"-2（棘上 2 cm）"},
    {2.0, L"-1~0"},
    {3.0, L"+1~+2"},
};
constexpr InputChoice kFirm[] = {
    {0.0, L"硬"},
    {1.0, L"中"},
    {2.0, L"软"},
};
constexpr InputChoice kPos[] = {
    {0.0, L"朝后"},
    {1.0, L"居中"},
    {2.0, L"朝前"},
};

constexpr InputField kInputs[] = {
    {"dil", L"宫口开大", nullptr, 0.0, countOf(kDil), kDil},
    {"eff", L"宫颈管消退", nullptr, 0.0, countOf(kEff), kEff},
    {"sta", L"先露位置", nullptr, 0.0, countOf(kSta), kSta},
    {"firm", L"宫颈硬度", nullptr, 0.0, countOf(kFirm), kFirm},
    {"pos", L"宫口位置", nullptr, 0.0, countOf(kPos), kPos},
};

constexpr OutputField kOutputs[] = {
    {"total", L"总分", L"分", "dil+eff+sta+firm+pos", "f0"},
};

constexpr VerdictRule kRules[] = {
    {"total>9", kLevelNormal, L"宫颈成熟（>9 分），引产成功率高，遵医嘱引产"},
    {"total>=7", kLevelNormal, L"宫颈成熟（7–9 分），引产成功率约 80%，遵医嘱引产"},
    {"total>=6", kLevelNormal, L"6 分：达 2014 指南成熟界值，成功率约 50%，遵医嘱"},
    {"total>=4", kLevelAttention, L"宫颈不成熟（4–5 分），需促宫颈成熟，遵医嘱"},
    {"", kLevelAttention, L"宫颈不成熟（≤3 分），引产多失败，遵医嘱促宫颈成熟"},
};

constexpr ToolDef kTool = {
    349,
    L"Bishop 宫颈评分",
    L"引产前宫颈成熟度评估",
    L"产科",
    L"Bishop EH, Obstet Gynecol 1964;24:266–268；谢幸、孔北华、段涛主编《妇产科学》第 9 版, 人民卫生出版社 "
    L"2018；中华医学会妇产科学分会产科学组《妊娠晚期促子宫颈成熟与引产指南（2014）》, 中华妇产科杂志 "
    L"2014;49(12):881–885；同组《妊娠晚期促子宫颈成熟与引产指南（2024）》, 中华妇产科杂志 "
    L"2024;59(11):819–828",
    L"由产科医师或助产士经阴道检查评估，仅用于有引产指征、无阴道分娩禁忌的头先露单胎孕妇，有阴道出血（疑前置"
    L"胎盘）者未经医师评估不做阴道检查；宫颈管消退以未消退长度 2–3 cm 为 0%，先露位置以坐骨棘平面为 "
    L"0，棘上为负、棘下为正；≥6 分宫颈成熟、<6 分需促宫颈成熟按 2014 年中国指南，该指南已于 2024 "
    L"年修订，成熟界值以本院采用的版本为准，成功率分段（>9 分均成功、7–9 分约 80%、4–6 分约 50%、≤3 "
    L"分多失败）按《妇产科学》，国外 ACOG 以>8 分为宫颈条件良好；引产方式与用药由医师决定。",
    countOf(kInputs),
    kInputs,
    countOf(kOutputs),
    kOutputs,
    countOf(kRules),
    kRules,
    report_kind::None,
};

} // namespace

const ToolDef& tool349() {
    return kTool;
}
