// Tool 204: laboratory critical values and how to report them.
#include "engine/tool.h"

namespace {

constexpr InputField kInputs[] = {
    {"kind", L"类别编号", nullptr, 1.0},
};

constexpr ToolDef kTool = {
    204,
    L"检验危急值",
    L"常见检验危急值界限与报告流程",
    L"检验标本",
    L"《医疗质量安全核心制度要点》（危急值报告制度）",
    L"类别编号：1 电解质 2 血糖与血气 3 血常规 4 凝血 5 微生物 6 心肌与胰腺。界限以本院目录为准。",
    static_cast<int32_t>(sizeof kInputs / sizeof kInputs[0]),
    kInputs,
    0,
    nullptr,
    0,
    nullptr,
    report_kind::CriticalValues,
};

} // namespace

const ToolDef& tool204() {
    return kTool;
}
