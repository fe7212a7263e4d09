// Tool 391: Braden Q pressure-injury risk in children.
#include "engine/tool.h"

namespace {

constexpr InputChoice kMob[] = {
    {1.0, L"完全不能自主移动"},
    {2.0, L"非常受限"},
    {3.0, L"轻度受限"},
    {4.0, L"不受限"},
};
constexpr InputChoice kAct[] = {
    {1.0, L"卧床"},
    {2.0, L"限于椅上"},
    {3.0, L"偶尔步行"},
    {4.0, L"年幼不会走或常步行"},
};
constexpr InputChoice kSen[] = {
    {1.0, L"完全受限"},
    {2.0, L"非常受限"},
    {3.0, L"轻度受限"},
    {4.0, L"未受损"},
};
constexpr InputChoice kMoi[] = {
    {1.0, L"持续潮湿"},
    {2.0, L"非常潮湿"},
    {3.0, L"偶尔潮湿"},
    {4.0, L"很少潮湿"},
};
constexpr InputChoice kFri[] = {
    {1.0, L"严重问题"},
    {2.0, L"有问题"},
    {3.0, L"潜在问题"},
    {4.0, L"无明显问题"},
};
constexpr InputChoice kNut[] = {
    {1.0, L"非常差"},
    {2.0, L"不足"},
    {3.0, L"充足"},
    {4.0, L"良好"},
};
constexpr InputChoice kPerf[] = {
    {1.0, L"极差（低血压）"},
    {2.0, L"受损"},
    {3.0, L"尚可"},
    {4.0, L"良好"},
};

constexpr InputField kInputs[] = {
    {"mob", L"移动能力", nullptr, 4.0, countOf(kMob), kMob},
    {"act", L"活动能力", nullptr, 4.0, countOf(kAct), kAct},
    {"sen", L"感知觉", nullptr, 4.0, countOf(kSen), kSen},
    {"moi", L"潮湿", nullptr, 4.0, countOf(kMoi), kMoi},
    {"fri", L"摩擦力和剪切力", nullptr, 4.0, countOf(kFri), kFri},
    {"nut", L"营养", nullptr, 4.0, countOf(kNut), kNut},
    {"perf", L"组织灌注与氧合", nullptr, 4.0, countOf(kPerf), kPerf},
};

constexpr OutputField kOutputs[] = {
    {"total", L"总分", L"分", "mob+act+sen+moi+fri+nut+perf", "f0"},
};

constexpr VerdictRule kRules[] = {
    {"perf==1", kLevelWarning, L"组织灌注极差（低血压或不耐受翻身），报告医师"},
    {"total<=16", kLevelAttention, L"≤16 分，有压力性损伤风险，落实预防措施"},
    {"", kLevelNormal, L">16 分，暂无明显风险，病情变化时复评"},
};

constexpr ToolDef kTool = {
    391,
    L"Braden Q 儿童压力性损伤风险",
    L"儿童压力性损伤风险七项评估",
    L"儿科",
    L"Quigley SM, Curley MAQ, J Soc Pediatr Nurs 1996;1(1):7–18；Curley MAQ, Razmus IS, Roberts KE, Wypij D, "
    L"Nurs Res 2003;52(1):22–33；Noonan C, Quigley S, Curley MAQ, J Pediatr Nurs 2011;26(6):566–575",
    L"采用 Braden Q 量表（Quigley 与 Curley 1996 由成人 Braden 量表改编，Curley 2003 在 21 天至 8 "
    L"岁、卧床≥24 小时的 PICU 患儿中验证），7 项各 1–4 分，总分 7–28 分，越低风险越高，≤16 "
    L"分为有压力性损伤风险（敏感度 0.88、特异度 0.58）；活动能力 4 分含尚不会行走的婴幼儿；组织灌注与氧合 1 "
    L"分指低血压（平均动脉压<50 mmHg，新生儿<40 mmHg）或生理上不能耐受体位改变，2 "
    L"分指血压正常但血氧饱和度<95%、血红蛋白<100 g/L 或毛细血管再充盈>2 秒且血 pH<7.40，3 "
    L"分指血压正常、上述指标可有异常但血 pH 正常，4 "
    L"分指血压正常、血氧饱和度>95%、血红蛋白正常且毛细血管再充盈<2 "
    L"秒；本量表不评估医疗器械相关压力性损伤（Braden QD 量表，Curley 2018，≤13 "
    L"分为有风险，计分不同，不可混用），与成人 "
    L"Braden（301）分级也不同；总分未达风险界值时单项低分仍应针对性处理；翻身频次、减压用具等预防措施由护理团"
    L"队按本院规范执行，组织灌注极差时由医师处理循环问题。",
    countOf(kInputs),
    kInputs,
    countOf(kOutputs),
    kOutputs,
    countOf(kRules),
    kRules,
    report_kind::None,
};

} // namespace

const ToolDef& tool391() {
    return kTool;
}
