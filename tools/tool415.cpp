// Tool 415: Anion-gap change and delta ratio, albumin-corrected.
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
    {"dag", L"ΔAG", L"mmol/L", "na-cl-hco3-12", "f1"},
    {"dagc", L"校正 ΔAG", L"mmol/L", "na-cl-hco3+0.25*(40-alb)-12", "f1"},
    {"dh", L"ΔHCO3-", L"mmol/L", "24-hco3", "f1"},
    {"dr", L"Δ比值", nullptr, "(hco3<24 ? (na-cl-hco3-12)/(24-hco3+(24==hco3)) : 0)", "f2"},
    {"drc", L"校正 Δ比值", nullptr, "(hco3<24 ? (na-cl-hco3+0.25*(40-alb)-12)/(24-hco3+(24==hco3)) : 0)",
     "f2"},
};

constexpr VerdictRule kRules[] = {
    {"na-cl-hco3<=-0.05", kLevelWarning, L"AG 为负值，请核对钠、氯与碳酸氢根"},
    {"agc<16.05 && hco3<22", kLevelAttention, L"AG 不高而 HCO3-<22：AG 正常型代酸或呼碱代偿"},
    {"agc<16.05", kLevelNormal, L"校正 AG 未升高（≤16），Δ比值不适用"},
    {"hco3>=24", kLevelAttention, L"AG 升高而 HCO3-≥24，提示合并代碱或慢性呼酸"},
    {"drc<=0.995", kLevelAttention, L"Δ比值<1，高 AG 代酸合并 AG 正常型代酸"},
    {"drc>2.005", kLevelAttention, L"Δ比值>2，高 AG 代酸合并代碱或慢性呼酸代偿"},
    {"", kLevelAttention, L"Δ比值 1–2，符合单纯高 AG 代谢性酸中毒"},
};

constexpr ToolDef kTool = {
    415,
    L"阴离子间隙变化值与 Δ比值",
    L"ΔAG、Δ比值及白蛋白校正",
    L"检验计算",
    L"Emmett M, Narins RG. Clinical use of the anion gap. Medicine (Baltimore) "
    L"1977;56(1):38-54（AG＝Na-(Cl+HCO3)）；Wrenn K. The delta (Δ) gap: an approach to mixed acid-base "
    L"disorders. Ann Emerg Med 1990;19(11):1310-1313；Rastegar A. Use of the ΔAG/ΔHCO3- ratio in the "
    L"diagnosis of mixed acid-base disorders. J Am Soc Nephrol "
    L"2007;18(9):2429-2431（ΔAG＝AG-12，ΔHCO3-＝24-HCO3-；单纯高 AG 代谢性酸中毒比值约 1–2，<1 提示合并 AG "
    L"正常型代酸，>2 提示合并代谢性碱中毒）；Figge J, Jabor A, Kazda A, Fencl V. Anion gap and "
    L"hypoalbuminemia. Crit Care Med 1998;26(11):1807-1810（白蛋白每低于正常 10 g/L，AG 加 2.5 "
    L"mmol/L）；Berend K, de Vries APJ, Gans ROB. Physiological approach to assessment of acid-base "
    L"disturbances. N Engl J Med 2014;371(15):1434-1445；王建枝，钱睿哲主编.《病理生理学》第 9 版. "
    L"人民卫生出版社，2018（AG 正常值 12±2 mmol/L，HCO3- 平均 24 mmol/L）",
    L"常数取正常 AG 12、HCO3- 24 mmol/L、正常白蛋白 40 g/L（与本套工具 325 相同），现代离子选择电极法的正常 "
    L"AG 较低（约 3–11 mmol/L），以本院参考值为准；Δ比值仅在校正 AG 升高（>16 mmol/L）且 HCO3-<24 mmol/L "
    L"时判读，HCO3-≥24 时比值显示 "
    L"0（不计算），判读用白蛋白校正后的比值；糖尿病酮症酸中毒因酮体经尿丢失比值常接近 1，乳酸酸中毒常高于 "
    L"1；须用同一时间的血气与电解质，本工具不读 pH 与 "
    L"PaCO2，不能单独诊断混合性酸碱紊乱，结果由医师结合血气与临床判读。",
    countOf(kInputs),
    kInputs,
    countOf(kOutputs),
    kOutputs,
    countOf(kRules),
    kRules,
    report_kind::None,
};

} // namespace

const ToolDef& tool415() {
    return kTool;
}
