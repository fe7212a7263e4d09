// Tool 372: expected change of serum sodium per litre of infusate.
#include "engine/tool.h"
#include "tools/choices.h"

namespace {

constexpr InputChoice kInf[] = {
    {0.0, L"mmol/L 5%葡萄糖"},     {77.0, L"mmol/L 0.45%盐水"}, {130.0, L"mmol/L 乳酸钠林格液"},
    {154.0, L"mmol/L 0.9%氯化钠"}, {513.0, L"mmol/L 3%氯化钠"},
};
constexpr InputChoice kRisk[] = {
    {0.0, L"否"},
    {1.0, L"是（低钾/酗酒/肝病等）"},
};

constexpr InputField kInputs[] = {
    {"na", L"血钠", L"mmol/L", 128.0, 0, nullptr, 80.0, 300.0},
    {"wt", L"体重", L"kg", 60.0, 0, nullptr, 2.0, 700.0},
    {"sex", L"性别", nullptr, 1.0, countOf(kSex), kSex},
    {"age", L"年龄", L"岁", 50.0, 0, nullptr, 0.0, 125.0},
    {"inf", L"输注液（含钠）", nullptr, 513.0, countOf(kInf), kInf},
    {"ik", L"输注液含钾", L"mmol/L", 0.0, 0, nullptr, 0.0, 1000.0},
    {"risk", L"脱髓鞘高危", nullptr, 0.0, countOf(kRisk), kRisk},
    {"rise", L"24h计划升幅", L"mmol/L", 6.0, 0, nullptr, 0.1, 30.0},
};

constexpr OutputField kOutputs[] = {
    {"tbw", L"总体液量", L"L", "wt*(age>=65 ? (sex==2?0.45:0.5) : (sex==2?0.5:0.6))", "f1"},
    {"dpl", L"每升液体血钠变化", L"mmol/L",
     "(inf+ik-na)/(wt*(age>=65 ? (sex==2?0.45:0.5) : (sex==2?0.5:0.6))+1)", "f2"},
    {"vol", L"达计划升幅所需液量", L"ml",
     "(inf+ik>na ? rise*(wt*(age>=65 ? (sex==2?0.45:0.5) : "
     "(sex==2?0.5:0.6))+1)/(inf+ik-na+(inf+ik==na))*1000 : 0)",
     "f0"},
    {"rate", L"24 h 匀速输注速度", L"ml/h",
     "(inf+ik>na ? rise*(wt*(age>=65 ? (sex==2?0.45:0.5) : "
     "(sex==2?0.5:0.6))+1)/(inf+ik-na+(inf+ik==na))*1000 : 0)/24",
     "f1"},
};

constexpr VerdictRule kRules[] = {
    {"na<=0 || wt<=0 || age<18 || ik<0 || rise<=0", kLevelWarning,
     L"仅适用于成人，请核对血钠、体重、年龄、钾与升幅"},
    {"na>=135", kLevelAttention, L"血钠≥135，非低钠血症，本工具不适用"},
    {"inf+ik<=na", kLevelWarning, L"所选液体不能升高血钠（钠钾不高于血钠），报告医师"},
    {"rise>10", kLevelWarning, L"计划升幅>10 mmol/L/24 h，有渗透性脱髓鞘风险"},
    {"(risk==1 || na<=105) && rise>8", kLevelWarning, L"脱髓鞘高危者计划升幅>8 mmol/L/24 h，过快"},
    {"na<125", kLevelWarning, L"重度低钠（<125），立即报告医师，每 2–4 h 复查"},
    {"vol>3000.5", kLevelAttention, L"所需液量>3000 ml，警惕容量负荷，报告医师"},
    {"", kLevelAttention, L"按医嘱补钠，每 2–4 h 复查血钠，结果报告医师调整速度"},
};

constexpr ToolDef kTool = {
    372,
    L"低钠补钠预测（Adrogue-Madias）",
    L"低钠血症输液后血钠变化预测",
    L"水电解质",
    L"Adrogué HJ, Madias NE. N Engl J Med 2000;342:1581-1589（每升输液血钠变化公式、体液系数）；Spasovski G "
    L"等. Eur J Endocrinol 2014;170:G1-G47（首个 24 h 升幅不超过 10 mmol/L）；Verbalis JG 等. Am J Med "
    L"2013;126(10 Suppl 1):S1-S42（脱髓鞘高危者 24 h 不超过 8 mmol/L）；Mohmand HK 等. Clin J Am Soc Nephrol "
    L"2007;2:1110-1117（公式常低估升幅）；中华医学会内分泌学分会电解质紊乱学组《低钠血症的中国专家共识》. "
    L"中华内分泌代谢杂志 2023;39(12):999-1009",
    L"仅适用于成人，输注液下拉项前的数字为每升含钠量（mmol/L），体液系数男 0.6、女 0.5，≥65 岁男 0.5、女 "
    L"0.45；结果为输入 1 L "
    L"液体（不计尿量与其他丢失）时的预测，常低估实际升幅（尤其低血容量纠正后或停用致低钠药物后出现大量水利尿"
    L"时），不能代替复查：使用高渗盐水时每 2–4 小时复查血钠，出现尿量骤增须立即报告医师；首个 24 h "
    L"升幅一般不超过 10 mmol/L、此后每 24 h 不超过 8 "
    L"mmol/L，脱髓鞘高危者（血钠≤105、低钾血症、酗酒、营养不良、晚期肝病）每 24 h 不超过 8 "
    L"mmol/L；乳酸钠林格液含钾 4 "
    L"mmol/L，液体中加入氯化钾时一并填入钾浓度；自行配制的高渗盐水按实际浓度计算（1% 氯化钠＝171 mmol/L，如 "
    L"0.9% 氯化钠 400 ml＋10% 氯化钠 100 ml 约 2.7%、465 mmol/L），与下拉项浓度不符时不得套用 "
    L"513，由医师按实际浓度计算；补钠种类、剂量与速度由医师决定，高渗盐水按高警示药品双人核对。",
    countOf(kInputs),
    kInputs,
    countOf(kOutputs),
    kOutputs,
    countOf(kRules),
    kRules,
    report_kind::None,
};

} // namespace

const ToolDef& tool372() {
    return kTool;
}
