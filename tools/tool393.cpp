// Tool 393: Edinburgh postnatal depression scale.
#include "engine/tool.h"

namespace {

constexpr InputChoice kQ1[] = {
    {0.0, L"同以前一样"},
    {1.0, L"没有以前那么多"},
    {2.0, L"肯定比以前少"},
    {3.0, L"完全不能"},
};
constexpr InputChoice kQ2[] = {
    {0.0, L"同以前一样"},
    {1.0, L"不如以前"},
    {2.0, L"明显不如以前"},
    {3.0, L"几乎没有"},
};
constexpr InputChoice kQ3[] = {
    {0.0, L"从不这样"},
    {1.0, L"不经常这样"},
    {2.0, L"有时会这样"},
    {3.0, L"大部分时候这样"},
};
constexpr InputChoice kQ4[] = {
    {0.0, L"一点也没有"},
    {1.0, L"极少这样"},
    {2.0, L"有时候这样"},
    {3.0, L"经常这样"},
};
constexpr InputChoice kQ5[] = {
    {0.0, L"一点也没有"},
    {1.0, L"不太多"},
    {2.0, L"有时候这样"},
    {3.0, L"相当多"},
};
constexpr InputChoice kQ6[] = {
    {0.0, L"一直都能应付得好"},
    {1.0, L"大多数时候应付得好"},
    {2.0, L"有时不如平时应付得好"},
    {3.0, L"大多数时候完全不能应付"},
};
constexpr InputChoice kQ7[] = {
    {0.0, L"一点也没有"},
    {1.0, L"不经常这样"},
    {2.0, L"有时候这样"},
    {3.0, L"大部分时候这样"},
};
constexpr InputChoice kQ8[] = {
    {0.0, L"一点也没有"},
    {1.0, L"不经常这样"},
    {2.0, L"相当多时候这样"},
    {3.0, L"大部分时候这样"},
};
constexpr InputChoice kQ9[] = {
    {0.0, L"从来没有"},
    {1.0, L"只是偶尔这样"},
    {2.0, L"相当多时候这样"},
    {3.0, L"大部分时候这样"},
};
constexpr InputChoice kQ10[] = {
    {0.0, L"从来没有"},
    {1.0, L"很少这样"},
    {2.0, L"有时候这样"},
    {3.0, L"相当多时候这样"},
};

constexpr InputField kInputs[] = {
    {"q1", L"能笑看趣事", nullptr, 0.0, countOf(kQ1), kQ1},
    {"q2", L"欣然期待未来", nullptr, 0.0, countOf(kQ2), kQ2},
    {"q3", L"出错时自责", nullptr, 0.0, countOf(kQ3), kQ3},
    {"q4", L"无故焦虑担心", nullptr, 0.0, countOf(kQ4), kQ4},
    {"q5", L"无故害怕惊慌", nullptr, 0.0, countOf(kQ5), kQ5},
    {"q6", L"事情多难应付", nullptr, 0.0, countOf(kQ6), kQ6},
    {"q7", L"不开心致失眠", nullptr, 0.0, countOf(kQ7), kQ7},
    {"q8", L"感到难过悲伤", nullptr, 0.0, countOf(kQ8), kQ8},
    {"q9", L"不开心到哭泣", nullptr, 0.0, countOf(kQ9), kQ9},
    {"q10", L"想过伤害自己", nullptr, 0.0, countOf(kQ10), kQ10},
};

constexpr OutputField kOutputs[] = {
    {"total", L"总分", L"分", "q1+q2+q3+q4+q5+q6+q7+q8+q9+q10", "f0"},
};

constexpr VerdictRule kRules[] = {
    {"q10>0", kLevelWarning, L"有自伤念头：专人看护勿独处，立即报告医师"},
    {"total>=13", kLevelWarning, L"≥13 分：可能抑郁，报告医师，转精神心理评估"},
    {"total>=10", kLevelAttention, L"10–12 分：可疑抑郁，2–4 周内复评 EPDS"},
    {"", kLevelNormal, L"≤9 分：未提示抑郁，按孕产期保健常规复评"},
};

constexpr ToolDef kTool = {
    393,
    L"EPDS 爱丁堡产后抑郁量表",
    L"孕产期抑郁症状自评筛查",
    L"心理评估",
    L"Cox JL, Holden JM, Sagovsky R, Br J Psychiatry 1987;150:782–786；Lee DT 等, Br J Psychiatry "
    L"1998;172:433–437（中文版）；Lau Y 等, Int J Nurs Stud "
    L"2010;47(9):"
    L"1139–1151（内地中文版）；中华预防医学会心身健康学组、中国妇幼保健协会妇女心理保健技术学组《孕产妇心理健"
    L"康管理专家共识（2019 年）》, 中国妇幼健康研究 "
    L"2019;30(7):781–786；中华医学会妇产科学分会产科学组《围产期抑郁症筛查与诊治专家共识》, 中华妇产科杂志 "
    L"2021;56(8):521–527；国家卫生健康委办公厅《探索抑郁症防治特色服务工作方案》（2020 年 9 月）",
    L"用于妊娠期及产后 1 年内妇女的抑郁症状筛查，由本人按过去 7 "
    L"天的感受自评，不能阅读者由医护人员按原文逐条念读、不加解释；第①②④项按印刷顺序计 0–3 "
    L"分，第③⑤–⑩项为反向计分（印刷在最上面的答案计 3 "
    L"分），本工具下拉项一律按分值由低到高排列，与纸质量表的印刷顺序不同；条目全文（中文版）：①我能看到事物有"
    L"趣的一面并笑得开心，②我欣然期待未来的一切，③当事情出错时我会不必要地责备自己，④我无缘无故感到焦虑和担心"
    L"，⑤我无缘无故感到害怕和惊慌，⑥很多事情冲着我来，使我透不过气，⑦我很不开心，以致失眠，⑧我感到难过和悲伤"
    L"，⑨我不开心到哭，⑩我想过要伤害自己；界值按《孕产妇心理健康管理专家共识（2019 年）》：≥13 "
    L"分或第⑩项阳性须安排进一步评估，10–12 分应在 2–4 周内复评 EPDS（Cox 1987 以 12/13 "
    L"分为界，需更高灵敏度时用 9/10 分）；第⑩项>0 "
    L"分不论总分须立即由医师评估自伤和自杀风险，评估前专人看护，不让其独处；共识建议至少在孕早期、孕中期、孕"
    L"晚期和产后 42 "
    L"天各筛查一次；本量表只用于筛查，不能诊断抑郁症，确诊须由精神科或经培训的医师评估，产后早期的疲劳和睡眠"
    L"不足可影响作答。",
    countOf(kInputs),
    kInputs,
    countOf(kOutputs),
    kOutputs,
    countOf(kRules),
    kRules,
    report_kind::None,
};

} // namespace

const ToolDef& tool393() {
    return kTool;
}
