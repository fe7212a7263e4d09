// Tool 326: calculated plasma osmolality.
#include "engine/tool.h"

namespace {

constexpr InputField kInputs[] = {
    {"na", L"钠", L"mmol/L", 140.0, 0, nullptr, 80.0, 300.0},
    {"glu", L"葡萄糖", L"mmol/L", 5.0, 0, nullptr, 0.1, 150.0},
    {"urea", L"尿素", L"mmol/L", 5.0, 0, nullptr, 0.2, 150.0},
};

constexpr OutputField kOutputs[] = {
    {"osm", L"血浆渗透压", L"mOsm/L", "2*na+glu+urea", "f0"},
    {"eosm", L"有效渗透压", L"mOsm/L", "2*na+glu", "f0"},
};

constexpr VerdictRule kRules[] = {
    {"na<=0 || glu<=0 || urea<=0", kLevelWarning, L"请核对钠、葡萄糖与尿素数值"},
    {"glu>=33.3 && eosm>300.5", kLevelWarning, L"血糖≥33.3 且有效渗透压>300，立即报告医师"},
    {"glu>=33.3 && osm>320.5", kLevelWarning, L"血糖≥33.3 且总渗透压>320，立即报告医师"},
    {"eosm>=319.5", kLevelWarning, L"有效渗透压≥320，严重高渗，立即报告医师"},
    {"glu>=33.3", kLevelWarning, L"血糖≥33.3 mmol/L，警惕高血糖危象，立即报告医师"},
    {"osm<=274.5", kLevelAttention, L"低渗（<275），评估低钠血症与容量状态"},
    {"osm<295.5", kLevelNormal, L"计算渗透压正常（275–295）"},
    {"", kLevelAttention, L"高渗（>295），查血钠、血糖与肾功能"},
};

constexpr ToolDef kTool = {
    326,
    L"血浆渗透压（计算）",
    L"由钠、葡萄糖、尿素计算渗透压",
    L"检验计算",
    L"Smithline N, Gardner KD. JAMA 1976;236:1594-1597；Umpierrez GE 等. Diabetes Care "
    L"2024;47:1257-1275（高血糖危象国际共识）；《中国高血糖危象诊断与治疗指南》（2013）",
    L"计算值不能代替实测渗透压，疑有甲醇、乙二醇等中毒时应实测并计算渗透压间隙；HHS 按 2024 "
    L"国际共识为血糖≥33.3 mmol/L 且有效渗透压>300 或总渗透压>320，并须排除明显酮症酸中毒，由医师诊断；国内 "
    L"2013 指南与教材另用含钾公式〔有效渗透压 2(Na+K)+葡萄糖≥320，总渗透压 2(Na+K)+葡萄糖+尿素，参考范围 "
    L"280–310〕，本工具未含钾，结果约低 7–10 mOsm/L，与本工具的 275–295 不可混用。",
    countOf(kInputs),
    kInputs,
    countOf(kOutputs),
    kOutputs,
    countOf(kRules),
    kRules,
    report_kind::None,
};

} // namespace

const ToolDef& tool326() {
    return kTool;
}
