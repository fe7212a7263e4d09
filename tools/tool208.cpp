// Tool 208: the surgical safety checklist.
#include "engine/tool.h"

namespace {

constexpr ToolDef kTool = {
    208,
    L"手术安全核查",
    L"麻醉实施前、手术开始前、患者离室前三步核查",
    L"手术安全",
    L"《手术安全核查制度》；《医疗质量安全核心制度要点》",
    L"由手术医师、麻醉医师和巡回护士三方共同核查并签字。",
    0,
    nullptr,
    0,
    nullptr,
    0,
    nullptr,
    report_kind::SurgicalChecklist,
};

} // namespace

const ToolDef& tool208() {
    return kTool;
}
