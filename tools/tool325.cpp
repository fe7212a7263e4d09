// Tool 325: anion gap, plain and corrected for albumin.
#include "engine/tool.h"

namespace {

constexpr InputField kInputs[] = {
    {"na", L"钠", L"mmol/L", 140.0, 0, nullptr, 80.0, 300.0},
    {"cl", L"氯", L"mmol/L", 104.0, 0, nullptr, 30.0, 250.0},
    {"hco3", L"碳酸氢根", L"mmol/L", 24.0, 0, nullptr, 1.0, 80.0},
    {"alb", L"白蛋白", L"g/L", 40.0, 0, nullptr, 5.0, 70.0},
};

constexpr OutputField kOutputs[] = {
    {"ag", L"AG", L"mmol/L", "na-cl-hco3", "f1"},
    {"agc", L"校正 AG", L"mmol/L", "na-cl-hco3+0.25*(40-alb)", "f1"},
};

constexpr VerdictRule kRules[] = {
    {"na<=0 || cl<=0 || hco3<=0 || alb<=0", kLevelWarning, L"请核对电解质与白蛋白数值"},
    {"agc>=16.05", kLevelAttention, L"阴离子间隙升高，排查代谢性酸中毒原因"},
    {"agc<7.95", kLevelAttention, L"阴离子间隙降低，核对检验并排查异常蛋白血症"},
    {"", kLevelNormal, L"阴离子间隙正常（8–16 mmol/L）"},
};

constexpr ToolDef kTool = {
    325,
    L"阴离子间隙",
    L"阴离子间隙及白蛋白校正",
    L"检验计算",
    L"Figge J 等. Crit Care Med 1998;26:1807-1810（白蛋白校正）；《全国临床检验操作规程》第4版（AG 8–16 "
    L"mmol/L）",
    L"参考范围随检测方法而异，现代离子选择电极法的正常 AG 较低（约 3–11 "
    L"mmol/L），以本院检验科为准，结果须结合血气分析与临床解读。",
    countOf(kInputs),
    kInputs,
    countOf(kOutputs),
    kOutputs,
    countOf(kRules),
    kRules,
    report_kind::None,
};

} // namespace

const ToolDef& tool325() {
    return kTool;
}
