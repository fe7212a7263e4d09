// Tool 207: follow-up dates counted from today.
#include "engine/tool.h"

namespace {

constexpr InputField kInputs[] = {
    {"start", L"首次随访距今", L"天", 7.0},
    {"gap", L"随访间隔", L"天", 30.0},
    {"times", L"随访次数", L"次", 3.0},
};

constexpr ToolDef kTool = {
    207,
    L"随访日期",
    L"以今天为基准推算随访节点",
    L"随访管理",
    L"本院出院患者随访管理制度",
    L"遇节假日请人工顺延；随访结果记录于病历。",
    static_cast<int32_t>(sizeof kInputs / sizeof kInputs[0]),
    kInputs,
    0,
    nullptr,
    0,
    nullptr,
    report_kind::FollowUpDates,
};

} // namespace

const ToolDef& tool207() {
    return kTool;
}
