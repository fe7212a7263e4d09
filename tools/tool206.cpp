// Tool 206: infusion compatibility of two injections.
#include "engine/tool.h"

namespace {

constexpr InputField kInputs[] = {
    {"drugA", L"药物 A 编号", nullptr, 1.0},
    {"drugB", L"药物 B 编号", nullptr, 2.0},
};

constexpr ToolDef kTool = {
    206,
    L"输液配伍查询",
    L"两种注射液同瓶配伍核对",
    L"用药安全",
    L"药品说明书；本院输液配伍禁忌表",
    L"药物编号：1 头孢曲松 2 葡萄糖酸钙 3 万古霉素 4 呋塞米 5 氨溴索 6 奥美拉唑 7 维生素C 8 胰岛素 9 "
    L"碳酸氢钠 10 多巴胺。仅收录常见组合，未收录不代表可以配伍。",
    static_cast<int32_t>(sizeof kInputs / sizeof kInputs[0]),
    kInputs,
    0,
    nullptr,
    0,
    nullptr,
    report_kind::InfusionCompatibility,
};

} // namespace

const ToolDef& tool206() {
    return kTool;
}
