// Tool 411: KDIGO stage of acute kidney injury by creatinine and urine output.
#include "engine/tool.h"

namespace {

constexpr InputChoice kRrt[] = {
    {0.0, L"未开始"},
    {1.0, L"已开始"},
};

constexpr InputField kInputs[] = {
    {"scr", L"当前血肌酐", L"μmol/L", 80.0, 0, nullptr, 10.0, 4000.0},
    {"base", L"基线血肌酐", L"μmol/L", 80.0, 0, nullptr, 10.0, 4000.0},
    {"rise", L"48 h 内升幅", L"μmol/L", 0.0, 0, nullptr, 0.0, 3000.0},
    {"uvol", L"时段尿量", L"ml", 1200.0, 0, nullptr, 0.0, 30000.0},
    {"uh", L"尿量时段", L"小时", 24.0, 0, nullptr, 1.0, 72.0},
    {"wt", L"体重", L"kg", 60.0, 0, nullptr, 2.0, 700.0},
    {"rrt", L"肾脏替代治疗", nullptr, 0.0, countOf(kRrt), kRrt},
};

constexpr OutputField kOutputs[] = {
    {"r", L"肌酐/基线", nullptr, "scr/max(base,1)", "f2"},
    {"uo", L"平均尿量", L"ml/(kg·h)", "uvol/(wt*uh)", "f2"},
    {"cs", L"肌酐标准分期", L"期",
     "((scr/max(base,1)>=2.995 || (scr>=353.6 && (scr/max(base,1)>=1.495 || rise>=26.5))) ? 3 : "
     "(scr/max(base,1)>=1.995 ? 2 : ((scr/max(base,1)>=1.495 || rise>=26.5) ? 1 : 0)))",
     "f0"},
    {"us", L"尿量标准分期", L"期",
     "(((uvol/(wt*uh)<=0.295 && uh>=24) || (uvol*24<100*uh && uh>=12)) ? 3 : ((uvol/(wt*uh)<=0.495 && "
     "uh>=12) ? 2 : ((uvol/(wt*uh)<=0.495 && uh>=6) ? 1 : 0)))",
     "f0"},
    {"st", L"KDIGO 分期", L"期",
     "max(max(((scr/max(base,1)>=2.995 || (scr>=353.6 && (scr/max(base,1)>=1.495 || rise>=26.5))) ? 3 : "
     "(scr/max(base,1)>=1.995 ? 2 : ((scr/max(base,1)>=1.495 || rise>=26.5) ? 1 : "
     "0))),(((uvol/(wt*uh)<=0.295 && uh>=24) || (uvol*24<100*uh && uh>=12)) ? 3 : ((uvol/(wt*uh)<=0.495 && "
     "uh>=12) ? 2 : ((uvol/(wt*uh)<=0.495 && uh>=6) ? 1 : 0)))),rrt*3)",
     "f0"},
};

constexpr VerdictRule kRules[] = {
    {"rise>scr-10", kLevelWarning, L"48 h 升幅与当前肌酐不符，请核对肌酐与升幅"},
    {"st>2.5", kLevelWarning, L"KDIGO 3 期 AKI，立即报告医师，评估肾脏替代治疗"},
    {"st>=1.5", kLevelWarning, L"KDIGO 2 期 AKI，立即报告医师，核对用药剂量"},
    {"st>0.5", kLevelAttention, L"KDIGO 1 期 AKI，报告医师评估肾毒性药物并监测"},
    {"uo<=0.495 && uh<6", kLevelAttention, L"尿量<0.5 ml/kg/h 未满 6 h，继续记录尿量"},
    {"", kLevelNormal, L"未达 KDIGO AKI 标准，继续监测肌酐与尿量"},
};

constexpr ToolDef kTool = {
    411,
    L"KDIGO 急性肾损伤分期",
    L"肌酐与尿量标准的 AKI 分期",
    L"肾功能",
    L"Kidney Disease: Improving Global Outcomes (KDIGO) Acute Kidney Injury Work Group. KDIGO Clinical "
    L"Practice Guideline for Acute Kidney Injury. Kidney Int Suppl 2012;2(1):1-138（第 2.1 章与表 2：48 h "
    L"内血肌酐升高≥26.5 μmol/L 或 7 天内升至基线 1.5 倍以上，或尿量<0.5 ml/(kg·h) 达 6 h 即为 AKI；1 期 "
    L"1.5–1.9 倍或升高≥26.5 μmol/L、尿量<0.5 ml/(kg·h) 6–12 h，2 期 2.0–2.9 倍、<0.5 ml/(kg·h)≥12 h，3 "
    L"期≥3.0 倍或升至≥353.6 μmol/L 或开始肾脏替代治疗、<0.3 ml/(kg·h)≥24 h 或无尿≥12 "
    L"h，按最高标准分期）；国家慢性肾病临床医学研究中心，中国医师协会肾脏内科医师分会. "
    L"中国急性肾损伤临床实践指南. 中华医学杂志 2023;103(42):3332-3366（沿用 KDIGO "
    L"定义与分期）；万学红，卢雪峰主编.《诊断学》第 9 版. 人民卫生出版社，2018（少尿：24 h 尿量<400 "
    L"ml；无尿：24 h 尿量<100 ml）",
    L"基线肌酐填 7 天内已知或推定的基础值，48 h 升幅填 48 h 内最低值至当前值的升高（无则填 "
    L"0），无既往肌酐时基线由医师确定；尿量按所填时段的平均值计算，不能识别时段内的逐小时变化，无尿按 24 h "
    L"尿量<100 ml 折算（时段平均<4.2 ml/h）并持续≥12 h；血肌酐≥353.6 μmol/L 仅在已达 AKI 肌酐标准（升高≥26.5 "
    L"μmol/L 或≥1.5 倍）时计为 3 期，维持性透析患者、使用利尿剂或尿量记录不全时结果不可靠，不含<18 岁 "
    L"eGFR<35 ml/(min·1.73 m2) 的 3 期标准；KDIGO "
    L"按分期处理：各期尽量停用肾毒性药物、保证容量与灌注压并监测肌酐和尿量，2–3 "
    L"期调整药物剂量并考虑肾脏替代治疗，病因判断与治疗由医师决定。",
    countOf(kInputs),
    kInputs,
    countOf(kOutputs),
    kOutputs,
    countOf(kRules),
    kRules,
    report_kind::None,
};

} // namespace

const ToolDef& tool411() {
    return kTool;
}
