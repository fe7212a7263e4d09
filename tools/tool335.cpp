// Tool 335: fractional excretion of sodium.
#include "engine/tool.h"

namespace {

constexpr InputField kInputs[] = {
    {"una", L"尿钠", L"mmol/L", 20.0, 0, nullptr, 1.0, 500.0},
    {"pna", L"血钠", L"mmol/L", 140.0, 0, nullptr, 80.0, 300.0},
    {"ucr", L"尿肌酐", L"μmol/L", 8000.0, 0, nullptr, 100.0, 50000.0},
    {"pcr", L"血肌酐", L"μmol/L", 150.0, 0, nullptr, 10.0, 4000.0},
};

constexpr OutputField kOutputs[] = {
    {"fena", L"FENa", L"%", "una*pcr/(pna*ucr)*100", "f2"},
};

constexpr VerdictRule kRules[] = {
    {"una<=0 || pna<=0 || ucr<=0 || pcr<=0", kLevelWarning, L"请核对尿钠、血钠与肌酐数值"},
    {"ucr<=pcr", kLevelWarning, L"尿肌酐不高于血肌酐，核对单位（均为 μmol/L）"},
    {"fena<=0.995", kLevelAttention, L"FENa<1%，提示肾前性（未用利尿剂时），报告医师"},
    {"fena>2.005", kLevelWarning, L"FENa>2%，提示肾性损伤（如急性肾小管坏死），报告医师"},
    {"", kLevelAttention, L"FENa 1–2%，不能区分，结合临床"},
};

constexpr ToolDef kTool = {
    335,
    L"钠排泄分数 FENa",
    L"少尿性急性肾损伤的钠排泄分数",
    L"肾功能",
    L"Espinel CH. JAMA 1976;236:579-581；Miller TR 等. Ann Intern Med 1978;89:47-50；Carvounis CP 等. Kidney "
    L"Int 2002;62:2223-2229（FEUrea）；Mohsenin V. J Intensive Care 2017;5:57（界值 <1%、>2%）",
    L"仅适用于成人（新生儿/早产儿 FENa 生理性偏高），慢性肾病基础上解读需谨慎；仅用于少尿（<400 ml/d 或 <0.5 "
    L"ml/kg/h）性急性肾损伤的鉴别，用过利尿剂后结果不可靠，改用尿素排泄分数（FEUrea<35% "
    L"提示肾前性）；造影剂肾病、横纹肌溶解、急性肾小球肾炎及心衰或肝硬化时 FENa "
    L"亦可<1%，尿肌酐与血肌酐须同为 μmol/L 且同时留取。",
    countOf(kInputs),
    kInputs,
    countOf(kOutputs),
    kOutputs,
    countOf(kRules),
    kRules,
    report_kind::None,
};

} // namespace

const ToolDef& tool335() {
    return kTool;
}
