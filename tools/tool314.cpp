// Tool 314: SOFA organ-failure score; the organ scores feed the total.
#include "engine/tool.h"

namespace {

constexpr InputChoice kVent[] = {
    {0.0, L"无"},
    {1.0, L"有创或无创通气"},
};
constexpr InputChoice kVaso[] = {
    {0.0, L"无"},
    {2.0, L"多巴胺≤5或多巴酚丁胺"},
    {3.0, L"多巴胺>5或NE/E≤0.1"},
    {4.0, L"DA>15或NE/E>0.1"},
};

constexpr InputField kInputs[] = {
    {"pao2", L"PaO2", L"mmHg", 95.0, 0, nullptr, 15.0, 800.0},
    {"fio2", L"FiO2", L"%", 21.0, 0, nullptr, 21.0, 100.0},
    {"vent", L"呼吸支持", nullptr, 0.0, countOf(kVent), kVent},
    {"plt", L"血小板", L"×10^9/L", 200.0, 0, nullptr, 0.0, 5000.0},
    {"bil", L"总胆红素", L"μmol/L", 10.0, 0, nullptr, 1.0, 3000.0},
    {"map", L"平均动脉压", L"mmHg", 85.0, 0, nullptr, 0.0, 250.0},
    {"vaso", L"血管活性药", nullptr, 0.0, countOf(kVaso), kVaso},
    {"gcs", L"GCS 评分", L"分", 15.0, 0, nullptr, 3.0, 15.0},
    {"cr", L"血肌酐", L"μmol/L", 70.0, 0, nullptr, 5.0, 4000.0},
    {"uo", L"24 h 尿量", L"ml", 1500.0, 0, nullptr, 0.0, 30000.0},
};

constexpr OutputField kOutputs[] = {
    {"pf", L"氧合指数", L"mmHg", "floor(pao2*100/fio2)", "f0"},
    {"resp", L"呼吸评分", L"分",
     "vent==1&&pf<100 ? 4 : (vent==1&&pf<200 ? 3 : (pf<300 ? 2 : (pf<400 ? 1 : 0)))", "f0"},
    {"coag", L"凝血评分", L"分", "plt<20 ? 4 : (plt<50 ? 3 : (plt<100 ? 2 : (plt<150 ? 1 : 0)))", "f0"},
    {"liver", L"肝脏评分", L"分", "bil<20 ? 0 : (bil<33 ? 1 : (bil<102 ? 2 : (bil<=204 ? 3 : 4)))", "f0"},
    {"cardio", L"心血管评分", L"分", "max(vaso, map<70)", "f0"},
    {"cns", L"中枢神经评分", L"分", "gcs<6 ? 4 : (gcs<10 ? 3 : (gcs<13 ? 2 : (gcs<15 ? 1 : 0)))", "f0"},
    {"renal", L"肾脏评分", L"分",
     "max(cr<110 ? 0 : (cr<171 ? 1 : (cr<300 ? 2 : (cr<=440 ? 3 : 4))), uo<200 ? 4 : (uo<500 ? 3 : 0))",
     "f0"},
    {"total", L"总分", L"分", "resp+coag+liver+cardio+cns+renal", "f0"},
};

constexpr VerdictRule kRules[] = {
    {"pao2<=0||fio2<21||fio2>100||plt<0||bil<0||map<=0||gcs<3||gcs>15||gcs!=floor(gcs)||cr<=0||uo<0",
     kLevelWarning, L"请核对输入（FiO2 按 21–100% 填写）"},
    {"map<65&&vaso==0", kLevelWarning, L"平均动脉压<65，立即报告医师（评估液体复苏及血管活性药）"},
    {"resp>=3||coag>=3||liver>=3||cardio>=3||cns>=3||renal>=3", kLevelWarning,
     L"存在器官衰竭（单项≥3 分），立即报告医师"},
    {"vent==0&&pf<200", kLevelWarning, L"氧合指数<200 且未行通气支持，立即报告医师评估呼吸支持"},
    {"total>=2", kLevelWarning, L"SOFA≥2，较基线升高≥2 分即器官功能障碍，报告医师"},
    {"total>=1", kLevelAttention, L"SOFA 1 分，报告医师并动态复评"},
    {"", kLevelNormal, L"SOFA 0 分，暂无器官功能障碍，动态复评"},
};

constexpr ToolDef kTool = {
    314,
    L"SOFA 序贯器官衰竭评分",
    L"六个器官系统功能障碍评分",
    L"重症评估",
    L"Vincent JL 等, Intensive Care Med 1996;22:707；Vincent JL 等, Crit Care Med 1998;26:1793；Singer M 等, "
    L"JAMA 2016;315:801（Sepsis-3）；Evans L 等, Crit Care Med 2021;49:e1063–e1143（SSC 2021，MAP 初始目标 "
    L"65 mmHg）",
    L"本工具为 1996 版 SOFA（Sepsis-3 定义所用），与 SOFA-2（2025）阈值不同，不可混用；Sepsis-3 以感染后 "
    L"SOFA 较基线急性升高≥2 分判定器官功能障碍，本工具无法得知基线，无已知基础器官功能障碍者基线按 0 "
    L"分计，慢性病患者须与既往值比较；PaO2 以 mmHg 计（kPa×7.5），FiO2 按百分数填写，鼻导管 FiO2 可按 "
    L"21+4×氧流量(L/min) 估算，呼吸支持指有创或无创通气，未行通气支持时呼吸评分按原表最高 2 "
    L"分；多巴酚丁胺不论剂量，DA 为多巴胺、NE 为去甲肾上腺素、E 为肾上腺素，剂量单位 μg/(kg·min) 且已用≥1 "
    L"h，多药时取最高一档，原表未列血管加压素、间羟胺等，按医师判断；镇静患者 GCS 按镇静前估计；未留 24 h "
    L"尿量时保留默认值，肾脏按肌酐计分。",
    countOf(kInputs),
    kInputs,
    countOf(kOutputs),
    kOutputs,
    countOf(kRules),
    kRules,
    report_kind::None,
};

} // namespace

const ToolDef& tool314() {
    return kTool;
}
