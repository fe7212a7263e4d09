// Tool 334: free-water deficit.
#include "engine/tool.h"
#include "tools/choices.h"

namespace {

constexpr InputField kInputs[] = {
    {"na", L"血钠", L"mmol/L", 155.0, 0, nullptr, 80.0, 300.0},
    {"wt", L"体重", L"kg", 60.0, 0, nullptr, 2.0, 700.0},
    {"sex", L"性别", nullptr, 1.0, countOf(kSex), kSex},
    {"age", L"年龄", L"岁", 50.0, 0, nullptr, 0.0, 125.0},
};

constexpr OutputField kOutputs[] = {
    {"tbwf", L"体液系数", nullptr, "(age>=65 ? (sex==2?0.45:0.5) : (sex==2?0.5:0.6))", "f2"},
    {"tbw", L"总体液量", L"L", "wt*(age>=65 ? (sex==2?0.45:0.5) : (sex==2?0.5:0.6))", "f1"},
    {"fwd", L"游离水缺失", L"L",
     "na>145 ? wt*(age>=65 ? (sex==2?0.45:0.5) : (sex==2?0.5:0.6))*(na/140-1) : 0", "f1"},
};

constexpr VerdictRule kRules[] = {
    {"na<=0 || wt<=0 || age<18", kLevelWarning, L"仅适用于成人，请核对血钠、体重与年龄"},
    {"na<125", kLevelWarning, L"重度低钠（<125），立即报告医师"},
    {"na<135", kLevelAttention, L"低钠血症（<135），本工具不适用，报告医师"},
    {"na<=145", kLevelNormal, L"血钠≤145 mmol/L，无游离水缺失"},
    {"na>155", kLevelWarning, L"重度高钠（>155），立即报告医师"},
    {"", kLevelAttention, L"高钠血症，补水量与速度遵医嘱"},
};

constexpr ToolDef kTool = {
    334,
    L"游离水缺失",
    L"高钠血症游离水缺失量估算",
    L"水电解质",
    L"Adrogué HJ, Madias NE. N Engl J Med 2000;342:1493-1499（体液系数、纠正速度）；Rose BD, Post TW. "
    L"Clinical Physiology of Acid-Base and Electrolyte Disorders 第 5 "
    L"版（2001）（缺水量公式）；Theisen-Toupal J, Mattison MLP. Hypernatremia in adults. Hosp Med Clin "
    L"2015;4(2)（重度高钠常用界值>155）",
    L"体液系数：男 0.6、女 0.5，≥65 岁男 0.5、女 "
    L"0.45；高血糖者先用校正血钠；本式（TBW×(Na/140-1)）与《外科学》补水量公式〔(测得 Na-142)×体重×4（女 "
    L"3）〕结果不同，勿混用；结果不含等渗液丢失，补液时另加当日生理需要量及继续丢失；慢性或病程不明的高钠血症"
    L"血钠下降一般每 24 小时不超过 10 mmol/L，补液种类、总量与速度由医师决定并按复查血钠调整。",
    countOf(kInputs),
    kInputs,
    countOf(kOutputs),
    kOutputs,
    countOf(kRules),
    kRules,
    report_kind::None,
};

} // namespace

const ToolDef& tool334() {
    return kTool;
}
