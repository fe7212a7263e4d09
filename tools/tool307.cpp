// Tool 307: Padua VTE risk for medical inpatients.
#include "engine/tool.h"
#include "tools/choices.h"

namespace {

constexpr InputField kInputs[] = {
    {"ca", L"活动性恶性肿瘤", nullptr, 0.0, countOf(kNoYes3), kNoYes3},
    {"vte", L"既往 VTE 史", nullptr, 0.0, countOf(kNoYes3), kNoYes3},
    {"immob", L"卧床制动≥3天", nullptr, 0.0, countOf(kNoYes3), kNoYes3},
    {"thromb", L"已知易栓症", nullptr, 0.0, countOf(kNoYes3), kNoYes3},
    {"trauma", L"近1月创伤或手术", nullptr, 0.0, countOf(kNoYes2), kNoYes2},
    {"old", L"年龄≥70岁", nullptr, 0.0, countOf(kNoYes1), kNoYes1},
    {"hf", L"心/呼吸衰竭", nullptr, 0.0, countOf(kNoYes1), kNoYes1},
    {"ami", L"急性心梗或脑梗", nullptr, 0.0, countOf(kNoYes1), kNoYes1},
    {"inf", L"急性感染/风湿病", nullptr, 0.0, countOf(kNoYes1), kNoYes1},
    {"obes", L"BMI≥30", nullptr, 0.0, countOf(kNoYes1), kNoYes1},
    {"horm", L"正在进行激素治疗", nullptr, 0.0, countOf(kNoYes1), kNoYes1},
};

constexpr OutputField kOutputs[] = {
    {"total", L"总分", L"分", "ca+vte+immob+thromb+trauma+old+hf+ami+inf+obes+horm", "f0"},
};

constexpr VerdictRule kRules[] = {
    {"total>=4", kLevelWarning, L"VTE 高危，评估出血风险后考虑药物预防"},
    {"", kLevelNormal, L"VTE 低危，鼓励早期活动"},
};

constexpr ToolDef kTool = {
    307,
    L"Padua 静脉血栓风险",
    L"内科住院患者 VTE 风险评估",
    L"护理评估",
    L"Barbar S 等, J Thromb Haemost 2010；《医院内静脉血栓栓塞症防治与管理建议》（2018）",
    L"适用于内科住院患者（外科手术患者用 Caprini "
    L"评估），激素治疗指性激素治疗（口服避孕药、激素替代治疗）；药物预防前须评估出血风险，出血高风险者用机械"
    L"预防。",
    countOf(kInputs),
    kInputs,
    countOf(kOutputs),
    kOutputs,
    countOf(kRules),
    kRules,
    report_kind::None,
};

} // namespace

const ToolDef& tool307() {
    return kTool;
}
