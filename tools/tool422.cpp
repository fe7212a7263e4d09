// Tool 422: gestational age and due date re-dated by an early scan's crown-rump length.
#include "engine/calendar.h"
#include "engine/tool.h"

namespace {

constexpr InputChoice kLk[] = {
    {0.0, L"不详或不可靠"},
    {1.0, L"已知且可靠"},
};

constexpr InputField kInputs[] = {
    {"crl", L"头臀长（CRL）", L"mm", 45.0, 0, nullptr, 1.0, 150.0},
    {"scan", L"超声检查日期", L"年-月-日", dateValue(2026, 1, 5), 0, nullptr, dateValue(2000, 1, 1),
     dateValue(2099, 12, 31), true},
    {"lk", L"末次月经", nullptr, 1.0, countOf(kLk), kLk},
    {"lmp", L"末次月经日期", L"年-月-日", dateValue(2025, 10, 19), 0, nullptr, dateValue(2000, 1, 1),
     dateValue(2099, 12, 31), true},
    {"today", L"评估日期", L"年-月-日", dateValue(2026, 1, 15), 0, nullptr, dateValue(2000, 1, 1),
     dateValue(2099, 12, 31), true, true},
};

constexpr OutputField kOutputs[] = {
    {"gus", L"超声孕周（检查日）", L"周", "floor(8.052*sqrt(crl)+23.73+0.5)", "wd"},
    {"eddu", L"超声预产期", nullptr, "scan+280-floor(8.052*sqrt(crl)+23.73+0.5)", "date"},
    {"glmp", L"末次月经孕周（检查日）", L"周", "lk==1 ? scan-lmp : 0", "wd"},
    {"diff", L"超声减末次月经", L"天", "lk==1 ? floor(8.052*sqrt(crl)+23.73+0.5)-(scan-lmp) : 0", "f0"},
    {"edd", L"核定预产期", nullptr,
     "(lk==1 && (crl<5 || crl>84 || abs(floor(8.052*sqrt(crl)+23.73+0.5)-(scan-lmp))<=(scan-lmp<63 ? 5 : 7)) "
     "? lmp+280 : scan+280-floor(8.052*sqrt(crl)+23.73+0.5))",
     "date"},
    {"ga", L"当前孕周", L"周",
     "(lk==1 && (crl<5 || crl>84 || abs(floor(8.052*sqrt(crl)+23.73+0.5)-(scan-lmp))<=(scan-lmp<63 ? 5 : 7)) "
     "? today-lmp : today-scan+floor(8.052*sqrt(crl)+23.73+0.5))",
     "wd"},
    {"left", L"距预产期", L"天",
     "(lk==1 && (crl<5 || crl>84 || abs(floor(8.052*sqrt(crl)+23.73+0.5)-(scan-lmp))<=(scan-lmp<63 ? 5 : 7)) "
     "? lmp+280 : scan+280-floor(8.052*sqrt(crl)+23.73+0.5))-today",
     "f0"},
};

constexpr VerdictRule kRules[] = {
    {"scan>today || (lk==1 && (lmp>scan || scan-lmp>308)) || (lk==1 && (crl<5 || crl>84 || "
     "abs(floor(8.052*sqrt(crl)+23.73+0.5)-(scan-lmp))<=(scan-lmp<63 ? 5 : 7)) ? today-lmp : "
     "today-scan+floor(8.052*sqrt(crl)+23.73+0.5))>308",
     kLevelWarning, L"请核对日期：先后顺序颠倒或当前孕周超过44周"},
    {"ga>=294", kLevelWarning, L"当前≥42周过期妊娠：立即报告医师，评估胎儿并终止妊娠"},
    {"ga>=287", kLevelAttention, L"当前41–41+6周：报告医师，按指南考虑住院引产"},
    {"crl>84", kLevelAttention, L"CRL>84 mm：超出头臀长定孕周范围，改用双顶径/头围"},
    {"crl<5", kLevelAttention, L"CRL<5 mm：超出公式范围，不用于定孕周，核对单位"},
    {"lk==1 && abs(diff)>14.5", kLevelAttention, L"相差>14天：核对CRL单位(mm)与日期后按超声改期"},
    {"lk==1 && scan-lmp<63 && abs(diff)>=5.5", kLevelAttention, L"相差>5天（<9周）：按超声改定孕周与预产期"},
    {"lk==1 && abs(diff)>=7.5", kLevelAttention, L"相差>7天（≥9周）：按超声改定孕周与预产期"},
    {"lk==1", kLevelNormal, L"相差在允许范围内：沿用末次月经预产期"},
    {"lk==0 && crl<10", kLevelAttention, L"末次月经不详、CRL<10 mm：确认单位为mm后定孕周"},
    {"", kLevelNormal, L"末次月经不详：以超声核定孕周与预产期"},
};

constexpr ToolDef kTool = {
    422,
    L"早孕超声核定孕周",
    L"头臀长推算孕周并判断是否改定预产期",
    L"产科",
    L"Robinson HP, Fleming JE. A critical evaluation "
    L"of sonar \"crown-rump length\" measurements. "
    L"Br J Obstet Gynaecol 1975;82(9):702-710（孕龄（日）"
    L"＝8.052×√CRL(mm)＋23.73，6–14周，单次测量95%误差±4.7日）"
    L"；American College of Obstetricians and Gynecologists. "
    L"Committee Opinion No. 700: Methods for estimating "
    L"the due date. Obstet Gynecol 2017;129(5):e150-e154（表1：按末次月经孕周，"
    L"≤8+6周相差>5日、9+0–13+6周相差>7日时按超声改期；CRL>84 mm "
    L"改用其他径线）；Salomon LJ 等. ISUOG Practice Guidelines: "
    L"performance of first-trimester fetal ultrasound "
    L"scan. Ultrasound Obstet Gynecol 2013;41(1):102-113；"
    L"Loughna P 等. Fetal size and dating: charts "
    L"recommended for clinical obstetric practice. "
    L"Ultrasound 2009;17(3):161-167（BMUS：同一公式以 "
    L"CRL×1.037 计）；中华医学会妇产科学分会产科学组. 孕前和孕期保健指南（2018）"
    L". 中华妇产科杂志 2018;53(1):7-13（妊娠早期超声确定孕周）",
    L"仅用于单胎、头臀长5–84 mm（约6–14周）的早孕超声；CRL 以 mm 填写，"
    L"报告以 cm 记录者乘以 10（4.5 cm 填 45），单位填错时孕周可差5–7周；"
    L"孕周按 Robinson 公式取整到日，超声仪若用 CRL×1.037 等校正式可相差约1天，"
    L"以超声报告为准；末次月经按28天周期计，是否改期按 ACOG 阈值（末次月经孕周<9周相差>5天、"
    L"≥9周相差>7天）判断，末次月经不详时选“不详”，其日期栏不参与计算；多次早孕超声以最早一次合格测量为准，"
    L"预产期一经核定不再按以后的超声更改；体外受精妊娠以移植日推算（见421）；孕周与预产期由产科医师核定并记录"
    L"。",
    countOf(kInputs),
    kInputs,
    countOf(kOutputs),
    kOutputs,
    countOf(kRules),
    kRules,
    report_kind::None,
};

} // namespace

const ToolDef& tool422() {
    return kTool;
}
