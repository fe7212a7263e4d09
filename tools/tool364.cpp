// Tool 364: expected PaCO2 in metabolic acidosis by Winter's formula.
#include "engine/tool.h"

namespace {

constexpr InputField kInputs[] = {
    {"ph", L"pH", nullptr, 7.4, 0, nullptr, 6.3, 8.0},
    {"paco2", L"PaCO2", L"mmHg", 40.0, 0, nullptr, 5.0, 400.0},
    {"hco3", L"碳酸氢根", L"mmol/L", 24.0, 0, nullptr, 1.0, 80.0},
};

constexpr OutputField kOutputs[] = {
    {"lo", L"预计 PaCO2 下限", L"mmHg", "1.5*hco3+8-2", "f2"},
    {"hi", L"预计 PaCO2 上限", L"mmHg", "1.5*hco3+8+2", "f2"},
};

constexpr VerdictRule kRules[] = {
    {"paco2<=0 || hco3<=0", kLevelWarning, L"请核对 pH、PaCO2 与碳酸氢根"},
    {"ph>=7.35 || hco3>=22", kLevelAttention, L"非单纯代谢性酸中毒，公式不适用，报告医师判读"},
    {"paco2>hi+0.005", kLevelWarning, L"PaCO2 高于预计，合并呼吸性酸中毒，立即报告医师"},
    {"ph<=7.2", kLevelWarning, L"重度酸血症（pH≤7.20），立即报告医师"},
    {"paco2<lo-0.005", kLevelAttention, L"PaCO2 低于预计，合并呼吸性碱中毒，报告医师"},
    {"", kLevelAttention, L"呼吸代偿适当，查阴离子间隙并报告医师"},
};

constexpr ToolDef kTool = {
    364,
    L"酸碱代偿（Winter 公式）",
    L"代谢性酸中毒的呼吸代偿预计值",
    L"检验计算",
    L"Albert MS, Dell RB, Winters RW. Ann Intern Med 1967;66:312-322（预计 PaCO2＝1.5×HCO3-＋8±2）；Berend "
    L"K, de Vries APJ, Gans ROB. N Engl J Med 2014;371:1434-1445（分步判读）；Jaber S 等. Lancet "
    L"2018;392:31-40（BICAR-ICU：重度代谢性酸血症 pH≤7.20）；《病理生理学》第 9 "
    L"版（人民卫生出版社，2018）酸碱平衡紊乱（代谢性酸中毒代偿预计值公式）",
    L"仅用于原发性代谢性酸中毒（pH<7.35 且 HCO3-<22 mmol/L）判断呼吸代偿是否适当，须为同一份动脉血气；代偿需 "
    L"12–24 小时达到稳定，急性期判读需谨慎；pH 正常而 HCO3- "
    L"降低可为混合性紊乱，由医师判读；不判断代谢性碱中毒及原发性呼吸性紊乱；下一步计算阴离子间隙（本套工具 "
    L"325），必要时再算 ΔAG/ΔHCO3-。",
    countOf(kInputs),
    kInputs,
    countOf(kOutputs),
    kOutputs,
    countOf(kRules),
    kRules,
    report_kind::None,
};

} // namespace

const ToolDef& tool364() {
    return kTool;
}
