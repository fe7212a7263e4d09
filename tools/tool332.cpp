// Tool 332: basal and resting energy expenditure.
#include "engine/tool.h"
#include "tools/choices.h"

namespace {

constexpr InputField kInputs[] = {
    {"sex", L"性别", nullptr, 1.0, countOf(kSex), kSex},
    {"age", L"年龄", L"岁", 50.0, 0, nullptr, 0.0, 125.0},
    {"h", L"身高", L"cm", 170.0, 0, nullptr, 50.0, 280.0},
    {"w", L"体重", L"kg", 65.0, 0, nullptr, 2.0, 700.0},
};

constexpr OutputField kOutputs[] = {
    {"bee", L"BEE（Harris-Benedict）", L"kcal/d",
     "sex==2 ? 655.0955+9.5634*w+1.8496*h-4.6756*age : 66.4730+13.7516*w+5.0033*h-6.7550*age", "f0"},
    {"ree", L"REE（Mifflin-St Jeor）", L"kcal/d", "10*w+6.25*h-5*age+(sex==2?-161:5)", "f0"},
};

constexpr VerdictRule kRules[] = {
    {"age<18 || h<100 || h>250 || w<=0", kLevelWarning, L"仅适用于成人，请核对年龄、身高与体重"},
    {"", kLevelNormal, L"总能量按活动与病情调整，重症宜间接测热"},
};

constexpr ToolDef kTool = {
    332,
    L"基础能量消耗",
    L"成人基础/静息能量消耗估算",
    L"营养评估",
    L"Harris JA, Benedict FG. Carnegie Institution of Washington Publ No 279, 1919；Mifflin MD 等. Am J Clin "
    L"Nutr 1990;51:241-247；Singer P 等. ESPEN ICU 指南. Clin Nutr 2019;38:48-79",
    L"仅为健康成人的估算值，肥胖、老年及水肿患者误差大；ICU 患者宜用间接测热法，无条件时早期按 20–25 "
    L"kcal/kg/d，在这些公式上再乘应激系数易致过度喂养。",
    countOf(kInputs),
    kInputs,
    countOf(kOutputs),
    kOutputs,
    countOf(kRules),
    kRules,
    report_kind::None,
};

} // namespace

const ToolDef& tool332() {
    return kTool;
}
