// Tool 330: burn resuscitation fluids by two formulas.
#include "engine/tool.h"

namespace {

constexpr InputField kInputs[] = {
    {"wt", L"体重", L"kg", 60.0, 0, nullptr, 0.2, 700.0},
    {"tbsa", L"烧伤面积", L"%TBSA", 30.0, 0, nullptr, 1.0, 100.0},
};

constexpr OutputField kOutputs[] = {
    {"total", L"24 小时晶体液", L"ml", "4*wt*tbsa", "f0"},
    {"first8", L"前 8 小时", L"ml", "4*wt*tbsa/2", "f0"},
    {"rate8", L"前 8 小时每小时", L"ml/h", "4*wt*tbsa/2/8", "f0"},
    {"cn24", L"国内公式第一个 24 小时", L"ml", "1.5*wt*tbsa+2000", "f0"},
    {"cn8", L"国内公式前 8 小时", L"ml", "(1.5*wt*tbsa+2000)/2", "f0"},
};

constexpr VerdictRule kRules[] = {
    {"wt<=0 || tbsa<=0 || tbsa>100", kLevelWarning, L"请核对体重与烧伤面积（0–100%）"},
    {"tbsa<15", kLevelNormal, L"烧伤面积<15%，一般可口服补液，按病情决定"},
    {"tbsa<=30", kLevelAttention, L"前 8 小时输入一半（自伤后算起），按尿量调整"},
    {"", kLevelWarning, L"重度烧伤，按尿量 0.5–1 ml/kg/h 滴定补液"},
};

constexpr ToolDef kTool = {
    330,
    L"烧伤补液（Parkland）",
    L"Parkland 与国内公式烧伤补液量",
    L"液体治疗",
    L"Baxter CR, Shires T. Ann N Y Acad Sci 1968;150:874-894；American College of Surgeons. ATLS 第 10 "
    L"版（2018）；《外科学》（人民卫生出版社）烧伤补液国内通用公式（第三军医大学公式）",
    L"按 II°、III° 烧伤面积计算，适用于成人，儿童系数不同；Parkland 4 ml/kg/%TBSA 为经典上限估算，ATLS（第 "
    L"10 版）成人起始 2 ml/kg/%TBSA，国内公式（《外科学》）第一个 24 小时总量的一半于伤后 8 "
    L"小时内输入（部分单位将 2000 ml 基础水分均匀输入 24 小时），烧伤面积>30%（或 III° "
    L">10%、伴休克或吸入性损伤）为重度，均须按尿量滴定并警惕补液过量。",
    countOf(kInputs),
    kInputs,
    countOf(kOutputs),
    kOutputs,
    countOf(kRules),
    kRules,
    report_kind::None,
};

} // namespace

const ToolDef& tool330() {
    return kTool;
}
