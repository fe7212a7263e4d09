// Tool 210: an infusion card with its hourly volume.
#include "engine/tool.h"

namespace {

constexpr InputField kInputs[] = {
    {"bed", L"床号", nullptr, 1.0},
    {"dose", L"医嘱药量", nullptr, 1.0},
    {"volume", L"溶媒量", L"ml", 250.0},
    {"gtt", L"滴速", L"滴/分", 40.0},
};

constexpr ToolDef kTool = {
    210,
    L"静脉输液卡",
    L"生成输液卡并换算每小时输液量",
    L"护理操作",
    L"《静脉治疗护理技术操作标准》（WS/T 433—2023）",
    L"按 20 滴/ml 输液器换算；其他规格输液器请另行计算。",
    static_cast<int32_t>(sizeof kInputs / sizeof kInputs[0]),
    kInputs,
    0,
    nullptr,
    0,
    nullptr,
    report_kind::InfusionCard,
};

} // namespace

const ToolDef& tool210() {
    return kTool;
}
