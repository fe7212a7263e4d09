// Tool 421: due date and gestational age from the last period, conception or embryo transfer.
#include "engine/calendar.h"
#include "engine/tool.h"

namespace {

constexpr InputChoice kM[] = {
    {0.0, L"末次月经首日"},
    {14.0, L"排卵/受孕日"},
    {17.0, L"D3胚胎移植日"},
    {19.0, L"D5囊胚移植日"},
};

constexpr InputField kInputs[] = {
    {"m", L"推算依据", nullptr, 0.0, countOf(kM), kM},
    {"evd", L"依据日期", L"年-月-日", dateValue(2025, 9, 1), 0, nullptr, dateValue(2000, 1, 1),
     dateValue(2099, 12, 31), true},
    {"cyc", L"月经周期", L"天", 28.0, 0, nullptr, 15.0, 90.0},
    {"today", L"评估日期", L"年-月-日", dateValue(2026, 1, 15), 0, nullptr, dateValue(2000, 1, 1),
     dateValue(2099, 12, 31), true, true},
};

constexpr OutputField kOutputs[] = {
    {"edd", L"预产期", nullptr, "evd+280-m+(m==0)*(cyc-28)", "date"},
    {"ga", L"当前孕周", L"周", "today-evd+m-(m==0)*(cyc-28)", "wd"},
    {"left", L"距预产期", L"天", "evd+280-m+(m==0)*(cyc-28)-today", "f0"},
    {"tri", L"妊娠分期（1早/2中/3晚）", nullptr,
     "today-evd+m-(m==0)*(cyc-28)<98 ? 1 : (today-evd+m-(m==0)*(cyc-28)<196 ? 2 : 3)", "f0"},
    {"lmpe", L"相当于末次月经", nullptr, "evd-m+(m==0)*(cyc-28)", "date"},
    {"conc", L"估计受孕日", nullptr, "evd+14-m+(m==0)*(cyc-28)", "date"},
};

constexpr VerdictRule kRules[] = {
    {"today<evd || today-evd+m-(m==0)*(cyc-28)<0 || today-evd+m-(m==0)*(cyc-28)>308 || (m==0 && "
     "cyc!=floor(cyc))",
     kLevelWarning, L"请核对：依据日期晚于评估日期、孕周超出0–44周或周期非整天"},
    {"ga>=294", kLevelWarning, L"≥42周过期妊娠：立即报告医师，评估胎儿并终止妊娠"},
    {"ga>=287", kLevelAttention, L"41–41+6周：报告医师，按指南考虑住院引产"},
    {"m==0 && (cyc<21 || cyc>35)", kLevelAttention, L"周期<21或>35天：末次月经推算不可靠，以早孕超声为准"},
    {"ga>=259", kLevelNormal, L"足月妊娠（37–40+6周）：每周产前检查，注意临产征兆"},
    {"ga>=196", kLevelNormal, L"晚期妊娠（28–36+6周）：此时分娩属早产，按期产检"},
    {"ga>=98", kLevelNormal, L"中期妊娠（14–27+6周）：按期产前检查"},
    {"m==0", kLevelNormal, L"早期妊娠（<14周）：早孕超声核对孕周"},
    {"", kLevelNormal, L"早期妊娠（<14周）：按期产前检查"},
};

constexpr ToolDef kTool = {
    421,
    L"预产期与孕周",
    L"按末次月经或辅助生殖推算预产期与孕周",
    L"产科",
    L"谢幸，孔北华，段涛主编.《妇产科学》第9版. 北京：人民卫生出版社，2018（妊娠约280日即40周；"
    L"推算预产期：末次月经第一日起月份减3或加9、日数加7；早期妊娠<14周、中期14–27+6周、"
    L"晚期≥28周；早产28–36+6周、足月37–41+6周、过期妊娠≥42周）；American "
    L"College of Obstetricians and Gynecologists. "
    L"Committee Opinion No. 700: Methods for estimating "
    L"the due date. Obstet Gynecol 2017;129(5):e150-e154（末次月经＋280日；"
    L"体外受精以胚胎移植日推算：D5 囊胚＋261日、D3 胚胎＋263日）；Committee "
    L"on Fetus and Newborn, American Academy of "
    L"Pediatrics. Age terminology during the perinatal "
    L"period. Pediatrics 2004;114(5):1362-1364（孕龄＝受孕龄＋2周）"
    L"；中华医学会妇产科学分会产科学组. 孕前和孕期保健指南（2018）. 中华妇产科杂志 "
    L"2018;53(1):7-13（早孕超声核对孕周）；中华医学会妇产科学分会产科学组. "
    L"妊娠晚期促子宫颈成熟与引产指南（2014）. 中华妇产科杂志 "
    L"2014;49(12):881-885（妊娠已达41周或过期妊娠应予引产）"
    L"；中华医学会妇产科学分会产科学组. 早产临床诊断与治疗指南（2014）. 中华妇产科杂志 "
    L"2014;49(7):481-485（早产为妊娠满28周至不足37周）",
    L"日期按公历填写（农历须先换算）；预产期按末次月经＋280日计算，月经周期规则而非28天者按周期差加减天数，"
    L"教材“月份减3或加9、日数加7”的口算比本工具晚0–3天；月经不规律、末次月经记不清或与早孕超声相差超过阈值时"
    L"以早孕超声核定（见422）"
    L"，体外受精妊娠按移植日及胚胎天数推算（冻融胚胎同样按移植时胚胎天数）；孕周由预产期倒推，"
    L"只表示时间，不反映胎儿大小与宫内安危，多胎妊娠的分娩时机另有规定，引产与终止妊娠由产科医师决定。",
    countOf(kInputs),
    kInputs,
    countOf(kOutputs),
    kOutputs,
    countOf(kRules),
    kRules,
    report_kind::None,
};

} // namespace

const ToolDef& tool421() {
    return kTool;
}
