// Tool 367: FIB-4 and APRI indices of liver fibrosis.
#include "engine/tool.h"

namespace {

constexpr InputField kInputs[] = {
    {"age", L"年龄", L"岁", 45.0, 0, nullptr, 0.0, 125.0},
    {"ast", L"AST", L"U/L", 24.0, 0, nullptr, 1.0, 100000.0},
    {"alt", L"ALT", L"U/L", 25.0, 0, nullptr, 1.0, 100000.0},
    {"plt", L"血小板", L"×10^9/L", 200.0, 0, nullptr, 1.0, 5000.0},
    {"uln", L"AST 正常上限", L"U/L", 40.0, 0, nullptr, 10.0, 100.0},
};

constexpr OutputField kOutputs[] = {
    {"fib4", L"FIB-4", nullptr, "age*ast/(plt*sqrt(alt))", "f2"},
    {"apri", L"APRI", nullptr, "ast/uln*100/plt", "f2"},
};

constexpr VerdictRule kRules[] = {
    {"age<18 || ast<=0 || alt<=0 || plt<=0 || uln<=0", kLevelWarning,
     L"仅适用于成人，请核对年龄、转氨酶、血小板与 AST 上限"},
    {"ast>5*uln || alt>5*uln", kLevelWarning, L"转氨酶>5 倍上限，不宜评估纤维化，报告医师"},
    {"apri>=1.995", kLevelWarning, L"APRI≥2，提示肝硬化，报告医师并转肝病专科"},
    {"fib4>2.675", kLevelWarning, L"FIB-4>2.67，提示进展期肝纤维化，报告医师"},
    {"apri>1.505", kLevelAttention, L"APRI>1.5，提示显著纤维化，不能排除肝硬化，报告医师"},
    {"apri>0.995", kLevelAttention, L"APRI≥1，不能排除肝硬化，报告医师评估"},
    {"(age>=65 ? fib4>=1.995 : fib4>1.295)", kLevelAttention, L"FIB-4 处于中间区，建议弹性成像进一步评估"},
    {"apri>=0.505", kLevelAttention, L"APRI>0.5，不能排除显著纤维化，结合弹性成像评估"},
    {"age<36", kLevelAttention, L"年龄≤35 岁 FIB-4 不可靠，结合弹性成像评估"},
    {"", kLevelNormal, L"FIB-4 与 APRI 均低于界值，进展期纤维化可能小"},
};

constexpr ToolDef kTool = {
    367,
    L"FIB-4 与 APRI 肝纤维化",
    L"肝纤维化无创评分（FIB-4、APRI）",
    L"肝功能",
    L"Sterling RK 等. Hepatology 2006;43:1317-1325（FIB-4）；Shah AG 等. Clin Gastroenterol Hepatol "
    L"2009;7:1104-1112（界值 1.30/2.67）；McPherson S 等. Am J Gastroenterol 2017;112:740-751（≥65 岁下限 "
    L"2.0，≤35 岁不可靠）；Wai CT 等. Hepatology 2003;38:518-526（APRI 0.5/1.5）；WHO. Guidelines for the "
    L"prevention, care and treatment of persons with chronic hepatitis B infection, 2015（APRI>2 "
    L"肝硬化）；WHO. Guidelines for the prevention, diagnosis, care and treatment for people with chronic "
    L"hepatitis B infection. Geneva: World Health Organization, 2024（APRI>0.5 显著纤维化、>1 "
    L"肝硬化，作为乙肝治疗评估界值）；中华医学会肝病学分会、中华医学会感染病学分会《慢性乙型肝炎防治指南（202"
    L"2 年版）》（成人 APRI≥2 提示肝硬化、<1 排除肝硬化；FIB-4≥3.25 提示≥F3、<1.45 排除）",
    L"仅适用于成人慢性肝病（慢性乙/丙型肝炎、脂肪性肝病）的纤维化初筛，不能替代瞬时弹性成像或肝活检；FIB-4 "
    L"界值取 Shah 2009（<1.30 排除、>2.67 提示进展期纤维化，≥65 岁排除界值 2.0），Sterling "
    L"原文（HIV/HCV）及《慢性乙型肝炎防治指南（2022 年版）》用<1.45 排除、≥3.25 提示≥F3，≤35 岁者 FIB-4 "
    L"准确性差；APRI≤0.5 基本排除、>1.5 提示显著纤维化，≥2 提示肝硬化、<1 基本排除肝硬化；WHO 2024 "
    L"乙肝指南为减少漏诊，以 APRI>0.5、>1 "
    L"分别作为显著纤维化、肝硬化的治疗评估界值（敏感度优先、特异度低），本工具对 APRI 0.5–2 "
    L"提示“不能排除”，由医师结合弹性成像判断；急性肝炎或转氨酶>5 "
    L"倍上限、肝外原因的血小板减少（如脾功能亢进以外的血液病、化疗后）或 AST "
    L"升高（溶血、肌病、酗酒）时结果不可靠；AST 上限按本院参考区间填写（常用男 40、女 35 U/L），ALT 按 AST "
    L"上限的 5 倍判断，较 ALT 自身上限（男 50、女 40 U/L）略严。",
    countOf(kInputs),
    kInputs,
    countOf(kOutputs),
    kOutputs,
    countOf(kRules),
    kRules,
    report_kind::None,
};

} // namespace

const ToolDef& tool367() {
    return kTool;
}
