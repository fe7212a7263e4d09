// Tool 346: FLACC behavioural pain scale for small children.
#include "engine/tool.h"

namespace {

constexpr InputChoice kFace[] = {
    {0.0, L"无特殊表情或微笑"},
    {1.0, L"偶尔皱眉或扭曲、淡漠退缩"},
    {2.0, L"经常或持续下颌颤抖、紧咬牙关"},
};
constexpr InputChoice kLegs[] = {
    {0.0, L"体位正常或放松"},
    {1.0, L"不安、紧张、不停动"},
    {2.0, L"踢腿或双腿蜷起"},
};
constexpr InputChoice kAct[] = {
    {0.0, L"安静平卧、活动自如"},
    {1.0, L"扭动、翻来覆去、紧张"},
    {2.0, L"身体弓起、僵硬或抽动"},
};
constexpr InputChoice kCry[] = {
    {0.0, L"不哭（清醒或睡眠）"},
    {1.0, L"呻吟、呜咽、偶诉不适"},
    {2.0, L"持续哭闹、尖叫、频诉痛"},
};
constexpr InputChoice kCons[] = {
    {0.0, L"满足、放松"},
    {1.0, L"抚摸拥抱或说话可安抚"},
    {2.0, L"难以安抚"},
};

constexpr InputField kInputs[] = {
    {"face", L"面部表情", nullptr, 0.0, countOf(kFace), kFace},
    {"legs", L"腿部动作", nullptr, 0.0, countOf(kLegs), kLegs},
    {"act", L"活动度", nullptr, 0.0, countOf(kAct), kAct},
    {"cry", L"哭闹", nullptr, 0.0, countOf(kCry), kCry},
    {"cons", L"可安慰性", nullptr, 0.0, countOf(kCons), kCons},
};

constexpr OutputField kOutputs[] = {
    {"total", L"总分", L"分", "face+legs+act+cry+cons", "f0"},
};

constexpr VerdictRule kRules[] = {
    {"total>=7", kLevelWarning, L"重度疼痛（7–10 分），立即报告医师，遵医嘱镇痛"},
    {"total>=4", kLevelAttention, L"中度疼痛（4–6 分），报告医师，遵医嘱镇痛后复评"},
    {"total>=1", kLevelNormal, L"轻度不适（1–3 分），安抚等非药物措施后复评"},
    {"", kLevelNormal, L"放松舒适（0 分），按时复评"},
};

constexpr ToolDef kTool = {
    346,
    L"FLACC 儿童疼痛评分",
    L"婴幼儿及不能自述者疼痛评估",
    L"儿科",
    L"Merkel SI 等, Pediatr Nurs 1997;23(3):293–297；Voepel-Lewis T 等, Am J Crit Care "
    L"2010;19:55–61（重症及不能言语者）；Malviya S 等, Paediatr Anaesth 2006;16:258–265（修订版 r-FLACC）",
    L"用于 2 个月至 7 岁儿童或不能自述疼痛的患儿（能自述者用面部表情或数字评分），清醒者观察 1–5 "
    L"分钟，睡眠者观察≥5 分钟，腿部及身体活动需掀开被子观察；分级为 0 放松舒适、1–3 轻度不适、4–6 "
    L"中度疼痛、7–10 "
    L"重度疼痛，镇痛后按药物起效时间复评；饥饿、恐惧、分离焦虑也可使评分升高，须结合情境与家长意见判断。",
    countOf(kInputs),
    kInputs,
    countOf(kOutputs),
    kOutputs,
    countOf(kRules),
    kRules,
    report_kind::None,
};

} // namespace

const ToolDef& tool346() {
    return kTool;
}
