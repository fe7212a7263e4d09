// Tool 365: LDL cholesterol by the Friedewald formula.
#include "engine/tool.h"

namespace {

constexpr InputField kInputs[] = {
    {"tc", L"总胆固醇", L"mmol/L", 4.5, 0, nullptr, 0.3, 200.0},
    {"tg", L"甘油三酯", L"mmol/L", 1.2, 0, nullptr, 0.05, 1000.0},
    {"hdl", L"HDL-C", L"mmol/L", 1.3, 0, nullptr, 0.02, 8.0},
};

constexpr OutputField kOutputs[] = {
    {"ldl", L"LDL-C（计算）", L"mmol/L", "tc-hdl-tg/2.2", "f2"},
    {"nonhdl", L"非 HDL-C", L"mmol/L", "tc-hdl", "f2"},
};

constexpr VerdictRule kRules[] = {
    {"tc<=0 || tg<=0 || hdl<=0 || hdl>=tc", kLevelWarning, L"请核对 TC、TG 与 HDL-C（mmol/L）"},
    {"tg>=5.6", kLevelWarning, L"TG≥5.6，急性胰腺炎风险，公式不适用，报告医师"},
    {"tg>4.5", kLevelAttention, L"TG>4.5，公式不适用，请直接测定 LDL-C"},
    {"ldl<0.005", kLevelWarning, L"LDL-C 计算值≤0，核对数值或直接测定"},
    {"ldl>4.895 || tc>=7.2", kLevelAttention, L"LDL-C≥4.9 或 TC≥7.2，直接列为高危，报告医师"},
    {"ldl<=1.795 && tg>=1.7", kLevelAttention, L"LDL-C<1.8 且 TG≥1.7，可能低估，宜直接测定"},
    {"", kLevelNormal, L"LDL-C 已算出，按 ASCVD 风险分层确定目标"},
};

constexpr ToolDef kTool = {
    365,
    L"LDL-C（Friedewald）",
    L"Friedewald 估算 LDL-C",
    L"检验计算",
    L"Friedewald WT, Levy RI, Fredrickson DS. Clin Chem 1972;18:499-502（mmol/L 单位 "
    L"TG÷2.2）；中国血脂管理指南修订联合专家委员会. 中国血脂管理指南（2023 年）. 中华心血管病杂志 "
    L"2023;51(3):221-255（LDL-C≥4.9 或 TC≥7.2 mmol/L 直接列为高危；TG≥5.6 mmol/L 急性胰腺炎风险）；Martin SS "
    L"等. JAMA 2013;310:2061-2068（LDL-C 低、TG 高时 Friedewald 低估）",
    L"宜用空腹血脂，仅适用于 TG≤4.5 mmol/L，TG>4.5、乳糜微粒血症或Ⅲ型高脂蛋白血症时须直接测定 "
    L"LDL-C；LDL-C<1.8 mmol/L 且 TG≥1.7 mmol/L 时公式可能低估，宜直接测定；LDL-C 目标值按 ASCVD "
    L"风险分层确定（须结合 ASCVD 病史、糖尿病、慢性肾病、高血压及其他危险因素），本工具不判断是否达标；非 "
    L"HDL-C＝TC-HDL-C，为次要干预靶点；各值单位均为 mmol/L。",
    countOf(kInputs),
    kInputs,
    countOf(kOutputs),
    kOutputs,
    countOf(kRules),
    kRules,
    report_kind::None,
};

} // namespace

const ToolDef& tool365() {
    return kTool;
}
