// Tool 333: sodium corrected for high glucose.
#include "engine/tool.h"

namespace {

constexpr InputField kInputs[] = {
    {"na", L"实测血钠", L"mmol/L", 130.0, 0, nullptr, 80.0, 300.0},
    {"glu", L"血糖", L"mmol/L", 30.0, 0, nullptr, 0.1, 150.0},
};

constexpr OutputField kOutputs[] = {
    {"nak", L"校正血钠（Katz）", L"mmol/L", "na+1.6*max(glu-5.55,0)/5.55", "f1"},
    {"nah", L"校正血钠（Hillier）", L"mmol/L", "na+2.4*max(glu-5.55,0)/5.55", "f1"},
};

constexpr VerdictRule kRules[] = {
    {"na<=0 || glu<=0", kLevelWarning, L"请核对血钠与血糖数值"},
    {"nak<=134.95 && na+2.4*max(glu-5.55,0)/5.55>=145.05", kLevelWarning,
     L"两种校正结果方向相反（极度高血糖），以复查为准，立即报告医师"},
    {"na<120 || na>160", kLevelWarning, L"实测血钠达危急值范围（以本院为准），立即报告医师"},
    {"nah>=155.05", kLevelWarning, L"校正血钠>155（Hillier），重度高钠，立即报告医师"},
    {"nak<124.95", kLevelWarning, L"校正血钠<125（Katz），重度低钠，立即报告医师"},
    {"glu>=33.3", kLevelWarning, L"血糖≥33.3，警惕高渗高血糖状态，立即报告医师"},
    {"nah>=145.05", kLevelAttention, L"校正血钠>145（Hillier），高钠，报告医师评估补液"},
    {"nak<=134.95", kLevelAttention, L"校正血钠<135（Katz），低钠，报告医师查明原因"},
    {"glu>=11.1", kLevelAttention, L"校正血钠正常，血糖明显升高，报告医师评估 DKA/HHS"},
    {"", kLevelNormal, L"校正血钠正常（135–145 mmol/L）"},
};

constexpr ToolDef kTool = {
    333,
    L"高血糖校正血钠",
    L"高血糖时校正血钠（两种系数）",
    L"检验计算",
    L"Katz MA. N Engl J Med 1973;289:843-844；Hillier TA 等. Am J Med 1999;106:399-403；Spasovski G 等. Eur "
    L"J Endocrinol 2014;170:G1-G47（低钠<125 为重度）；Theisen-Toupal J, Mattison MLP. Hypernatremia in "
    L"adults. Hosp Med Clin 2015;4(2)（重度高钠常用界值>155）；Umpierrez GE 等. Diabetes Care "
    L"2024;47:1257（DKA 血糖≥11.1 mmol/L，HHS 血糖≥33.3 mmol/L）",
    L"Katz 系数 1.6 为理论推算（无实测数据），Hillier 系数 2.4 来自 6 名健康志愿者血糖自空腹升至 >33.3 "
    L"mmol/L（600 mg/dL）的实测，其中血糖≤22.2 mmol/L 时 1.6 与实测相符、更高时实际降幅更大；低钠按 Katz "
    L"值、高钠按 Hillier "
    L"值判读（取较警示者），两者方向相反时（极度高血糖）以复查为准；重度高钠无统一界值（文献取>155 "
    L"或>160），本工具取常用界值>155；实测血钠<120 或>160 mmol/L "
    L"按危急值报告（以本院危急值界值为准）；血糖≥11.1 mmol/L 须评估糖尿病酮症酸中毒（DKA），≥33.3 mmol/L "
    L"警惕高渗高血糖状态（HHS）。",
    countOf(kInputs),
    kInputs,
    countOf(kOutputs),
    kOutputs,
    countOf(kRules),
    kRules,
    report_kind::None,
};

} // namespace

const ToolDef& tool333() {
    return kTool;
}
