// Tool 305: Glasgow coma scale from eye, verbal and motor responses.
#include "engine/tool.h"

namespace {

constexpr InputChoice kEye[] = {
    {1.0, L"不睁眼"},
    {2.0, L"刺痛睁眼"},
    {3.0, L"呼唤睁眼"},
    {4.0, L"自动睁眼"},
};
constexpr InputChoice kVerbal[] = {
    {1.0, L"无发音"}, {2.0, L"只能发音"}, {3.0, L"语无伦次"}, {4.0, L"回答错误"}, {5.0, L"回答正确"},
};
constexpr InputChoice kMotor[] = {
    {1.0, L"无反应"},   {2.0, L"刺痛过伸（去大脑）"}, {3.0, L"刺痛屈曲（去皮质）"},
    {4.0, L"刺痛躲避"}, {5.0, L"刺痛定位"},           {6.0, L"遵嘱动作"},
};

constexpr InputField kInputs[] = {
    {"eye", L"睁眼反应 E", nullptr, 4.0, countOf(kEye), kEye},
    {"verbal", L"语言反应 V", nullptr, 5.0, countOf(kVerbal), kVerbal},
    {"motor", L"运动反应 M", nullptr, 6.0, countOf(kMotor), kMotor},
};

constexpr OutputField kOutputs[] = {
    {"total", L"总分", L"分", "eye+verbal+motor", "f0"},
};

constexpr VerdictRule kRules[] = {
    {"total<=8", kLevelWarning, L"昏迷（GCS≤8），保护气道并立即报告医师"},
    {"total<=12", kLevelWarning, L"中度意识障碍，报告医师并加强监护"},
    {"total<=14", kLevelAttention, L"轻度意识障碍，密切观察意识变化"},
    {"", kLevelNormal, L"意识清楚，常规观察"},
};

constexpr ToolDef kTool = {
    305,
    L"GCS 昏迷评分",
    L"格拉斯哥昏迷评分：睁眼、语言、运动三项",
    L"重症评估",
    L"Teasdale G, Jennett B, Lancet 1974；Teasdale G 等, Lancet Neurol 2014",
    L"气管插管或气管切开者语言项无法评分（记 VT），此时总分不宜使用，应分项记录；<2 岁儿童用儿童 GCS。",
    countOf(kInputs),
    kInputs,
    countOf(kOutputs),
    kOutputs,
    countOf(kRules),
    kRules,
    report_kind::None,
};

} // namespace

const ToolDef& tool305() {
    return kTool;
}
