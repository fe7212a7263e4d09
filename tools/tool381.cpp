// Tool 381: Nursing care grade from illness level, bed rest and Barthel score.
#include "engine/tool.h"

namespace {

constexpr InputChoice kIll[] = {
    {0.0, L"稳定或处于康复期"},
    {1.0, L"趋于稳定或待诊需观察"},
    {2.0, L"不稳定或重症趋向稳定"},
    {3.0, L"危重、重症监护或大手术后"},
};
constexpr InputChoice kBed[] = {
    {0.0, L"无需卧床"},
    {1.0, L"仍需卧床"},
    {2.0, L"术后或治疗需严格卧床"},
};

constexpr InputField kInputs[] = {
    {"bi", L"Barthel 总分", L"分", 100.0, 0, nullptr, 0.0, 100.0},
    {"ill", L"病情等级", nullptr, 0.0, countOf(kIll), kIll},
    {"bed", L"卧床要求", nullptr, 0.0, countOf(kBed), kBed},
};

constexpr OutputField kOutputs[] = {
    {"dep", L"依赖程度（0 无需–3 重度）", nullptr, "bi>=100 ? 0 : (bi>60 ? 1 : (bi>40 ? 2 : 3))", "f0"},
    {"grade", L"护理级别（0 为特级）", L"级",
     "ill==3 ? 0 : ((ill==2||bed==2||dep==3) ? 1 : ((ill==1||dep==2||bed==1) ? 2 : 3))", "f0"},
};

constexpr VerdictRule kRules[] = {
    {"bi!=5*floor(bi/5)||(bed>=1&&bi>=100)", kLevelWarning, L"Barthel 须为 5 的倍数且卧床者<100，请核对"},
    {"grade==0", kLevelWarning, L"特级护理：严密观察病情变化，监测生命体征"},
    {"ill==2", kLevelAttention, L"一级护理（病情不稳定）：每小时巡视，观察病情变化"},
    {"bed==2", kLevelAttention, L"一级护理（需严格卧床）：每小时巡视，观察病情变化"},
    {"dep==3", kLevelAttention, L"一级护理（重度依赖）：每小时巡视，观察病情变化"},
    {"ill==1", kLevelAttention, L"二级护理（仍需观察）：每 2 小时巡视，观察病情变化"},
    {"dep==2", kLevelAttention, L"二级护理（中度依赖）：每 2 小时巡视，观察病情变化"},
    {"bed==1", kLevelAttention, L"二级护理（仍需卧床）：每 2 小时巡视，观察病情变化"},
    {"", kLevelNormal, L"三级护理：每 3 小时巡视，观察病情变化"},
};

constexpr ToolDef kTool = {
    381,
    L"护理分级（自理能力与病情）",
    L"按病情与自理能力确定护理级别",
    L"护理评估",
    L"国家卫生健康委员会 WS/T 431—2023《护理分级标准》（国卫通〔2023〕9 号，2024-02-01 实施，代替 WS/T "
    L"431—2013）；国家卫生和计划生育委员会 WS/T "
    L"431—2013《护理分级》；卫生部《综合医院分级护理指导原则（试行）》（卫医政发〔2009〕49 号）；Mahoney FI, "
    L"Barthel DW, Md State Med J 1965;14:61–65",
    L"护理级别由医护人员依据病情等级和自理能力共同评定、以医嘱形式确定，并随病情和自理能力变化动态调整，本工"
    L"具只给出参考级别；病情等级由医师判断：危重指维持生命、实施抢救性治疗的重症监护患者，病情危重、随时可能"
    L"发生病情变化需要监护抢救的患者，以及各种复杂或大手术后、严重创伤或大面积烧伤的患者，不稳定指病情趋向稳"
    L"定的重症患者或病情不稳定、随时可能发生变化的患者，趋于稳定或待诊需观察指病情趋于稳定或未明确诊断前仍需"
    L"观察的患者；需严格卧床指手术后或治疗期间需要严格卧床；Barthel 总分取自 Barthel "
    L"指数（303）或纸质评定表，按实际完成情况评定，为 5 的倍数，≤40 分重度依赖、41–60 分中度依赖、61–99 "
    L"分轻度依赖、100 "
    L"分无需依赖；标准条文未列明的“趋于稳定或待诊需观察且中度依赖或无需依赖”本工具按二级护理处理；巡视频次依"
    L"据《综合医院分级护理指导原则（试行）》（一级每小时、二级每 2 小时、三级每 3 "
    L"小时，特级严密观察病情变化、监测生命体征），医院制度更严格时从其规定；分级条件按 WS/T 431—2013 "
    L"条文编写（该版已于 2024-02-01 废止），WS/T 431—2023 "
    L"的分级条文未经逐条核对，以新标准条文为准；标准适用于综合医院住院患者，其他类别医疗机构参照执行。",
    countOf(kInputs),
    kInputs,
    countOf(kOutputs),
    kOutputs,
    countOf(kRules),
    kRules,
    report_kind::None,
};

} // namespace

const ToolDef& tool381() {
    return kTool;
}
