// Tool 304: NRS 2002 nutritional risk screening; the age point feeds the total.
#include "engine/tool.h"

namespace {

constexpr InputChoice kNut[] = {
    {0.0, L"营养状况正常"},
    {1.0, L"近 3 个月体重下降>5%"},
    {2.0, L"近 2 个月体重下降>5%"},
    {3.0, L"近 1 个月体重下降>5%"},
};
constexpr InputChoice kDis[] = {
    {0.0, L"营养需要量正常"},
    {1.0, L"慢性病急性发作/髋部骨折"},
    {2.0, L"腹部大手术/卒中/重症肺炎"},
    {3.0, L"颅脑损伤/骨髓移植/ICU"},
};

constexpr InputField kInputs[] = {
    {"nut", L"营养状况受损", nullptr, 0.0, countOf(kNut), kNut},
    {"dis", L"疾病严重程度", nullptr, 0.0, countOf(kDis), kDis},
    {"age", L"年龄", L"岁", 50.0, 0, nullptr, 0.0, 125.0},
};

constexpr OutputField kOutputs[] = {
    {"agep", L"年龄评分", L"分", "age>=70 ? 1 : 0", "f0"},
    {"total", L"总分", L"分", "nut+dis+agep", "f0"},
};

constexpr VerdictRule kRules[] = {
    {"age<18", kLevelWarning, L"仅适用于成人住院患者"},
    {"total>=3", kLevelWarning, L"存在营养风险，需制定营养支持计划"},
    {"", kLevelNormal, L"暂无营养风险，住院期间每周复筛"},
};

constexpr ToolDef kTool = {
    304,
    L"NRS 2002 营养风险筛查",
    L"成人住院患者营养风险筛查",
    L"营养评估",
    L"Kondrup J 等, Clin Nutr 2003；WS/T 427—2013《临床营养风险筛查》",
    L"疾病 1 分指慢性病（肝硬化、COPD、长期血液透析、糖尿病、一般恶性肿瘤）急性发作或有并发症及髋部骨折，2 "
    L"分指腹部大手术、卒中、重症肺炎、血液系统恶性肿瘤，3 分指颅脑损伤、骨髓移植、APACHE II>10 的 ICU "
    L"患者；营养状况 2 分亦可为 BMI 18.5–20.5 且一般情况差，3 分亦可为 BMI<18.5 且一般情况差或 3 "
    L"个月内体重下降>15%，前 1 周进食量为需要量的 50–75%、25–60%、0–25% 依次计 1、2、3 "
    L"分；营养状况与疾病严重程度两项各取最高分。",
    countOf(kInputs),
    kInputs,
    countOf(kOutputs),
    kOutputs,
    countOf(kRules),
    kRules,
    report_kind::None,
};

} // namespace

const ToolDef& tool304() {
    return kTool;
}
