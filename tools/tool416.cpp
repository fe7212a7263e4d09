// Tool 416: Ideal, adjusted and target body weight.
#include "engine/tool.h"
#include "tools/choices.h"

namespace {

constexpr InputField kInputs[] = {
    {"h", L"身高", L"cm", 170.0, 0, nullptr, 110.0, 280.0},
    {"w", L"实际体重", L"kg", 65.0, 0, nullptr, 2.0, 700.0},
    {"sex", L"性别", nullptr, 1.0, countOf(kSex), kSex},
    {"tbmi", L"目标 BMI", L"kg/m2", 22.0, 0, nullptr, 10.0, 40.0},
};

constexpr OutputField kOutputs[] = {
    {"ibw", L"理想体重（Devine）", L"kg", "((sex==2 ? 45.5 : 50)+2.3*(h/2.54-60))", "f1"},
    {"pct", L"实际/理想体重", L"%", "w/((sex==2 ? 45.5 : 50)+2.3*(h/2.54-60))*100", "f0"},
    {"abw", L"校正体重（0.4）", L"kg",
     "((sex==2 ? 45.5 : 50)+2.3*(h/2.54-60))+0.4*(w-((sex==2 ? 45.5 : 50)+2.3*(h/2.54-60)))", "f1"},
    {"bmi", L"BMI", L"kg/m2", "w/(h/100)^2", "f1"},
    {"tw", L"目标体重", L"kg", "tbmi*(h/100)^2", "f1"},
    {"dw", L"实际-目标体重", L"kg", "w-tbmi*(h/100)^2", "f1"},
};

constexpr VerdictRule kRules[] = {
    {"w/(h/100)^2<5 || w/(h/100)^2>250", kLevelWarning, L"身高与体重不相称（BMI<5 或>250），请核对"},
    {"bmi<=18.45", kLevelAttention, L"BMI<18.5 体重过低（WS/T 428），建议营养筛查"},
    {"bmi>27.95", kLevelAttention, L"BMI≥28 肥胖（WS/T 428），按药物选用给药体重"},
    {"bmi>23.95", kLevelAttention, L"BMI 24.0–27.9 超重（WS/T 428）"},
    {"", kLevelNormal, L"BMI 18.5–23.9 正常（WS/T 428）"},
};

constexpr ToolDef kTool = {
    416,
    L"理想、校正与目标体重",
    L"Devine 理想体重与校正体重",
    L"营养评估",
    L"Devine BJ. Gentamicin therapy. Drug Intell Clin Pharm 1974;8:650-655（理想体重：男 50 kg、女 45.5 "
    L"kg，身高超过 5 英尺后每英寸加 2.3 kg）；Pai MP, Paloucek FP. The origin of the “ideal” body weight "
    L"equations. Ann Pharmacother 2000;34(9):1066-1069；Bauer LA, Edwards WA, Dellinger EP, Simonowitz DA. "
    L"Eur J Clin Pharmacol 1983;24(5):643-647（病态肥胖者氨基糖苷类分布容积增大）；Traynor AM, Nafziger AN, "
    L"Bertino JS Jr. Aminoglycoside dosing weight correction factors for patients of various body sizes. "
    L"Antimicrob Agents Chemother 1995;39(2):545-548（给药体重＝IBW＋0.4×(实际体重-IBW)，超重者回归系数 "
    L"0.43）；Rybak MJ, Le J, Lodise TP 等. Am J Health Syst Pharm 2020;77(11):835-864（万古霉素负荷量 20–35 "
    L"mg/kg 按实际体重）；McClave SA, Taylor BE, Martindale RG 等. JPEN J Parenter Enteral Nutr "
    L"2016;40(2):159-211（肥胖重症患者营养所用体重）；WS/T 428—2013《成人体重判定》（BMI<18.5 "
    L"体重过低，18.5–23.9 正常，24.0–27.9 超重，≥28.0 肥胖）",
    L"仅适用于成人，身高<152.4 cm（5 英尺）时 Devine 公式按线性外推、准确性差，本套工具 328 的预测体重用 "
    L"0.91 kg/cm，与本式相差<0.5 kg；校正体重（系数 "
    L"0."
    L"4）用于氨基糖苷类：肥胖者按校正体重，实际体重低于理想体重者按实际体重；万古霉素负荷量按实际体重；肥胖重"
    L"症患者营养按 ASPEN/SCCM 2016：BMI 30–50 能量 11–14 kcal/kg 实际体重、>50 为 22–25 kcal/kg "
    L"理想体重，蛋白质 2.0–2.5 g/kg 理想体重，其他营养指南的校正系数不同；目标体重＝目标 BMI×身高(m) "
    L"的平方，目标 BMI 由医师或营养师设定（中国成人正常 "
    L"18.5–23.9）；水肿、腹水、截肢或妊娠时体重不可靠，药物剂量以说明书与医嘱为准。",
    countOf(kInputs),
    kInputs,
    countOf(kOutputs),
    kOutputs,
    countOf(kRules),
    kRules,
    report_kind::None,
};

} // namespace

const ToolDef& tool416() {
    return kTool;
}
