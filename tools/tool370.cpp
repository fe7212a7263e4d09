// Tool 370: equivalent doses of systemic glucocorticoids.
#include "engine/tool.h"

namespace {

constexpr InputChoice kSrc[] = {
    {0.6, L"mg 倍他米松"},        {0.75, L"mg 地塞米松"},   {4.0, L"mg 甲泼尼龙/曲安西龙"},
    {5.0, L"mg 泼尼松/泼尼松龙"}, {20.0, L"mg 氢化可的松"}, {25.0, L"mg 可的松"},
};

constexpr InputField kInputs[] = {
    {"src", L"原用药物", nullptr, 5.0, countOf(kSrc), kSrc},
    {"dose", L"每日剂量", L"mg/d", 10.0, 0, nullptr, 0.01, 50000.0},
    {"dst", L"换算为", nullptr, 4.0, countOf(kSrc), kSrc},
};

constexpr OutputField kOutputs[] = {
    {"eq", L"换算后每日剂量", L"mg/d", "dose/src*dst", "f2"},
    {"pe", L"泼尼松等效剂量", L"mg/d", "dose/src*5", "f1"},
};

constexpr VerdictRule kRules[] = {
    {"dose<=0", kLevelWarning, L"请核对每日剂量（须大于 0）"},
    {"pe>249.95", kLevelWarning, L"泼尼松等效≥250 mg/d（冲击量），双人核对医嘱"},
    {"pe>100.05", kLevelAttention, L"泼尼松等效>100 mg/d（极大剂量），核对医嘱"},
    {"pe>=30.05", kLevelAttention, L"泼尼松等效>30 mg/d（大剂量），监测不良反应"},
    {"pe>7.55", kLevelNormal, L"中等剂量（>7.5–30 mg/d），换算结果由医师确认"},
    {"", kLevelNormal, L"小剂量（≤7.5 mg/d），换算结果由医师确认"},
};

constexpr ToolDef kTool = {
    370,
    L"糖皮质激素等效换算",
    L"糖皮质激素等效剂量换算",
    L"用药计算",
    L"卫生部办公厅《糖皮质激素类药物临床应用指导原则》（卫办医政发〔2011〕23 号，表 1 "
    L"等效剂量）；杨宝峰、陈建国主编《药理学》第 9 "
    L"版（人民卫生出版社，2018）肾上腺皮质激素类药物；Buttgereit F 等. Ann Rheum Dis "
    L"2002;61:718-722（泼尼松等效日剂量分级）",
    L"下拉项前的数字为该药与泼尼松 5 mg "
    L"等效的剂量；仅按糖皮质激素（抗炎）效价等效换算全身用药（口服或静脉）的每日剂量，盐皮质激素（水钠潴留）"
    L"作用与作用持续时间不同（氢化可的松、可的松有明显盐皮质激素作用，地塞米松、倍他米松为长效、对下丘脑-"
    L"垂体-"
    L"肾上腺轴抑制强），不用于关节腔或局部注射、吸入、外用、鞘内等给药途径之间的换算及复方倍他米松、曲安奈德"
    L"等长效混悬注射剂，也不用于肾上腺皮质功能不全的替代治疗；剂量分级按 Buttgereit 2002 "
    L"泼尼松等效日剂量（≤7.5 小剂量、>7.5–30 中等、>30–100 大剂量、>100 极大剂量、≥250 "
    L"冲击），《指导原则》另按泼尼松 mg/kg·d 分级（<0.5 小剂量、0.5–1.0 中等、>1.0 "
    L"大剂量）；换算结果须由医师确认后执行。",
    countOf(kInputs),
    kInputs,
    countOf(kOutputs),
    kOutputs,
    countOf(kRules),
    kRules,
    report_kind::None,
};

} // namespace

const ToolDef& tool370() {
    return kTool;
}
