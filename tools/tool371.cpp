// Tool 371: equivalent doses of opioids.
#include "engine/tool.h"

namespace {

constexpr InputChoice kDrug[] = {
    {0.1, L"倍 曲马多口服（mg/d）"},   {0.15, L"倍 可待因口服（mg/d）"}, {1.0, L"倍 吗啡口服（mg/d）"},
    {1.5, L"倍 羟考酮口服（mg/d）"},   {2.0, L"倍 芬太尼贴剂（μg/h）"},  {3.0, L"倍 吗啡静脉皮下（mg/d）"},
    {4.0, L"倍 氢吗啡酮口服（mg/d）"},
};

constexpr InputField kInputs[] = {
    {"drug", L"阿片药物", nullptr, 1.0, countOf(kDrug), kDrug},
    {"dose", L"每日剂量", L"mg/d，贴剂 μg/h", 30.0, 0, nullptr, 0.1, 50000.0},
};

constexpr OutputField kOutputs[] = {
    {"ome", L"口服吗啡等效量", L"mg/d（口服吗啡）", "dose*drug", "f1"},
    {"lo", L"口服吗啡当量减50%", L"mg/d（口服吗啡）", "dose*drug*0.5", "f1"},
    {"hi", L"口服吗啡当量减25%", L"mg/d（口服吗啡）", "dose*drug*0.75", "f1"},
    {"mme", L"MME（CDC 系数）", L"mg/d（口服吗啡）",
     "dose*(drug==0.1 ? 0.2 : (drug==2 ? 2.4 : (drug==4 ? 5 : drug)))", "f1"},
};

constexpr VerdictRule kRules[] = {
    {"dose<=0", kLevelWarning, L"请核对每日剂量（须大于 0）"},
    {"drug==0.1 && dose>400", kLevelWarning, L"曲马多>400 mg/d，超过说明书常规日最大量，核对医嘱"},
    {"drug==0.15 && dose>250", kLevelWarning, L"可待因>250 mg/d，超过极量，核对医嘱"},
    {"mme>=89.95", kLevelAttention, L"MME≥90（CDC 系数），非癌痛属高剂量，癌痛按医嘱"},
    {"mme>=49.95", kLevelAttention, L"MME≥50（CDC 系数），非癌痛需评估风险与获益"},
    {"", kLevelNormal, L"换算仅供参考，换药剂量由医师决定"},
};

constexpr ToolDef kTool = {
    371,
    L"阿片类药物等效换算",
    L"阿片类药物口服吗啡等效换算",
    L"用药计算",
    L"国家卫生健康委《癌症疼痛诊疗规范（2018 年版）》（国卫办医函〔2018〕734 "
    L"号，阿片类药物剂量换算表）；Dowell D, Ragan KR, Jones CM, Baldwin GT, Chou R. MMWR Recomm Rep "
    L"2022;71(No. RR-3):1-95（CDC 2022，MME 系数：曲马多 0.2、氢吗啡酮 5、芬太尼透皮 2.4/μg/h；50/90 "
    L"MME）；曲马多 0.1：BNF 及 Scottish Palliative Care Guidelines（曲马多 400 mg/24 h≈口服吗啡 40 "
    L"mg）；氢吗啡酮 4：MSD Manual 阿片类镇痛药等效剂量表（口服 7.5 mg≈口服吗啡 30 "
    L"mg）；盐酸曲马多、磷酸可待因药品说明书（每日通常不超过 400 mg；极量一日 250 mg）",
    L"下拉项前的数字为折算成口服吗啡 mg/d 的系数（吗啡注射 3、羟考酮 1.5、芬太尼贴剂每 μg/h 相当口服吗啡 2 "
    L"mg/d、可待因 0.15 依《癌症疼痛诊疗规范》，曲马多 0.1、氢吗啡酮 4 取文献中较低值）；“MME（CDC 系数）”按 "
    L"CDC 2022 表计算（曲马多 0.2、氢吗啡酮 5、芬太尼贴剂每 μg/h 2.4，其余同下拉项，吗啡注射按 3），只用于 "
    L"50、90 MME "
    L"风险提示，不用于换药；两组系数为群体估计，不能代替个体化滴定，换用另一种阿片药时因交叉耐受不完全，一般"
    L"在等效量基础上减 25%–50% "
    L"起始（本工具只折算为口服吗啡当量；由吗啡换算为其他阿片药时不得用本表系数反算，须由医师或临床药师按《癌"
    L"症疼痛诊疗规范》及药品说明书换算并减量）并观察呼吸与镇静；氢吗啡酮、羟考酮、芬太尼、舒芬太尼等注射剂不"
    L"适用本表（氢吗啡酮仅指口服制剂），注射剂换算由医师或药师进行；美沙酮换算比随剂量非线性变化、半衰期长且"
    L"不定，不在本工具内，须由疼痛或姑息专科换算；芬太尼贴剂仅用于阿片耐受者，揭除后 12–36 "
    L"小时内仍有药物释放；曲马多说明书注明癌痛时可考虑更大剂量，但超过 400 mg/d 须核对医嘱；CDC 的 50、90 "
    L"MME "
    L"界值仅针对非癌性疼痛，癌痛与姑息治疗中强阿片类药物无封顶剂量，按医嘱滴定；老年、肝肾功能不全者应进一步"
    L"减量，换算结果须由医师决定。",
    countOf(kInputs),
    kInputs,
    countOf(kOutputs),
    kOutputs,
    countOf(kRules),
    kRules,
    report_kind::None,
};

} // namespace

const ToolDef& tool371() {
    return kTool;
}
