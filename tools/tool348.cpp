// Tool 348: modified Aldrete score for discharge from the recovery room.
#include "engine/tool.h"

namespace {

constexpr InputChoice kAct[] = {
    {0.0, L"四肢均不能活动"},
    {1.0, L"可活动两个肢体"},
    {2.0, L"自主或按指令动四肢"},
};
constexpr InputChoice kResp[] = {
    {0.0, L"呼吸暂停"},
    {1.0, L"呼吸困难或受限"},
    {2.0, L"能深呼吸和自由咳嗽"},
};
constexpr InputChoice kCirc[] = {
    {0.0, L"相差≥50 mmHg"},
    {1.0, L"相差 20–49 mmHg"},
    {2.0, L"相差<20 mmHg"},
};
constexpr InputChoice kCons[] = {
    {0.0, L"无反应"},
    {1.0, L"呼之能醒"},
    {2.0, L"完全清醒"},
};
constexpr InputChoice kSpo2[] = {
    {0.0, L"吸氧下仍<90%"},
    {1.0, L"需吸氧维持>90%"},
    {2.0, L"吸空气>92%"},
};

constexpr InputField kInputs[] = {
    {"act", L"活动", nullptr, 2.0, countOf(kAct), kAct},
    {"resp", L"呼吸", nullptr, 2.0, countOf(kResp), kResp},
    {"circ", L"血压较麻醉前", nullptr, 2.0, countOf(kCirc), kCirc},
    {"cons", L"意识", nullptr, 2.0, countOf(kCons), kCons},
    {"spo2", L"SpO2", nullptr, 2.0, countOf(kSpo2), kSpo2},
};

constexpr OutputField kOutputs[] = {
    {"total", L"总分", L"分", "act+resp+circ+cons+spo2", "f0"},
};

constexpr VerdictRule kRules[] = {
    {"act==0||resp==0||circ==0||cons==0||spo2==0", kLevelWarning,
     L"有单项 0 分（危险征象），立即报告麻醉医师"},
    {"total>=9", kLevelNormal, L"≥9 分，达到离开 PACU 标准，经麻醉医师确认后转出"},
    {"", kLevelAttention, L"<9 分，未达离室标准，继续 PACU 监护并复评"},
};

constexpr ToolDef kTool = {
    348,
    L"改良 Aldrete 评分",
    L"麻醉后恢复室离室评估",
    L"麻醉评估",
    L"Aldrete JA, J Clin Anesth 1995;7:89–91；Aldrete JA, Kroulik D, Anesth Analg "
    L"1970;49:924–934（原版）；中华医学会麻醉学分会《麻醉后监测治疗专家共识》（《2017 "
    L"版中国麻醉学指南与专家共识》）",
    L"用于麻醉后恢复室（PACU，一期恢复）患者，入室时及之后定时评估；≥9 分为可离开 PACU "
    L"的最低条件，另须满足本院 PACU "
    L"离室标准（如意识清楚、定向力恢复、气道通畅且保护性反射恢复、生命体征平稳、疼痛及恶心呕吐已控制、无活动"
    L"性出血），由麻醉医师确认；血压按与麻醉前的差值（mmHg）计分，部分表单按百分比（±20%、20–49%、≥50%"
    L"）计，不可混用；血压恰差 20 mmHg 按 1 分、差 50 mmHg 按 0 分，吸空气 SpO2≤92% 者按需吸氧计 1 "
    L"分，吸氧下 SpO2≤90% 按 0 分（均取偏安全一侧）；日间手术离院另用 PADSS "
    L"评分，椎管内麻醉者另评感觉与运动阻滞平面。",
    countOf(kInputs),
    kInputs,
    countOf(kOutputs),
    kOutputs,
    countOf(kRules),
    kRules,
    report_kind::None,
};

} // namespace

const ToolDef& tool348() {
    return kTool;
}
