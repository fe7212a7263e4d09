// Tool 202: a dosing timetable at equal intervals.
#include "engine/tool.h"

namespace {

constexpr InputField kInputs[] = {
    {"start", L"首剂时间", L"时", 8.0},
    {"interval", L"给药间隔", L"小时", 8.0},
    {"times", L"给药次数", L"次", 3.0},
};

constexpr ToolDef kTool = {
    202,
    L"给药时间表",
    L"按等间隔推算给药时刻",
    L"用药安全",
    L"《抗菌药物临床应用指导原则（2015 年版）》",
    L"给药间隔须结合药物半衰期与肝肾功能调整，特殊药物遵医嘱与说明书。",
    static_cast<int32_t>(sizeof kInputs / sizeof kInputs[0]),
    kInputs,
    0,
    nullptr,
    0,
    nullptr,
    report_kind::DosingTimetable,
};

} // namespace

const ToolDef& tool202() {
    return kTool;
}
