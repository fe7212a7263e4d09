// Tool 390: Paediatric early warning score.
#include "engine/tool.h"

namespace {

constexpr InputChoice kBeh[] = {
    {0.0, L"玩耍或活动如常"},
    {1.0, L"睡眠"},
    {2.0, L"烦躁"},
    {3.0, L"嗜睡、模糊或痛反应差"},
};
constexpr InputChoice kCv[] = {
    {0.0, L"红润/CRT1–2秒"},
    {1.0, L"苍白/CRT3秒"},
    {2.0, L"发灰/CRT4秒/心率快20"},
    {3.0, L"灰花斑/CRT≥5秒/快30"},
};
constexpr InputChoice kResp[] = {
    {0.0, L"正常，无吸气凹陷"},
    {1.0, L"超正常10或用辅助肌"},
    {2.0, L"超正常20或三凹征"},
    {3.0, L"低于正常5伴凹陷或呻吟"},
};
constexpr InputChoice kAdd[] = {
    {0.0, L"无"},
    {2.0, L"每15分钟雾化或术后持续呕吐"},
};

constexpr InputField kInputs[] = {
    {"beh", L"行为", nullptr, 0.0, countOf(kBeh), kBeh},
    {"cv", L"心血管", nullptr, 0.0, countOf(kCv), kCv},
    {"resp", L"呼吸", nullptr, 0.0, countOf(kResp), kResp},
    {"add", L"附加项", nullptr, 0.0, countOf(kAdd), kAdd},
};

constexpr OutputField kOutputs[] = {
    {"total", L"总分", L"分", "beh+cv+resp+add", "f0"},
};

constexpr VerdictRule kRules[] = {
    {"total>=4||beh==3||cv==3||resp==3", kLevelWarning, L"≥4 分或单项 3 分，立即报告医师评估"},
    {"total>=3", kLevelAttention, L"3 分，增加评估频次，告知责任组长"},
    {"", kLevelNormal, L"0–2 分，常规观察，按时复评"},
};

constexpr ToolDef kTool = {
    390,
    L"PEWS 儿童早期预警评分",
    L"住院患儿病情恶化早期预警",
    L"儿科",
    L"Monaghan A, Paediatr Nurs 2005;17(1):32–35（Brighton 儿童早期预警评分）；Akre M 等, Pediatrics "
    L"2010;125(4):e763–e769",
    L"采用 Brighton 儿童早期预警评分（Monaghan 2005），用于 0–16 "
    L"岁住院或急诊患儿，每次测量生命体征时评估，三项各取最符合的一档；行为 1 分为睡眠，2 分为烦躁，3 "
    L"分为嗜睡、意识模糊或对疼痛反应减弱；心血管 0 分为肤色红润或毛细血管再充盈时间（CRT）1–2 秒，1 "
    L"分为苍白或 CRT 3 秒，2 分为发灰或 CRT 4 秒或心率高于同龄正常上限 20 次/分，3 分为发灰伴花斑或 CRT≥5 "
    L"秒或心率高于正常上限 30 次/分或心动过缓；呼吸 0 分为正常范围且无吸气凹陷或气管牵拉，1 "
    L"分为高于同龄正常上限 10 次/分、使用辅助呼吸肌或 FiO2≥30%（氧流量≥4 L/min），2 分为高于正常上限 20 "
    L"次/分、三凹征、气管牵拉或 FiO2≥40%（≥6 L/min），3 分为低于正常下限 5 次/分伴胸骨凹陷、气管牵拉或呻吟或 "
    L"FiO2≥50%（≥8 L/min）；每 15 分钟雾化（含持续雾化）或术后持续呕吐加 2 分（只加一次），总分 "
    L"0–11；各年龄正常心率、呼吸按本院儿科生命体征参考范围；国内尚无统一处置界值，本工具按 Akre 2010 "
    L"的危急界值（总分≥4 或任一项 3 分）提示立即报告医师，3 分增加评估频次；评分较上次升高≥2 "
    L"分、家长或护士担心患儿时不论总分均应报告医师；是否转入 PICU 由医师决定。",
    countOf(kInputs),
    kInputs,
    countOf(kOutputs),
    kOutputs,
    countOf(kRules),
    kRules,
    report_kind::None,
};

} // namespace

const ToolDef& tool390() {
    return kTool;
}
