// Tool 412: Haematoma volume ABC/2 and ICH score of intracerebral haemorrhage.
#include "engine/tool.h"
#include "tools/choices.h"

namespace {

constexpr InputChoice kGcs[] = {
    {0.0, L"GCS 13–15"},
    {1.0, L"GCS 5–12"},
    {2.0, L"GCS 3–4"},
};
constexpr InputChoice kInf[] = {
    {0.0, L"否（幕上）"},
    {1.0, L"是（小脑/脑干）"},
};

constexpr InputField kInputs[] = {
    {"a", L"血肿长径 A", L"cm", 3.0, 0, nullptr, 0.1, 20.0},
    {"b", L"垂直径 B", L"cm", 2.0, 0, nullptr, 0.1, 20.0},
    {"n", L"出血层数", L"层", 4.0, 0, nullptr, 0.5, 300.0},
    {"thk", L"层厚", L"cm", 0.5, 0, nullptr, 0.05, 1.0},
    {"gcs", L"GCS 分段", nullptr, 0.0, countOf(kGcs), kGcs},
    {"ivh", L"破入脑室", nullptr, 0.0, countOf(kNoYes1), kNoYes1},
    {"inf", L"幕下起源", nullptr, 0.0, countOf(kInf), kInf},
    {"old", L"年龄≥80 岁", nullptr, 0.0, countOf(kNoYes1), kNoYes1},
};

constexpr OutputField kOutputs[] = {
    {"c", L"C（层数×层厚）", L"cm", "n*thk", "f1"},
    {"vol", L"血肿量（ABC/2）", L"ml", "a*b*n*thk/2", "f1"},
    {"sc", L"ICH 评分", L"分", "(gcs+ivh+inf+old+(a*b*n*thk/2>29.95 ? 1 : 0))", "f0"},
    {"mort", L"原研究 30 天死亡率", L"%",
     "((gcs+ivh+inf+old+(a*b*n*thk/2>29.95 ? 1 : 0))>=4.5 ? 100 : ((gcs+ivh+inf+old+(a*b*n*thk/2>29.95 ? 1 : "
     "0))>=3.5 ? 97 : ((gcs+ivh+inf+old+(a*b*n*thk/2>29.95 ? 1 : 0))>=2.5 ? 72 : "
     "((gcs+ivh+inf+old+(a*b*n*thk/2>29.95 ? 1 : 0))>=1.5 ? 26 : ((gcs+ivh+inf+old+(a*b*n*thk/2>29.95 ? 1 : "
     "0))>=0.5 ? 13 : 0)))))",
     "f0"},
};

constexpr VerdictRule kRules[] = {
    {"n*thk>20", kLevelWarning, L"层数×层厚>20 cm，超出颅腔，请核对层数与层厚"},
    {"sc>2.5", kLevelWarning, L"ICH 评分≥3 分（30 天死亡率≥72%），立即报告医师"},
    {"vol>29.95", kLevelWarning, L"血肿量≥30 ml，立即报告医师"},
    {"inf==1", kLevelWarning, L"幕下（小脑或脑干）出血，立即报告医师"},
    {"sc>0.5", kLevelAttention, L"ICH 评分 1–2 分（死亡率 13%–26%），报告医师"},
    {"", kLevelAttention, L"ICH 评分 0 分（原研究 30 天无死亡），动态观察"},
};

constexpr ToolDef kTool = {
    412,
    L"脑出血量（多田公式）与 ICH 评分",
    L"血肿量 ABC/2 与 ICH 评分",
    L"神经系统",
    L"Kothari RU, Brott T, Broderick JP 等. The ABCs of measuring intracerebral hemorrhage volumes. Stroke "
    L"1996;27(8):1304-1305（ABC/2：A 为出血最大层面的最长径，B 为同层与 A 垂直的直径，C "
    L"为出血层数×层厚）；Hemphill JC 3rd, Bonovich DC, Besmertis L 等. The ICH score: a simple, reliable "
    L"grading scale for intracerebral hemorrhage. Stroke 2001;32(4):891-897（GCS 3–4 计 2 分、5–12 计 1 "
    L"分，血肿≥30 ml、破入脑室、幕下起源、年龄≥80 岁各 1 分；30 天死亡率 0–5 分依次为 "
    L"0、13%、26%、72%、97%、100%）；中华医学会神经病学分会，中华医学会神经病学分会脑血管病学组. "
    L"中国脑出血诊治指南（2019）. 中华神经科杂志 "
    L"2019;52(12):994-1005（血肿量＝0.5×最大面积长轴×最大面积短轴×层面数；以 GCS、NIHSS "
    L"与脑出血评分量表评估病情严重程度）",
    L"A、B 在血肿面积最大层面测量（cm），层数按 Kothari 法计：与最大层面相比出血面积约≥75% 的层计 1 "
    L"层、25%–75% 计 0.5 层、<25% 不计，层厚按 CT 实际层厚以 cm 填写（5 mm 填 0.5）；ABC/2 "
    L"按椭球体估算，不规则、分叶状或抗凝相关血肿误差较大，以影像科测量为准；ICH 评分用就诊时 GCS，血肿≥30 ml "
    L"一项取本工具算得的血肿量，死亡率为原研究（152 例）的观察值，原研究无 6 分患者，6 分显示 100% "
    L"为外推；评分用于病情分级与沟通，不能单独据此限制治疗，手术与治疗决策由神经内外科医师决定。",
    countOf(kInputs),
    kInputs,
    countOf(kOutputs),
    kOutputs,
    countOf(kRules),
    kRules,
    report_kind::None,
};

} // namespace

const ToolDef& tool412() {
    return kTool;
}
