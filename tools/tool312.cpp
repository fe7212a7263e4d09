// Tool 312: Apgar score of the newborn.
#include "engine/tool.h"

namespace {

constexpr InputChoice kHr[] = {
    {0.0, L"无"},
    {1.0, L"<100 次/分"},
    {2.0, L"≥100 次/分"},
};
constexpr InputChoice kResp[] = {
    {0.0, L"无"},
    {1.0, L"浅慢、不规则"},
    {2.0, L"正常、哭声响"},
};
constexpr InputChoice kTone[] = {
    {0.0, L"松弛"},
    {1.0, L"四肢略屈曲"},
    {2.0, L"四肢活动好"},
};
constexpr InputChoice kReflex[] = {
    {0.0, L"无反应"},
    {1.0, L"有些动作（皱眉）"},
    {2.0, L"哭、喷嚏"},
};
constexpr InputChoice kColor[] = {
    {0.0, L"全身青紫或苍白"},
    {1.0, L"躯干红、四肢青紫"},
    {2.0, L"全身红润"},
};

constexpr InputField kInputs[] = {
    {"hr", L"心率", nullptr, 2.0, countOf(kHr), kHr},
    {"resp", L"呼吸", nullptr, 2.0, countOf(kResp), kResp},
    {"tone", L"肌张力", nullptr, 2.0, countOf(kTone), kTone},
    {"reflex", L"对刺激反应", nullptr, 2.0, countOf(kReflex), kReflex},
    {"color", L"皮肤颜色", nullptr, 2.0, countOf(kColor), kColor},
};

constexpr OutputField kOutputs[] = {
    {"total", L"总分", L"分", "hr+resp+tone+reflex+color", "f0"},
};

constexpr VerdictRule kRules[] = {
    {"total<=3", kLevelWarning, L"提示重度窒息，持续复苏并查脐动脉血气"},
    {"total<=7", kLevelAttention, L"提示轻度窒息，查脐动脉血气并密切观察"},
    {"", kLevelNormal, L"正常，常规新生儿护理"},
};

constexpr ToolDef kTool = {
    312,
    L"Apgar 新生儿评分",
    L"新生儿出生后状况快速评估",
    L"新生儿",
    L"Apgar V, Curr Res Anesth Analg "
    L"1953；《儿科学》（人民卫生出版社）；《新生儿窒息诊断的专家共识》（2016）；AAP/ACOG, The Apgar Score, "
    L"Pediatrics 2015",
    L"复苏依据呼吸和心率立即开始，不等待 Apgar 评分；窒息诊断须结合脐动脉血气（2016 "
    L"年中国专家共识），不能仅凭 Apgar 评分；生后 1 分钟和 5 分钟各评一次，5 分钟评分<7 分时每 5 分钟复评至 "
    L"20 分钟。",
    countOf(kInputs),
    kInputs,
    countOf(kOutputs),
    kOutputs,
    countOf(kRules),
    kRules,
    report_kind::None,
};

} // namespace

const ToolDef& tool312() {
    return kTool;
}
