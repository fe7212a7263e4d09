// Tool 201: a three-shift duty roster.
#include "engine/tool.h"

namespace {

constexpr InputField kInputs[] = {
    {"nurses", L"护士人数", L"人", 6.0},
    {"days", L"排班天数", L"天", 7.0},
};

constexpr ToolDef kTool = {
    201,
    L"护理排班表",
    L"三班轮转排班表生成",
    L"护理管理",
    L"《医疗质量安全核心制度要点》（值班和交接班制度）",
    L"排班须结合护士能级、休假与病区工作量调整，夜班后保证休息。",
    static_cast<int32_t>(sizeof kInputs / sizeof kInputs[0]),
    kInputs,
    0,
    nullptr,
    0,
    nullptr,
    report_kind::DutyRoster,
};

} // namespace

const ToolDef& tool201() {
    return kTool;
}
