// Tool 320: RASS agitation and sedation level.
#include "engine/tool.h"
#include "tools/choices.h"

namespace {

constexpr InputField kInputs[] = {
    {"rass", L"RASS 评分", nullptr, 0.0, countOf(kRassLevels), kRassLevels},
};

constexpr OutputField kOutputs[] = {
    {"score", L"评分", L"分", "rass", "f0"},
};

constexpr VerdictRule kRules[] = {
    {"rass>=3", kLevelWarning, L"严重躁动，防意外拔管，立即报告医师"},
    {"rass==2", kLevelAttention, L"躁动，查找疼痛、谵妄等原因并报告医师"},
    {"rass==1", kLevelNormal, L"不安焦虑，查找原因并观察"},
    {"rass>=-2", kLevelNormal, L"RASS -2~0：处于常用浅镇静范围，核对医嘱目标"},
    {"rass==-3", kLevelAttention, L"中度镇静，深于浅镇静目标，报告医师"},
    {"", kLevelWarning, L"深度镇静或不可唤醒：如非医嘱目标，立即报告医师"},
};

constexpr ToolDef kTool = {
    320,
    L"RASS 镇静评分",
    L"ICU 患者躁动与镇静深度评估",
    L"重症评估",
    L"Sessler CN 等, Am J Respir Crit Care Med 2002;166:1338–1344；Devlin JW 等, Crit Care Med "
    L"2018;46:e825（PADIS）；中华医学会重症医学分会《中国成人 ICU 镇痛和镇静治疗指南》, 中华危重病急救医学 "
    L"2018;30(6):497–514",
    L"先观察患者，未清醒者呼唤姓名并嘱其睁眼注视，无反应再予摇肩或按压胸骨等身体刺激；各级定义（Sessler "
    L"2002）：+4 有攻击性指明显暴力行为、直接威胁医护安全，+3 非常躁动指拉拽或拔除管道，或有攻击行为，-1 "
    L"昏昏欲睡指声音唤醒后持续睁眼/眼神接触（对视）≥10 秒，-2 轻度镇静指声音唤醒后短暂眼神接触<10 秒，-3 "
    L"中度镇静指对声音有活动或睁眼，但无眼神接触，-4 深度镇静指对声音无反应，对身体刺激有活动或睁眼，-5 "
    L"不可唤醒指对声音及身体刺激均无反应；浅镇静目标为 RASS -2~+1（中国 2018 指南与 PADIS 2018 "
    L"均推荐浅镇静策略），以医嘱目标为准，神经肌肉阻滞、颅内高压等特定指征可由医嘱设定深镇静目标；未用镇静药"
    L"者 RASS<0 应评估意识并行 CAM-ICU（警惕低活动型谵妄），RASS≤-3 提示意识障碍，应同时评估神志与病情。",
    countOf(kInputs),
    kInputs,
    countOf(kOutputs),
    kOutputs,
    countOf(kRules),
    kRules,
    report_kind::None,
};

} // namespace

const ToolDef& tool320() {
    return kTool;
}
