// Tool 413: Potassium chloride infusion: concentration and rate check.
#include "engine/tool.h"

namespace {

constexpr InputChoice kUnit[] = {
    {0.0, L"按 g 计（氯化钾）"},
    {1.0, L"按 ml 计（10%氯化钾）"},
    {2.0, L"按 ml 计（15%氯化钾）"},
    {3.0, L"按 mmol 计（钾）"},
};
constexpr InputChoice kRte[] = {
    {0.0, L"外周静脉"},
    {1.0, L"中心静脉"},
};

constexpr InputField kInputs[] = {
    {"amt", L"氯化钾量", nullptr, 10.0, 0, nullptr, 0.1, 200.0},
    {"unit", L"剂量单位", nullptr, 1.0, countOf(kUnit), kUnit},
    {"vol", L"液体总量", L"ml", 500.0, 0, nullptr, 5.0, 5000.0},
    {"th", L"输注时间", L"小时", 3.0, 0, nullptr, 0.05, 24.0},
    {"rte", L"输注途径", nullptr, 0.0, countOf(kRte), kRte},
    {"uo", L"每小时尿量", L"ml/h", 60.0, 0, nullptr, 0.0, 2000.0},
};

constexpr OutputField kOutputs[] = {
    {"km", L"含钾量", L"mmol", "amt*(unit==0 ? 13.4 : (unit==1 ? 1.34 : (unit==2 ? 2.01 : 1)))", "f1"},
    {"kg", L"氯化钾", L"g", "amt*(unit==0 ? 1 : (unit==1 ? 0.1 : (unit==2 ? 0.15 : 1/13.4)))", "f2"},
    {"gl", L"氯化钾浓度", L"g/L", "amt*(unit==0 ? 1 : (unit==1 ? 0.1 : (unit==2 ? 0.15 : 1/13.4)))*1000/vol",
     "f2"},
    {"pc", L"百分浓度", L"%", "amt*(unit==0 ? 1 : (unit==1 ? 0.1 : (unit==2 ? 0.15 : 1/13.4)))*100/vol",
     "f3"},
    {"kml", L"钾浓度", L"mmol/L", "amt*(unit==0 ? 13.4 : (unit==1 ? 1.34 : (unit==2 ? 2.01 : 1)))*1000/vol",
     "f1"},
    {"rate", L"补钾速度", L"mmol/h", "amt*(unit==0 ? 13.4 : (unit==1 ? 1.34 : (unit==2 ? 2.01 : 1)))/th",
     "f1"},
    {"rg", L"氯化钾速度", L"g/h", "amt*(unit==0 ? 1 : (unit==1 ? 0.1 : (unit==2 ? 0.15 : 1/13.4)))/th", "f2"},
    {"fr", L"输液速度", L"ml/h", "vol/th", "f1"},
};

constexpr VerdictRule kRules[] = {
    {"((unit==1 || unit==2) && amt>vol) || amt*(unit==0 ? 1 : (unit==1 ? 0.1 : (unit==2 ? 0.15 : "
     "1/13.4)))*1000/vol>150",
     kLevelWarning, L"氯化钾体积超过液体总量或浓度超过原液，请核对"},
    {"gl>=99.995", kLevelWarning, L"浓度≥10%，相当于未稀释原液，严禁静脉输注"},
    {"uo<=30", kLevelWarning, L"尿量≤30 ml/h，不符合见尿补钾，报告医师"},
    {"rte==0 && gl>3.405", kLevelWarning, L"外周浓度>3.4 g/L，超说明书上限，报告医师"},
    {"rate>=20.05", kLevelWarning, L"补钾速度>20 mmol/h，超过上限，报告医师"},
    {"rte==0 && gl>3.005", kLevelAttention, L"外周浓度>0.3%（3 g/L），超教材上限，报告医师"},
    {"gl>3.005", kLevelAttention, L"中心静脉浓度>0.3%：按本院规程，严密监测心电与血钾"},
    {"rate>=10.05", kLevelAttention, L"补钾速度>10 mmol/h，须监测心电与血钾"},
    {"uo<=40", kLevelAttention, L"尿量 30–40 ml/h，未超过 40 ml/h，观察尿量"},
    {"", kLevelNormal, L"浓度与速度在常规范围，高警示药品双人核对"},
};

constexpr ToolDef kTool = {
    413,
    L"静脉补钾浓度与速度核对",
    L"氯化钾输注浓度与速度核对",
    L"水电解质",
    L"氯化钾注射液说明书【规格】10 ml:1 g、10 ml:1.5 g【用法用量】（每 1 g 氯化钾含钾 13.4 mmol；一般将 10% "
    L"氯化钾注射液 10–15 ml 加入 5% 葡萄糖注射液 500 ml 中滴注，钾浓度不超过 3.4 g/L（45 "
    L"mmol/L），补钾速度不超过 0.75 g/h（10 mmol/h），每日补钾 3–4.5 g（40–60 "
    L"mmol）；严重快速室性异位心律失常时浓度可达 0.5%甚至 1%、速度 1.5 g/h（20 "
    L"mmol/h），须严密动态观察血钾及心电图）；陈孝平，汪建平，赵继宗主编.《外科学》第 9 版. "
    L"人民卫生出版社，2018（低钾血症：每升输液含钾量不宜超过 40 mmol（相当于氯化钾 3 g），输入钾量应控制在 "
    L"20 mmol/h 以下，尿量超过 40 ml/h 后再静脉补钾）；李乐之，路潜主编.《外科护理学》第 7 版. "
    L"人民卫生出版社，2021（补钾浓度不超过 "
    L"0.3%"
    L"，见尿补钾）；中国药学会医院药学专业委员会《中国高警示药品临床使用与管理专家共识（2017）》（高浓度氯化"
    L"钾注射液为高警示药品）",
    L"仅适用于成人，液体总量填加药后的总体积（只填载液量时浓度略偏高），10% 氯化钾 1 ml 含 0.1 g、15% 含 "
    L"0.15 g，1 g 氯化钾＝13.4 mmol 钾；外周静脉浓度按说明书不超过 3.4 g/L（45 mmol/L），教材与护理常规按 "
    L"0.3%（3 g/L，约 40 mmol/L），速度一般不超过 10 mmol/h、最高 20 "
    L"mmol/"
    L"h，中心静脉高浓度或快速补钾仅用于危急情况，按本院规程用输液泵并严密监测心电与血钾；见尿补钾按尿量>40 "
    L"ml/h（部分教材>30 ml/h）；本工具不读血钾、肾功能与当日已补总量（说明书每日一般 3–4.5 "
    L"g），严禁静脉推注，补钾量、浓度与速度由医师决定，高警示药品双人核对。",
    countOf(kInputs),
    kInputs,
    countOf(kOutputs),
    kOutputs,
    countOf(kRules),
    kRules,
    report_kind::None,
};

} // namespace

const ToolDef& tool413() {
    return kTool;
}
