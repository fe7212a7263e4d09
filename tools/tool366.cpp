// Tool 366: MELD, MELD-Na and MELD 3.0 scores of end-stage liver disease.
#include "engine/tool.h"
#include "tools/choices.h"

namespace {

constexpr InputChoice kDial[] = {
    {0.0, L"否"},
    {1.0, L"是（近1周≥2次）"},
};

constexpr InputField kInputs[] = {
    {"bili", L"总胆红素", L"μmol/L", 20.0, 0, nullptr, 1.0, 3000.0},
    {"inr", L"INR", nullptr, 1.0, 0, nullptr, 0.5, 20.0},
    {"cr", L"血肌酐", L"μmol/L", 80.0, 0, nullptr, 10.0, 4000.0},
    {"na", L"血钠", L"mmol/L", 140.0, 0, nullptr, 80.0, 300.0},
    {"alb", L"白蛋白", L"g/L", 40.0, 0, nullptr, 5.0, 70.0},
    {"sex", L"性别", nullptr, 1.0, countOf(kSex), kSex},
    {"dial", L"透析", nullptr, 0.0, countOf(kDial), kDial},
};

constexpr OutputField kOutputs[] = {
    {"meld", L"MELD", L"分",
     "round(10*(0.957*log((dial==1 ? 4 : "
     "min(max(cr/88.4,1),4)))+0.378*log(max(bili/17.1,1))+1.12*log(max(inr,1))+0.643))",
     "f0"},
    {"meldna", L"MELD-Na", L"分",
     "(round(10*(0.957*log((dial==1 ? 4 : "
     "min(max(cr/88.4,1),4)))+0.378*log(max(bili/17.1,1))+1.12*log(max(inr,1))+0.643))>11 ? "
     "round(10*(0.957*log((dial==1 ? 4 : "
     "min(max(cr/88.4,1),4)))+0.378*log(max(bili/"
     "17.1,1))+1.12*log(max(inr,1))+0.643))+1.32*(137-min(max(na,125),137))-0.033*round(10*(0.957*log((dial=="
     "1 ? 4 : "
     "min(max(cr/88.4,1),4)))+0.378*log(max(bili/"
     "17.1,1))+1.12*log(max(inr,1))+0.643))*(137-min(max(na,125),137)) : round(10*(0.957*log((dial==1 ? 4 : "
     "min(max(cr/88.4,1),4)))+0.378*log(max(bili/17.1,1))+1.12*log(max(inr,1))+0.643)))",
     "f0"},
    {"meld3", L"MELD 3.0", L"分",
     "1.33*(sex==2?1:0)+4.56*log(max(bili/"
     "17.1,1))+0.82*(137-min(max(na,125),137))-0.24*(137-min(max(na,125),137))*log(max(bili/"
     "17.1,1))+9.09*log(max(inr,1))+11.14*log((dial==1 ? 3 : "
     "min(max(cr/88.4,1),3)))+1.85*(3.5-min(max(alb/10,1.5),3.5))-1.83*(3.5-min(max(alb/"
     "10,1.5),3.5))*log((dial==1 ? 3 : min(max(cr/88.4,1),3)))+6",
     "f0"},
    {"top", L"三者最高分", L"分",
     "max(max(round(10*(0.957*log((dial==1 ? 4 : "
     "min(max(cr/88.4,1),4)))+0.378*log(max(bili/"
     "17.1,1))+1.12*log(max(inr,1))+0.643)),(round(10*(0.957*log((dial==1 ? 4 : "
     "min(max(cr/88.4,1),4)))+0.378*log(max(bili/17.1,1))+1.12*log(max(inr,1))+0.643))>11 ? "
     "round(10*(0.957*log((dial==1 ? 4 : "
     "min(max(cr/88.4,1),4)))+0.378*log(max(bili/"
     "17.1,1))+1.12*log(max(inr,1))+0.643))+1.32*(137-min(max(na,125),137))-0.033*round(10*(0.957*log((dial=="
     "1 ? 4 : "
     "min(max(cr/88.4,1),4)))+0.378*log(max(bili/"
     "17.1,1))+1.12*log(max(inr,1))+0.643))*(137-min(max(na,125),137)) : round(10*(0.957*log((dial==1 ? 4 : "
     "min(max(cr/88.4,1),4)))+0.378*log(max(bili/"
     "17.1,1))+1.12*log(max(inr,1))+0.643)))),1.33*(sex==2?1:0)+4.56*log(max(bili/"
     "17.1,1))+0.82*(137-min(max(na,125),137))-0.24*(137-min(max(na,125),137))*log(max(bili/"
     "17.1,1))+9.09*log(max(inr,1))+11.14*log((dial==1 ? 3 : "
     "min(max(cr/88.4,1),3)))+1.85*(3.5-min(max(alb/10,1.5),3.5))-1.83*(3.5-min(max(alb/"
     "10,1.5),3.5))*log((dial==1 ? 3 : min(max(cr/88.4,1),3)))+6)",
     "f0"},
};

constexpr VerdictRule kRules[] = {
    {"bili<=0 || inr<0.5 || inr>20 || cr<20 || na<100 || na>180 || alb<10 || alb>70", kLevelWarning,
     L"请核对检验值及单位（μmol/L、g/L）"},
    {"top>=39.5", kLevelWarning, L"最高分≥40，90 天死亡风险极高，立即报告医师"},
    {"top>=29.5", kLevelWarning, L"最高分 30–39，90 天死亡风险很高，报告医师"},
    {"top>=19.5", kLevelWarning, L"最高分 20–29，90 天死亡风险高，报告医师"},
    {"top>14.5", kLevelAttention, L"最高分 15–19，报告医师评估肝移植转诊"},
    {"top>=9.5", kLevelAttention, L"最高分 10–14，90 天死亡风险中等，动态复评"},
    {"", kLevelNormal, L"三种 MELD 均<10，90 天死亡风险低"},
};

constexpr ToolDef kTool = {
    366,
    L"MELD 终末期肝病评分",
    L"三种 MELD 评分与 90 天风险",
    L"肝功能",
    L"Kamath PS 等. Hepatology 2001;33:464-470（MELD）；Wiesner R 等. Gastroenterology 2003;124:91-96（90 "
    L"天死亡率分组）；Kim WR 等. N Engl J Med 2008;359:1018-1026（MELD-Na）；OPTN/UNOS MELD-Na "
    L"计算规则（2016）；Kim WR 等. Gastroenterology 2021;161:1887-1895（MELD 3.0）；OPTN MELD 3.0 "
    L"分配政策（2023）；Martin P 等. Hepatology 2014;59:1144-1165（AASLD/AST：MELD≥15 "
    L"评估肝移植）；中华医学会肝病学分会. 肝硬化诊治指南. 中华肝脏病杂志 2019;27(11):846-865（MELD "
    L"用于预后评估）",
    L"单位换算：胆红素 μmol/L÷17.1、肌酐 μmol/L÷88.4 得 mg/dL，白蛋白 g/L÷10 得 g/dL；胆红素、INR、肌酐<1.0 "
    L"按 1.0 计，MELD 肌酐上限 4.0、MELD 3.0 上限 3.0 mg/dL，近 1 周透析≥2 次或 CVVHD≥24 "
    L"小时按上限计；MELD-Na 血钠限定 125–137 且仅在 MELD>11 时校正，MELD 3.0 另限白蛋白 1.5–3.5 g/dL、女性加 "
    L"1.33；判读按三种评分中的最高分，分组沿用 Wiesner 2003 对 MELD 的 90 "
    L"天死亡率（<10：1.9%，10–19：6.0%，20–29：19.6%，30–39：52.6%，≥40：71.3%），≥15 "
    L"分宜评估肝移植转诊，三种评分相差较大时一并告知医师；本工具不截断于 40（OPTN 分配时上限 "
    L"40），仅适用于≥12 岁慢性肝病患者，急性肝衰竭、肝癌等例外情况及肝移植决策由专科医师决定。",
    countOf(kInputs),
    kInputs,
    countOf(kOutputs),
    kOutputs,
    countOf(kRules),
    kRules,
    report_kind::None,
};

} // namespace

const ToolDef& tool366() {
    return kTool;
}
