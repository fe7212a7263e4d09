// Tool 309: CHA2DS2-VASc stroke risk in atrial fibrillation.
#include "engine/tool.h"
#include "tools/choices.h"

namespace {

constexpr InputField kInputs[] = {
    {"age", L"年龄", L"岁", 65.0, 0, nullptr, 0.0, 125.0},
    {"sex", L"性别", nullptr, 1.0, countOf(kSex), kSex},
    {"chf", L"充血性心力衰竭", nullptr, 0.0, countOf(kNoYes1), kNoYes1},
    {"htn", L"高血压", nullptr, 0.0, countOf(kNoYes1), kNoYes1},
    {"dm", L"糖尿病", nullptr, 0.0, countOf(kNoYes1), kNoYes1},
    {"stroke", L"卒中/TIA/栓塞史", nullptr, 0.0, countOf(kNoYes2), kNoYes2},
    {"vasc", L"血管疾病", nullptr, 0.0, countOf(kNoYes1), kNoYes1},
};

constexpr OutputField kOutputs[] = {
    {"score", L"评分", L"分", "(age>=75 ? 2 : (age>=65 ? 1 : 0))+(sex==2)+chf+htn+dm+stroke+vasc", "f0"},
};

constexpr VerdictRule kRules[] = {
    {"(sex==1&&score>=2)||(sex==2&&score>=3)", kLevelWarning, L"推荐口服抗凝（评估出血风险）"},
    {"(sex==1&&score==1)||(sex==2&&score==2)", kLevelAttention, L"应考虑口服抗凝"},
    {"", kLevelNormal, L"低风险，不推荐抗凝"},
};

constexpr ToolDef kTool = {
    309,
    L"CHA2DS2-VASc 卒中风险",
    L"房颤患者卒中风险评估",
    L"心血管",
    L"Lip GY 等, Chest 2010；Hindricks G 等, 2020 ESC "
    L"心房颤动指南；中华医学会心血管病学分会等《心房颤动诊断和治疗中国指南》（2023）",
    L"充血性心力衰竭指心衰或中重度左室收缩功能障碍，高血压指高血压或正在降压治疗，血管疾病指心梗、外周动脉病"
    L"、主动脉斑块；2023 年中国指南提出 CHA2DS2-VASc-60 评分（60–64 岁计 1 分、≥65 岁计 2 "
    L"分，其余同），本工具按 ESC 2020 经典评分计算；不适用于中重度二尖瓣狭窄或机械瓣置换者。",
    countOf(kInputs),
    kInputs,
    countOf(kOutputs),
    kOutputs,
    countOf(kRules),
    kRules,
    report_kind::None,
};

} // namespace

const ToolDef& tool309() {
    return kTool;
}
