// Tool 329: drip rate from volume, time and drop factor.
#include "engine/tool.h"

namespace {

constexpr InputChoice kGf[] = {
    {15.0, L"滴/ml"},
    {20.0, L"滴/ml（常用）"},
    {60.0, L"滴/ml（微滴）"},
};

constexpr InputField kInputs[] = {
    {"vol", L"输液总量", L"ml", 500.0, 0, nullptr, 5.0, 20000.0},
    {"th", L"输液时间", L"小时", 4.0, 0, nullptr, 0.05, 24.0},
    {"gf", L"输液器滴系数", nullptr, 20.0, countOf(kGf), kGf},
};

constexpr OutputField kOutputs[] = {
    {"mlh", L"每小时输液量", L"ml/h", "vol/th", "f0"},
    {"gtt", L"滴速", L"滴/分", "vol*gf/(th*60)", "f0"},
};

constexpr VerdictRule kRules[] = {
    {"vol<=0 || th<=0", kLevelWarning, L"请核对输液总量与输液时间"},
    {"gtt>80.5", kLevelAttention, L"滴速超出常规，核对医嘱，宜用输液泵"},
    {"", kLevelNormal, L"按计算滴速调节，输液中定时巡视"},
};

constexpr ToolDef kTool = {
    329,
    L"输液滴速计算",
    L"按滴系数计算输液滴速",
    L"护理操作",
    L"李小寒、尚少梅主编《基础护理学》（人民卫生出版社）静脉输液：每分钟滴数 = 液体总量 × 滴系数 ÷ "
    L"输液时间（分钟）",
    L"滴系数以所用输液器包装标示为准，成人一般 40–60 滴/分、儿童 20–40 "
    L"滴/分，儿童、老年及心肺功能不全者的滴速遵医嘱。",
    countOf(kInputs),
    kInputs,
    countOf(kOutputs),
    kOutputs,
    countOf(kRules),
    kRules,
    report_kind::None,
};

} // namespace

const ToolDef& tool329() {
    return kTool;
}
