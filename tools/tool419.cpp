// Tool 419: HOMA-IR and HOMA-beta.
#include "engine/tool.h"

namespace {

constexpr InputField kInputs[] = {
    {"glu", L"空腹血糖", L"mmol/L", 5.0, 0, nullptr, 0.1, 150.0},
    {"ins", L"空腹胰岛素", L"μU/mL", 8.0, 0, nullptr, 0.1, 10000.0},
};

constexpr OutputField kOutputs[] = {
    {"ir", L"HOMA-IR", nullptr, "glu*ins/22.5", "f2"},
    {"beta", L"HOMA-β", L"%", "glu>3.5 ? 20*ins/max(glu-3.5,0.0001) : 0", "f1"},
};

constexpr VerdictRule kRules[] = {
    {"glu<=3.5", kLevelWarning, L"空腹血糖≤3.5，HOMA-β 不适用，核对后报告医师"},
    {"glu<3.9", kLevelAttention, L"空腹血糖<3.9，HOMA-β 不可靠，核对标本"},
    {"glu>=7", kLevelAttention, L"空腹血糖≥7.0，达糖尿病诊断切点，须复查并报告医师"},
    {"glu>=6.1", kLevelAttention, L"空腹血糖 6.1–6.9，空腹血糖受损范围，报告医师"},
    {"", kLevelNormal, L"HOMA 已算出，无统一切点，以本院参考区间为准"},
};

constexpr ToolDef kTool = {
    419,
    L"HOMA-IR 与 HOMA-β",
    L"胰岛素抵抗与β细胞功能（HOMA）",
    L"检验计算",
    L"Matthews DR, Hosker JP, Rudenski AS, Naylor BA, Treacher DF, Turner RC. Diabetologia "
    L"1985;28(7):412-419（HOMA-IR＝空腹血糖×空腹胰岛素/22.5，HOMA-β＝20×空腹胰岛素/(空腹血糖-3.5)，血糖 "
    L"mmol/L、胰岛素 μU/mL；估计值变异系数约 31%–32%）；Wallace TM, Levy JC, Matthews DR. Diabetes Care "
    L"2004;27(6):1487-1495（HOMA 的应用与局限）；中华医学会糖尿病学分会. "
    L"胰岛素抵抗相关临床问题专家共识（2022 版）. 中华糖尿病杂志 "
    L"2022;14(12):1368-1379（胰岛素抵抗的评估方法）；中华医学会糖尿病学分会. 中国2型糖尿病防治指南（2020 "
    L"年版）. 中华糖尿病杂志 2021;13(4):315-409（空腹血糖 6.1–<7.0 mmol/L 为空腹血糖受损，≥7.0 mmol/L "
    L"达糖尿病诊断切点，无症状者须改日复查；糖尿病患者血糖<3.9 mmol/L 为低血糖）",
    L"仅适用于未用胰岛素治疗者空腹至少 8 h 的静脉血，血糖单位 mmol/L，胰岛素单位 μU/mL（即 "
    L"μIU/mL、mU/L），以 pmol/L 报告者约除以 6 换算，C 肽不能代替胰岛素；本式为 1985 年 HOMA1 线性近似，与 "
    L"HOMA2 软件结果不同，个体精密度低，宜用于同一实验室同一方法的前后比较；空腹血糖≤3.5 mmol/L 时 HOMA-β "
    L"无意义（显示为 0），3.5–3.9 mmol/L 时 HOMA-β "
    L"明显偏大、不可靠，标本放置过久未分离可使血糖假性降低；中国指南未规定 HOMA-IR 与 HOMA-β "
    L"的统一切点，文献界值因人群与胰岛素检测方法而异，以本院参考区间为准；是否存在胰岛素抵抗或β细胞功能减退、"
    L"糖尿病的诊断与治疗由医师结合临床判断。",
    countOf(kInputs),
    kInputs,
    countOf(kOutputs),
    kOutputs,
    countOf(kRules),
    kRules,
    report_kind::None,
};

} // namespace

const ToolDef& tool419() {
    return kTool;
}
