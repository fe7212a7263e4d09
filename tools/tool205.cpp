// Tool 205: high-alert drug classes.
#include "engine/tool.h"

namespace {

constexpr InputField kInputs[] = {
    {"kind", L"类别编号", nullptr, 1.0},
};

constexpr ToolDef kTool = {
    205,
    L"高警示药品",
    L"高警示药品类别与管理要点",
    L"用药安全",
    L"《中国高警示药品临床使用与管理专家共识（2017）》",
    L"类别编号：1 高浓度电解质 2 胰岛素与降糖药 3 抗凝与化疗药 4 麻醉与肌松药。",
    static_cast<int32_t>(sizeof kInputs / sizeof kInputs[0]),
    kInputs,
    0,
    nullptr,
    0,
    nullptr,
    report_kind::HighAlertDrugs,
};

} // namespace

const ToolDef& tool205() {
    return kTool;
}
