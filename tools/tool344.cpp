// Tool 344: CAM-ICU delirium assessment from its four features.
#include "engine/tool.h"
#include "tools/choices.h"

namespace {

constexpr InputChoice kAcute[] = {
    {0.0, L"否"},
    {1.0, L"是（急性改变或波动）"},
};
constexpr InputField kInputs[] = {
    {"acute", L"急性改变或波动", nullptr, 0.0, countOf(kAcute), kAcute},
    {"rass", L"RASS 评分", nullptr, 0.0, countOf(kRassLevels), kRassLevels},
    {"err2", L"字母试验错误数", L"个", 0.0, 0, nullptr, 0.0, 10.0},
    {"err4", L"思维测试错误数", L"个", 0.0, 0, nullptr, 0.0, 5.0},
};

constexpr OutputField kOutputs[] = {
    {"f1", L"特征1 急性改变或波动", nullptr, "acute", "f0"},
    {"f2", L"特征2 注意力缺损", nullptr, "err2>2", "f0"},
    {"f3", L"特征3 意识水平改变", nullptr, "rass!=0", "f0"},
    {"f4", L"特征4 思维紊乱", nullptr, "err4>1", "f0"},
};

constexpr VerdictRule kRules[] = {
    {"err2<0||err2>10||err2!=floor(err2)||err4<0||err4>5||err4!=floor(err4)", kLevelWarning,
     L"错误数须为整数（字母 0–10，思维 0–5），请核对"},
    {"rass<=-4", kLevelWarning, L"RASS -4/-5 不能评估；如非医嘱深镇静，立即报告医师"},
    {"f1==1&&f2==1&&(f3==1||f4==1)&&rass>0", kLevelWarning,
     L"CAM-ICU 阳性伴躁动（活动亢进表现），防拔管并报告医师"},
    {"f1==1&&f2==1&&(f3==1||f4==1)", kLevelWarning, L"CAM-ICU 阳性（谵妄），报告医师查找原因"},
    {"rass>=3", kLevelWarning, L"CAM-ICU 阴性，但非常躁动，防意外拔管，立即报告医师"},
    {"rass==2||rass==-3", kLevelAttention, L"CAM-ICU 阴性，躁动或中度镇静，报告医师"},
    {"", kLevelNormal, L"CAM-ICU 阴性，未见谵妄，每班复评"},
};

constexpr ToolDef kTool = {
    344,
    L"CAM-ICU 谵妄评估",
    L"ICU 患者床旁谵妄筛查",
    L"重症评估",
    L"Ely EW 等, JAMA 2001;286:2703–2710；Ely EW 等, Crit Care Med 2001;29:1370–1379；Ely EW, Pun BT. "
    L"CAM-ICU Training Manual（修订版 2014）；Wang C 等, J Crit Care 2013;28:223–229（简体中文版）；Devlin "
    L"JW 等, Crit Care Med 2018;46:e825（PADIS）；中华医学会重症医学分会《中国成人 ICU 镇痛和镇静治疗指南》, "
    L"中华危重病急救医学 2018;30(6):497–514",
    L"先评 RASS，-4/-5 暂不评估，稍后复评；特征 1 指与基线相比的急性精神状态改变，或近 24 h "
    L"内波动（RASS、GCS 或谵妄评估结果波动）；特征 2 为注意力试验，读 10 "
    L"个字母，嘱听到指定字母时捏手，该捏未捏或不该捏而捏各计 1 个错误（中文版另有图片法），错误>2 "
    L"个为阳性；特征 3 为当前 RASS 不为 0；特征 4 为 4 个是非题（如石头能浮在水面上吗）加 1 "
    L"个指令（伸出与我相同数目的手指，再换另一只手做），错误合计>1 为阳性；各特征输出 1 为阳性、0 "
    L"为阴性，谵妄 = 特征 1 且特征 2 且（特征 3 或特征 4）；谵妄呈波动，阴性不能排除之后发生，每班至少评估 1 "
    L"次，病情变化时复评；重度听力、视力障碍或不能交流者需按其他方法评估。",
    countOf(kInputs),
    kInputs,
    countOf(kOutputs),
    kOutputs,
    countOf(kRules),
    kRules,
    report_kind::None,
};

} // namespace

const ToolDef& tool344() {
    return kTool;
}
