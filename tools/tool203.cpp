// Tool 203: the blood-collection tube order.
#include "engine/tool.h"

namespace {

constexpr InputField kInputs[] = {
    {"kind", L"项目编号", nullptr, 1.0},
};

constexpr ToolDef kTool = {
    203,
    L"采血顺序",
    L"真空采血管采集顺序与本次要求",
    L"检验标本",
    L"《静脉血液标本采集指南》（WS/T 661—2020）",
    L"项目编号：1 血常规 2 凝血 3 生化 4 血气 5 血培养 6 血糖/乳酸。",
    static_cast<int32_t>(sizeof kInputs / sizeof kInputs[0]),
    kInputs,
    0,
    nullptr,
    0,
    nullptr,
    report_kind::BloodCollectionOrder,
};

} // namespace

const ToolDef& tool203() {
    return kTool;
}
