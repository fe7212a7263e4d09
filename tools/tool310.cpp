// Tool 310: HAS-BLED major-bleeding risk under anticoagulation.
#include "engine/tool.h"
#include "tools/choices.h"

namespace {

constexpr InputField kInputs[] = {
    {"htn", L"未控制高血压", nullptr, 0.0, countOf(kNoYes1), kNoYes1},
    {"renal", L"肾功能异常", nullptr, 0.0, countOf(kNoYes1), kNoYes1},
    {"liver", L"肝功能异常", nullptr, 0.0, countOf(kNoYes1), kNoYes1},
    {"stroke", L"卒中史", nullptr, 0.0, countOf(kNoYes1), kNoYes1},
    {"bleed", L"出血史或出血倾向", nullptr, 0.0, countOf(kNoYes1), kNoYes1},
    {"labile", L"INR 不稳定", nullptr, 0.0, countOf(kNoYes1), kNoYes1},
    {"elderly", L"年龄>65岁", nullptr, 0.0, countOf(kNoYes1), kNoYes1},
    {"drugs", L"抗血小板/NSAIDs", nullptr, 0.0, countOf(kNoYes1), kNoYes1},
    {"alcohol", L"饮酒≥8单位/周", nullptr, 0.0, countOf(kNoYes1), kNoYes1},
};

constexpr OutputField kOutputs[] = {
    {"score", L"评分", L"分", "htn+renal+liver+stroke+bleed+labile+elderly+drugs+alcohol", "f0"},
};

constexpr VerdictRule kRules[] = {
    {"score>=3", kLevelWarning, L"出血高风险：纠正可逆因素并密切随访"},
    {"", kLevelNormal, L"出血风险较低：定期复评"},
};

constexpr ToolDef kTool = {
    310,
    L"HAS-BLED 出血风险",
    L"抗凝患者大出血风险评估",
    L"心血管",
    L"Pisters R 等, Chest 2010；Hindricks G 等, 2020 ESC 心房颤动指南",
    L"未控制高血压指收缩压>160 mmHg，肾功能异常指透析、肾移植或血肌酐≥200 "
    L"μmol/L，肝功能异常指肝硬化或胆红素>2×ULN 且 AST/ALT/ALP>3×ULN，INR 不稳定指 "
    L"TTR<60%（仅用于华法林）；评分≥3 "
    L"分提示出血高风险，应纠正可逆因素并加强随访，但不应据此停用或不启用抗凝治疗。",
    countOf(kInputs),
    kInputs,
    countOf(kOutputs),
    kOutputs,
    countOf(kRules),
    kRules,
    report_kind::None,
};

} // namespace

const ToolDef& tool310() {
    return kTool;
}
