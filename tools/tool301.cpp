// Tool 301: Braden scale, pressure-injury risk from six scored items.
#include "engine/tool.h"

namespace {

constexpr InputChoice kSen[] = {
    {1.0, L"完全受限"},
    {2.0, L"大部分受限"},
    {3.0, L"轻度受限"},
    {4.0, L"未受损"},
};
constexpr InputChoice kMoi[] = {
    {1.0, L"持续潮湿"},
    {2.0, L"常常潮湿"},
    {3.0, L"偶尔潮湿"},
    {4.0, L"罕见潮湿"},
};
constexpr InputChoice kAct[] = {
    {1.0, L"卧床"},
    {2.0, L"坐椅子"},
    {3.0, L"偶尔步行"},
    {4.0, L"经常步行"},
};
constexpr InputChoice kMob[] = {
    {1.0, L"完全受限"},
    {2.0, L"非常受限"},
    {3.0, L"轻微受限"},
    {4.0, L"不受限"},
};
constexpr InputChoice kNut[] = {
    {1.0, L"非常差"},
    {2.0, L"可能不足"},
    {3.0, L"充足"},
    {4.0, L"丰富"},
};
constexpr InputChoice kFri[] = {
    {1.0, L"存在问题"},
    {2.0, L"潜在问题"},
    {3.0, L"无明显问题"},
};

constexpr InputField kInputs[] = {
    {"sen", L"感知能力", nullptr, 4.0, countOf(kSen), kSen},
    {"moi", L"潮湿程度", nullptr, 4.0, countOf(kMoi), kMoi},
    {"act", L"活动能力", nullptr, 4.0, countOf(kAct), kAct},
    {"mob", L"移动能力", nullptr, 4.0, countOf(kMob), kMob},
    {"nut", L"营养摄取", nullptr, 4.0, countOf(kNut), kNut},
    {"fri", L"摩擦力和剪切力", nullptr, 3.0, countOf(kFri), kFri},
};

constexpr OutputField kOutputs[] = {
    {"total", L"总分", L"分", "sen+moi+act+mob+nut+fri", "f0"},
};

constexpr VerdictRule kRules[] = {
    {"total<=9", kLevelWarning, L"极高危，至少每 2 小时翻身，使用气垫床等减压床垫"},
    {"total<=12", kLevelWarning, L"高危，每 2 小时翻身，使用减压床垫"},
    {"total<=14", kLevelAttention, L"中危，制定翻身计划，30° 侧卧并保护骨隆突处"},
    {"total<=18", kLevelAttention, L"低危，定时翻身，保持皮肤清洁干燥并加强营养"},
    {"", kLevelNormal, L"无风险，常规护理，病情变化时复评"},
};

constexpr ToolDef kTool = {
    301,
    L"Braden 压力性损伤风险",
    L"六项评分评估压力性损伤风险",
    L"护理评估",
    L"Bergstrom N, Braden BJ 等, Nurs Res 1987；Ayello EA, Braden B, 2002；原卫生部《临床护理实践指南（2011 "
    L"版）》",
    L"评分≤18 分即有压力性损伤风险，伴发热、低血压、高龄等危险因素时宜上调一级，并结合皮肤检查判断。",
    countOf(kInputs),
    kInputs,
    countOf(kOutputs),
    kOutputs,
    countOf(kRules),
    kRules,
    report_kind::None,
};

} // namespace

const ToolDef& tool301() {
    return kTool;
}
