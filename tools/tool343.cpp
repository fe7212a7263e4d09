// Tool 343: NIH stroke scale.
#include "engine/tool.h"

namespace {

constexpr InputChoice kLoc[] = {
    {0.0, L"清醒，反应灵敏"},
    {1.0, L"嗜睡，轻刺激可唤醒"},
    {2.0, L"昏睡或反应迟钝"},
    {3.0, L"昏迷（仅反射或无反应）"},
};
constexpr InputChoice kLocq[] = {
    {0.0, L"月份、年龄均正确"},
    {1.0, L"一项正确"},
    {2.0, L"两项均不正确"},
};
constexpr InputChoice kLocc[] = {
    {0.0, L"睁闭眼、握拳均完成"},
    {1.0, L"完成一项"},
    {2.0, L"两项均不能完成"},
};
constexpr InputChoice kGaze[] = {
    {0.0, L"正常"},
    {1.0, L"部分凝视麻痹"},
    {2.0, L"强迫凝视或完全麻痹"},
};
constexpr InputChoice kVis[] = {
    {0.0, L"无视野缺损"},
    {1.0, L"部分偏盲"},
    {2.0, L"完全偏盲"},
    {3.0, L"双侧偏盲（含皮质盲）"},
};
constexpr InputChoice kFace[] = {
    {0.0, L"正常"},
    {1.0, L"轻微（鼻唇沟变平）"},
    {2.0, L"部分（下面部瘫痪）"},
    {3.0, L"完全（上下面部瘫痪）"},
};
constexpr InputChoice kLimbMotor[] = {
    {0.0, L"无下落（坚持 10 秒）"},
    {1.0, L"10 秒内下落，未碰床"},
    {2.0, L"能抗重力，但落至床面"},
    {3.0, L"不能抗重力，立即落下"},
    {4.0, L"无运动"},
};
constexpr InputChoice kLegMotor[] = {
    {0.0, L"无下落（坚持 5 秒）"},
    {1.0, L"5 秒内下落，未碰床"},
    {2.0, L"能抗重力，但落至床面"},
    {3.0, L"不能抗重力，立即落下"},
    {4.0, L"无运动"},
};
constexpr InputChoice kAtax[] = {
    {0.0, L"无（含瘫痪/不能理解）"},
    {1.0, L"一个肢体有"},
    {2.0, L"两个肢体有"},
};
constexpr InputChoice kSens[] = {
    {0.0, L"正常"},
    {1.0, L"轻到中度感觉减退"},
    {2.0, L"重度到完全感觉缺失"},
};
constexpr InputChoice kLang[] = {
    {0.0, L"正常，无失语"},
    {1.0, L"轻到中度失语"},
    {2.0, L"重度失语"},
    {3.0, L"哑或完全性失语"},
};
constexpr InputChoice kDys[] = {
    {0.0, L"正常"},
    {1.0, L"轻到中度"},
    {2.0, L"重度（不能理解或哑）"},
};
constexpr InputChoice kNegl[] = {
    {0.0, L"无"},
    {1.0, L"一种感觉模式忽视"},
    {2.0, L"严重偏侧忽视（>1 种）"},
};

constexpr InputField kInputs[] = {
    {"loc", L"意识水平", nullptr, 0.0, countOf(kLoc), kLoc},
    {"locq", L"意识水平提问", nullptr, 0.0, countOf(kLocq), kLocq},
    {"locc", L"意识水平指令", nullptr, 0.0, countOf(kLocc), kLocc},
    {"gaze", L"凝视", nullptr, 0.0, countOf(kGaze), kGaze},
    {"vis", L"视野", nullptr, 0.0, countOf(kVis), kVis},
    {"face", L"面瘫", nullptr, 0.0, countOf(kFace), kFace},
    {"arml", L"左上肢运动", nullptr, 0.0, countOf(kLimbMotor), kLimbMotor},
    {"armr", L"右上肢运动", nullptr, 0.0, countOf(kLimbMotor), kLimbMotor},
    {"legl", L"左下肢运动", nullptr, 0.0, countOf(kLegMotor), kLegMotor},
    {"legr", L"右下肢运动", nullptr, 0.0, countOf(kLegMotor), kLegMotor},
    {"atax", L"肢体共济失调", nullptr, 0.0, countOf(kAtax), kAtax},
    {"sens", L"感觉", nullptr, 0.0, countOf(kSens), kSens},
    {"lang", L"语言", nullptr, 0.0, countOf(kLang), kLang},
    {"dys", L"构音障碍", nullptr, 0.0, countOf(kDys), kDys},
    {"negl", L"忽视", nullptr, 0.0, countOf(kNegl), kNegl},
};

constexpr OutputField kOutputs[] = {
    {"total", L"总分", L"分", "loc+locq+locc+gaze+vis+face+arml+armr+legl+legr+atax+sens+lang+dys+negl",
     "f0"},
};

constexpr VerdictRule kRules[] = {
    {"loc==3&&(locq!=2||locc!=2||sens!=2||lang!=3||atax!=0)", kLevelWarning,
     L"昏迷时提问/指令/感觉计 2、语言 3、共济 0，请核对"},
    {"total>=21", kLevelWarning, L"重度卒中（21–42 分），立即报告医师，再灌注由医师决定"},
    {"total>=16", kLevelWarning, L"中重度卒中（16–20 分），立即报告医师，再灌注由医师决定"},
    {"total>=5", kLevelWarning, L"中度卒中（5–15 分），立即报告医师，再灌注由医师决定"},
    {"loc==2", kLevelWarning, L"意识水平下降（昏睡或反应迟钝），立即报告医师"},
    {"vis>=2||lang>=2||negl>=2||arml>=2||armr>=2||legl>=2||legr>=2", kLevelWarning,
     L"致残性缺损（偏盲、重度失语、忽视或肢体无力），立即报告医师"},
    {"total>=1", kLevelAttention, L"轻型卒中（1–4 分），新发或加重立即报告医师"},
    {"", kLevelNormal, L"0 分，无可测神经功能缺损，按时复评"},
};

constexpr ToolDef kTool = {
    343,
    L"NIHSS 卒中量表",
    L"卒中神经功能缺损程度评估",
    L"神经系统",
    L"Brott T 等, Stroke 1989;20:864–870；Lyden P 等, Stroke "
    L"1994;25:2220–2226；中华医学会神经病学分会等《中国急性缺血性卒中诊治指南 2023》, 中华神经科杂志 "
    L"2024;57(6):523–559",
    L"由经过 NIHSS 培训的医护人员按项目顺序评估，记录患者首次反应、不得提示或诱导，UN（计 0 "
    L"分并注明原因）仅用于截肢或关节融合（运动、共济）及气管插管（构音），气管插管、口部创伤或语言不通者 1b "
    L"计 1 分，失语或昏睡不理解者 1b 计 2 分，插管者语言项让其书写，瘫痪或不能理解者共济失调计 0 "
    L"分，昏迷（意识水平 3 分）者提问、指令各计 2 分、感觉 2 分、语言 3 分、共济失调 0 "
    L"分，左右肢体分别评估；分级为 0 分、1–4 分轻型、5–15 分中度、16–20 分中重度、21–42 分重度，1–5 "
    L"分者如有完全偏盲、重度失语、严重忽视或肢体不能抗重力，属致残性缺损，溶栓时间窗内同样须立即报告医师；NIH"
    L"SS 对后循环卒中（眩晕、步态不稳、吞咽困难）不敏感，低分不能排除卒中，复评时较前增加≥2 "
    L"分（或按本院规定≥4 "
    L"分）提示神经功能恶化，应立即报告医师；是否静脉溶栓或血管内治疗由医师结合发病时间、影像和指南决定，本工"
    L"具不作判断。",
    countOf(kInputs),
    kInputs,
    countOf(kOutputs),
    kOutputs,
    countOf(kRules),
    kRules,
    report_kind::None,
};

} // namespace

const ToolDef& tool343() {
    return kTool;
}
