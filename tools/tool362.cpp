// Tool 362: mean arterial pressure and shock index.
#include "engine/tool.h"

namespace {

constexpr InputField kInputs[] = {
    {"sbp", L"收缩压", L"mmHg", 120.0, 0, nullptr, 10.0, 300.0},
    {"dbp", L"舒张压", L"mmHg", 80.0, 0, nullptr, 0.0, 200.0},
    {"hr", L"心率", L"次/分", 72.0, 0, nullptr, 0.0, 300.0},
};

constexpr OutputField kOutputs[] = {
    {"map", L"平均动脉压", L"mmHg", "(sbp+2*dbp)/3", "f0"},
    {"pp", L"脉压", L"mmHg", "sbp-dbp", "f0"},
    {"si", L"休克指数", nullptr, "hr/sbp", "f2"},
};

constexpr VerdictRule kRules[] = {
    {"sbp<=0 || dbp<=0 || hr<=0 || dbp>=sbp || sbp>300 || hr>300", kLevelWarning,
     L"请核对血压与心率（舒张压应低于收缩压）"},
    {"map<=64.5", kLevelWarning, L"平均动脉压<65 mmHg，立即报告医师"},
    {"si>0.995", kLevelWarning, L"休克指数≥1.0，提示休克，立即报告医师"},
    {"sbp<=90 || sbp>=220", kLevelWarning, L"收缩压≤90 或≥220 mmHg，立即报告医师"},
    {"hr<=40 || hr>=131", kLevelWarning, L"心率≤40 或≥131 次/分，立即报告医师"},
    {"si>=0.895", kLevelAttention, L"休克指数 0.90–0.99，警惕早期休克，报告医师"},
    {"map<69.5", kLevelAttention, L"平均动脉压 65–69 mmHg，加强监测并报告医师"},
    {"sbp>=180 || dbp>=110", kLevelAttention, L"血压≥180/110 mmHg（3 级范围），报告医师"},
    {"hr<=50 || hr>=111", kLevelAttention, L"心率≤50 或≥111 次/分，报告医师"},
    {"", kLevelNormal, L"平均动脉压与休克指数在常见范围"},
};

constexpr ToolDef kTool = {
    362,
    L"平均动脉压与休克指数",
    L"MAP、脉压与休克指数",
    L"心血管",
    L"Allgöwer M, Burri C. Dtsch Med Wochenschr 1967;92:1947-1950（休克指数）；Rady MY 等. Ann Emerg Med "
    L"1994;24:685-690（SI>0.9 异常）；中华医学会妇产科学分会产科学组，中华医学会围产医学分会. "
    L"产后出血预防与处理指南（2023）. 中华妇产科杂志 2023;58(6):401-409（休克指数估计失血量）；Evans L 等. "
    L"Surviving Sepsis Campaign 2021. Crit Care Med 2021;49:e1063-e1143（初始 MAP 目标 65 mmHg）；Royal "
    L"College of Physicians. NEWS2, 2017（收缩压≤90/≥220、心率≤40/≥131 单项 3 "
    L"分）；《中国高血压防治指南（2018 年修订版）》（3 级高血压≥180/110 mmHg）",
    L"MAP 按 (收缩压＋2×舒张压)/3 估算，心率快时偏差增大，有创动脉压以监护仪 MAP 为准；休克指数正常约 "
    L"0.5–0.7，≥1.0 提示休克；产后出血无法测量出血量时按休克指数估计：<0.9 约<500 ml（<20% 血容量），1.0 约 "
    L"1000 ml（20%），1.5 约 1500 ml（30%），2.0 约≥2500 ml（≥50%），以实测为准；老年、β "
    L"受体阻滞剂、起搏心律、心律失常、疼痛与发热时休克指数可失真；脉压仅供参考；单次测量须复测，结合意识、尿"
    L"量、皮肤灌注与乳酸判断，MAP 目标由医师决定。",
    countOf(kInputs),
    kInputs,
    countOf(kOutputs),
    kOutputs,
    countOf(kRules),
    kRules,
    report_kind::None,
};

} // namespace

const ToolDef& tool362() {
    return kTool;
}
