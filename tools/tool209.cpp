// Tool 209: a shift handover template by bed.
#include "engine/tool.h"

namespace {

constexpr InputField kInputs[] = {
    {"beds", L"床位数", L"张", 5.0},
};

constexpr ToolDef kTool = {
    209,
    L"交班报告模板",
    L"按床位生成交班记录模板",
    L"护理管理",
    L"《医疗质量安全核心制度要点》（值班和交接班制度）",
    L"模板仅列项目，交班内容须据实填写并双签名。",
    static_cast<int32_t>(sizeof kInputs / sizeof kInputs[0]),
    kInputs,
    0,
    nullptr,
    0,
    nullptr,
    report_kind::HandoverTemplate,
};

} // namespace

const ToolDef& tool209() {
    return kTool;
}
