// Tool 211: laboratory panels and their tubes.
#include "engine/tool.h"

namespace {

constexpr InputField kInputs[] = {
    {"panel", L"套餐编号", nullptr, 1.0},
};

constexpr ToolDef kTool = {
    211,
    L"检验套餐",
    L"常用检验套餐项目与采血管",
    L"检验标本",
    L"《静脉血液标本采集指南》（WS/T 661—2020）",
    L"套餐编号：1 血常规 2 生化全套 3 凝血四项 4 甲状腺功能 5 心肌损伤标志物 6 尿常规。",
    static_cast<int32_t>(sizeof kInputs / sizeof kInputs[0]),
    kInputs,
    0,
    nullptr,
    0,
    nullptr,
    report_kind::LabPanels,
};

} // namespace

const ToolDef& tool211() {
    return kTool;
}
