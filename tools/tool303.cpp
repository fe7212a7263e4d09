// Tool 303: Barthel index of self-care in daily living.
#include "engine/tool.h"

namespace {

constexpr InputChoice kSelfCare[] = {
    {0.0, L"需极大帮助或依赖"},
    {5.0, L"需部分帮助"},
    {10.0, L"自理"},
};
constexpr InputChoice kWash[] = {
    {0.0, L"需他人帮助"},
    {5.0, L"自理"},
};
constexpr InputChoice kContinence[] = {
    {0.0, L"完全失控"},
    {5.0, L"偶尔失控"},
    {10.0, L"能控制"},
};
constexpr InputChoice kTrans[] = {
    {0.0, L"完全依赖"},
    {5.0, L"需极大帮助"},
    {10.0, L"需部分帮助"},
    {15.0, L"自理"},
};
constexpr InputChoice kWalk[] = {
    {0.0, L"完全依赖"},
    {5.0, L"需极大帮助"},
    {10.0, L"需部分帮助"},
    {15.0, L"独立行走 45 m"},
};
constexpr InputChoice kStair[] = {
    {0.0, L"需极大帮助或不能"},
    {5.0, L"需部分帮助"},
    {10.0, L"独立上下楼梯"},
};

constexpr InputField kInputs[] = {
    {"feed", L"进食", nullptr, 10.0, countOf(kSelfCare), kSelfCare},
    {"bath", L"洗澡", nullptr, 5.0, countOf(kWash), kWash},
    {"groom", L"修饰", nullptr, 5.0, countOf(kWash), kWash},
    {"dress", L"穿衣", nullptr, 10.0, countOf(kSelfCare), kSelfCare},
    {"bowel", L"控制大便", nullptr, 10.0, countOf(kContinence), kContinence},
    {"blad", L"控制小便", nullptr, 10.0, countOf(kContinence), kContinence},
    {"toil", L"如厕", nullptr, 10.0, countOf(kSelfCare), kSelfCare},
    {"trans", L"床椅转移", nullptr, 15.0, countOf(kTrans), kTrans},
    {"walk", L"平地行走", nullptr, 15.0, countOf(kWalk), kWalk},
    {"stair", L"上下楼梯", nullptr, 10.0, countOf(kStair), kStair},
};

constexpr OutputField kOutputs[] = {
    {"total", L"总分", L"分", "feed+bath+groom+dress+bowel+blad+toil+trans+walk+stair", "f0"},
};

constexpr VerdictRule kRules[] = {
    {"total<=40", kLevelWarning, L"重度依赖，全部需他人照护"},
    {"total<=60", kLevelAttention, L"中度依赖，大部分需他人照护"},
    {"total<100", kLevelAttention, L"轻度依赖，少部分需他人照护"},
    {"", kLevelNormal, L"无需依赖，无需他人照护"},
};

constexpr ToolDef kTool = {
    303,
    L"Barthel 指数（自理能力）",
    L"日常生活活动能力与自理分级",
    L"护理评估",
    L"Mahoney FI, Barthel DW, Md State Med J 1965；WS/T 431—2013《护理分级》",
    L"自理能力分级须与病情等级共同确定护理级别，按患者实际完成情况评定而非潜在能力。",
    countOf(kInputs),
    kInputs,
    countOf(kOutputs),
    kOutputs,
    countOf(kRules),
    kRules,
    report_kind::None,
};

} // namespace

const ToolDef& tool303() {
    return kTool;
}
