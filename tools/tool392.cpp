// Tool 392: MNA-SF nutrition screen of older people.
#include "engine/tool.h"

namespace {

constexpr InputChoice kFood[] = {
    {0.0, L"严重减少"},
    {1.0, L"中度减少"},
    {2.0, L"无减少"},
};
constexpr InputChoice kWl[] = {
    {0.0, L"下降>3 kg"},
    {1.0, L"不清楚"},
    {2.0, L"下降 1–3 kg"},
    {3.0, L"无下降"},
};
constexpr InputChoice kMob[] = {
    {0.0, L"卧床或坐轮椅"},
    {1.0, L"能下床但不能外出"},
    {2.0, L"能外出"},
};
constexpr InputChoice kStress[] = {
    {0.0, L"是"},
    {2.0, L"否"},
};
constexpr InputChoice kNeuro[] = {
    {0.0, L"严重痴呆或抑郁"},
    {1.0, L"轻度痴呆"},
    {2.0, L"无"},
};
constexpr InputChoice kFmode[] = {
    {1.0, L"BMI"},
    {2.0, L"小腿围（无法测BMI）"},
};

constexpr InputField kInputs[] = {
    {"food", L"食欲或进食减少", nullptr, 2.0, countOf(kFood), kFood},
    {"wl", L"近3月体重下降", nullptr, 3.0, countOf(kWl), kWl},
    {"mob", L"活动能力", nullptr, 2.0, countOf(kMob), kMob},
    {"stress", L"近3月应激或急病", nullptr, 2.0, countOf(kStress), kStress},
    {"neuro", L"神经精神问题", nullptr, 2.0, countOf(kNeuro), kNeuro},
    {"fmode", L"F 项依据", nullptr, 1.0, countOf(kFmode), kFmode},
    {"h", L"身高", L"cm", 160.0, 0, nullptr, 50.0, 280.0},
    {"w", L"体重", L"kg", 60.0, 0, nullptr, 2.0, 700.0},
    {"cc", L"小腿围", L"cm", 33.0, 0, nullptr, 5.0, 150.0},
};

constexpr OutputField kOutputs[] = {
    {"bmi", L"BMI", L"kg/m2", "round(w/(h/100)^2*10)/10", "f1"},
    {"sf", L"F 项评分", L"分", "fmode==2 ? (cc<31 ? 0 : 3) : (bmi<19 ? 0 : (bmi<21 ? 1 : (bmi<23 ? 2 : 3)))",
     "f0"},
    {"total", L"筛查总分", L"分", "food+wl+mob+stress+neuro+sf", "f0"},
};

constexpr VerdictRule kRules[] = {
    {"fmode==1&&(bmi<7||bmi>200)", kLevelWarning, L"BMI 超出可能范围，请核对身高与体重"},
    {"total<=7", kLevelWarning, L"0–7 分营养不良，报告医师并请营养专业人员评估"},
    {"total<=11", kLevelAttention, L"8–11 分有营养不良风险，需进一步营养评估"},
    {"", kLevelNormal, L"12–14 分营养正常，定期复筛"},
};

constexpr ToolDef kTool = {
    392,
    L"MNA-SF 老年营养筛查",
    L"老年人营养不良简易筛查",
    L"营养评估",
    L"Rubenstein LZ, Harker JO, Salvà A, Guigoz Y, Vellas B, J Gerontol A Biol Sci Med Sci "
    L"2001;56(6):M366–M372；Kaiser MJ 等, J Nutr Health Aging "
    L"2009;13(9):"
    L"782–788；中华医学会肠外肠内营养学分会老年营养支持学组《中国老年患者肠外肠内营养应用指南（2020）》, "
    L"中华老年医学杂志 2020;39(2):119–132",
    L"用于老年人（原研究≥65 岁）住院、门诊或社区营养筛查；A 项指近 3 "
    L"个月因食欲下降、消化问题、咀嚼或吞咽困难而进食减少，B 项指近 3 个月非自愿体重下降，D 项指近 3 "
    L"个月有心理创伤或急性疾病，E 项痴呆或抑郁按病历诊断或医师判断；F 项优先用 BMI（体重 kg 除以身高 m "
    L"的平方，按显示的一位小数分档：<19、19–<21、21–<23、≥23 依次计 0–3 "
    L"分），卧床、截肢等无法测得身高体重时改选小腿围（小腿最粗处周长，<31 cm 计 0 分，≥31 cm 计 3 "
    L"分），两者只取其一；12–14 分营养正常，8–11 分有营养不良风险，0–7 分营养不良（Kaiser "
    L"2009），有风险或营养不良者应做完整 MNA 或由营养专业人员评估；BMI 分档未按亚洲人调整，小腿围 31 cm 为 "
    L"MNA 界值，与肌少症筛查界值（AWGS 2019 男<34 cm、女<33 "
    L"cm）不同，不可混用；营养支持方案由医师和营养师决定。",
    countOf(kInputs),
    kInputs,
    countOf(kOutputs),
    kOutputs,
    countOf(kRules),
    kRules,
    report_kind::None,
};

} // namespace

const ToolDef& tool392() {
    return kTool;
}
