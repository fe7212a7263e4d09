// Tool 316: Wells score for pulmonary embolism.
#include "engine/tool.h"
#include "tools/choices.h"

namespace {

constexpr InputChoice kNoYes1_5[] = {
    {0.0, L"否"},
    {1.5, L"是"},
};

constexpr InputField kInputs[] = {
    {"dvt", L"DVT 症状或体征", nullptr, 0.0, countOf(kNoYes3), kNoYes3},
    {"pe", L"其他诊断可能<PE", nullptr, 0.0, countOf(kNoYes3), kNoYes3},
    {"hr", L"心率>100 次/分", nullptr, 0.0, countOf(kNoYes1_5), kNoYes1_5},
    {"imm", L"近期制动或手术", nullptr, 0.0, countOf(kNoYes1_5), kNoYes1_5},
    {"prev", L"既往 DVT/PE 史", nullptr, 0.0, countOf(kNoYes1_5), kNoYes1_5},
    {"hem", L"咯血", nullptr, 0.0, countOf(kNoYes1), kNoYes1},
    {"ca", L"恶性肿瘤", nullptr, 0.0, countOf(kNoYes1), kNoYes1},
};

constexpr OutputField kOutputs[] = {
    {"total", L"总分", L"分", "dvt+pe+hr+imm+prev+hem+ca", "f1"},
};

constexpr VerdictRule kRules[] = {
    {"total>4", kLevelWarning, L"PE 可能（>4 分），立即报告医师，评估 CTPA"},
    {"", kLevelAttention, L"PE 可能性小（≤4 分），需结合 D-二聚体排除"},
};

constexpr ToolDef kTool = {
    316,
    L"Wells PE 评分",
    L"肺栓塞临床可能性评估",
    L"血栓风险",
    L"Wells PS 等, Thromb Haemost 2000;83:416–420；Wells PS 等, Ann Intern Med "
    L"2001;135:98–107；Konstantinides SV 等, Eur Heart J 2020;41:543–603（ESC "
    L"2019）；中华医学会呼吸病学分会肺栓塞与肺血管病学组等《肺血栓栓塞症诊治与预防指南》（2018）",
    L"用于血流动力学稳定的疑诊 PE 者（Wells 2001 两分法），休克或收缩压<90 mmHg 者为可疑高危 "
    L"PE，不用本评分并立即报告医师；三分法<2 分低度、2–6 分中度、>6 分高度可能；DVT "
    L"症状或体征至少包括下肢肿胀和深静脉触痛，其他诊断可能<PE 指其他诊断的可能性低于 PE，近期制动指卧床≥3 "
    L"天，手术指 4 周内手术，恶性肿瘤指 6 个月内治疗或姑息治疗；2018 年中国指南另有简化版（各项 1 分，≥2 "
    L"分为 PE 可能），两版不可混用；>50 岁者 D-二聚体界值可按年龄×10 μg/L 调整（遵本院检验规定）。",
    countOf(kInputs),
    kInputs,
    countOf(kOutputs),
    kOutputs,
    countOf(kRules),
    kRules,
    report_kind::None,
};

} // namespace

const ToolDef& tool316() {
    return kTool;
}
