// Tool 315: Wells score for deep-vein thrombosis.
#include "engine/tool.h"
#include "tools/choices.h"

namespace {

constexpr InputChoice kAlt[] = {
    {-2.0, L"是"},
    {0.0, L"否"},
};

constexpr InputField kInputs[] = {
    {"ca", L"活动性肿瘤", nullptr, 0.0, countOf(kNoYes1), kNoYes1},
    {"par", L"下肢瘫/轻瘫/石膏", nullptr, 0.0, countOf(kNoYes1), kNoYes1},
    {"bed", L"近期卧床或大手术", nullptr, 0.0, countOf(kNoYes1), kNoYes1},
    {"tend", L"深静脉走行压痛", nullptr, 0.0, countOf(kNoYes1), kNoYes1},
    {"leg", L"全下肢肿胀", nullptr, 0.0, countOf(kNoYes1), kNoYes1},
    {"calf", L"小腿周径差≥3 cm", nullptr, 0.0, countOf(kNoYes1), kNoYes1},
    {"pit", L"患肢凹陷性水肿", nullptr, 0.0, countOf(kNoYes1), kNoYes1},
    {"coll", L"非曲张浅静脉侧支", nullptr, 0.0, countOf(kNoYes1), kNoYes1},
    {"prev", L"既往 DVT 史", nullptr, 0.0, countOf(kNoYes1), kNoYes1},
    {"alt", L"其他诊断≥DVT", nullptr, 0.0, countOf(kAlt), kAlt},
};

constexpr OutputField kOutputs[] = {
    {"total", L"总分", L"分", "ca+par+bed+tend+leg+calf+pit+coll+prev+alt", "f0"},
};

constexpr VerdictRule kRules[] = {
    {"total>=2", kLevelWarning, L"DVT 可能（≥2 分），报告医师，评估下肢静脉超声"},
    {"", kLevelAttention, L"DVT 可能性小（<2 分），需结合 D-二聚体排除"},
};

constexpr ToolDef kTool = {
    315,
    L"Wells DVT 评分",
    L"下肢深静脉血栓验前概率",
    L"血栓风险",
    L"Wells PS 等, N Engl J Med 2003;349:1227–1235；Wells PS 等, Lancet "
    L"1997;350:"
    L"1795–1798；中华医学会外科学分会血管外科学组《深静脉血栓形成的诊断和治疗指南（第三版）》（2017）",
    L"用于疑诊下肢 DVT 者的验前概率评估（Wells 2003 两分法），不能单独确诊或排除 DVT；三分法（Wells 1997）≤0 "
    L"分低度、1–2 分中度、≥3 分高度可能；活动性肿瘤指 6 "
    L"个月内治疗或姑息治疗，下肢瘫/轻瘫/石膏指下肢瘫痪、轻瘫或近期下肢石膏固定，近期卧床指卧床≥3 "
    L"天，大手术指 12 周内需全身或区域麻醉的手术，小腿周径差指胫骨粗隆下 10 cm 处小腿周径较健侧增粗≥3 "
    L"cm（Wells 2003；Wells 1997 为>3 "
    L"cm），非曲张浅静脉侧支指非静脉曲张的浅静脉侧支循环（静脉曲张不计分），其他诊断≥DVT "
    L"指其他诊断的可能性不低于 DVT，双下肢均有症状时按症状较重一侧评分。",
    countOf(kInputs),
    kInputs,
    countOf(kOutputs),
    kOutputs,
    countOf(kRules),
    kRules,
    report_kind::None,
};

} // namespace

const ToolDef& tool315() {
    return kTool;
}
