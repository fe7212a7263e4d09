// Tool 388: BISAP severity of acute pancreatitis, with the SIRS count.
#include "engine/tool.h"

namespace {

constexpr InputChoice kMent[] = {
    {0.0, L"正常（GCS 15）"},
    {1.0, L"异常（GCS<15）"},
};
constexpr InputChoice kPe[] = {
    {0.0, L"无"},
    {1.0, L"有（影像学证实）"},
};

constexpr InputField kInputs[] = {
    {"urea", L"尿素", L"mmol/L", 5.0, 0, nullptr, 0.2, 150.0},
    {"ment", L"精神状态", nullptr, 0.0, countOf(kMent), kMent},
    {"age", L"年龄", L"岁", 50.0, 0, nullptr, 0.0, 125.0},
    {"pe", L"胸腔积液", nullptr, 0.0, countOf(kPe), kPe},
    {"temp", L"体温", L"℃", 37.0, 0, nullptr, 10.0, 50.0},
    {"hr", L"心率", L"次/分", 80.0, 0, nullptr, 0.0, 300.0},
    {"rr", L"呼吸频率", L"次/分", 16.0, 0, nullptr, 0.0, 100.0},
    {"paco2", L"PaCO2", L"mmHg", 40.0, 0, nullptr, 5.0, 400.0},
    {"wbc", L"白细胞", L"×10^9/L", 8.0, 0, nullptr, 0.0, 1000.0},
    {"band", L"杆状核粒细胞", L"%", 0.0, 0, nullptr, 0.0, 100.0},
};

constexpr OutputField kOutputs[] = {
    {"sirs", L"SIRS 项数", L"项", "(temp>38||temp<36)+(hr>90)+(rr>20||paco2<32)+(wbc>12||wbc<4||band>10)",
     "f0"},
    {"total", L"BISAP 总分", L"分", "(urea>8.9)+ment+(age>60)+pe+(sirs>=2)", "f0"},
};

constexpr VerdictRule kRules[] = {
    {"age<18", kLevelWarning, L"BISAP 用于成人，请核对年龄（≥18 岁）"},
    {"total>=3", kLevelWarning, L"BISAP≥3 分，重症与死亡风险增高，立即报告医师"},
    {"sirs>=2", kLevelAttention, L"符合 SIRS（≥2 项），报告医师，动态复评是否持续"},
    {"total>=1", kLevelAttention, L"BISAP 1–2 分，动态复评并监测器官功能"},
    {"", kLevelNormal, L"BISAP 0 分低危，按医嘱治疗并动态复评"},
};

constexpr ToolDef kTool = {
    388,
    L"BISAP 急性胰腺炎严重度",
    L"急性胰腺炎早期严重度（含 SIRS）",
    L"消化系统",
    L"Wu BU 等, Gut 2008;57(12):1698–1703；Bone RC 等, Chest 1992;101(6):1644–1655（ACCP/SCCM 共识会议 SIRS "
    L"定义）；Banks PA 等, Gut "
    L"2013;62(1):"
    L"102–111（急性胰腺炎修订版亚特兰大分类）；中华医学会外科学分会胰腺外科学组《中国急性胰腺炎诊治指南（2021"
    L"）》, 中华消化外科杂志 "
    L"2021;20(7):730–739；中华医学会消化病学分会胰腺疾病学组等《中国急性胰腺炎诊治指南（2019 年，沈阳）》, "
    L"中华消化杂志 2019;39(11):721–730",
    L"用于成人急性胰腺炎入院 24 小时内评估住院死亡与重症风险（各项取 24 "
    L"小时内最差值），不用于诊断；尿素按化验单 mmol/L 填写，原标准 BUN>25 mg/dL 按 1 mmol/L 尿素相当于 2.8 "
    L"mg/dL 尿素氮换算为 8.93 mmol/L，本工具按>8.9 mmol/L 计分（8.91–8.92 亦计，偏安全侧）；精神状态异常指 "
    L"GCS<15（定向障碍、嗜睡、昏睡或昏迷）；胸腔积液须经胸片、超声或 CT 证实；SIRS 按 Bone 1992 "
    L"标准计项：体温>38 ℃或<36 ℃、心率>90 次/分、呼吸>20 次/分或 PaCO2<32 mmHg、白细胞>12×10^9/L 或<4×10^9/L "
    L"或杆状核粒细胞>10%，≥2 项为 SIRS；未测动脉血气时 PaCO2 保留默认 40，血常规未做人工分类时杆状核填 "
    L"0；SIRS 项数可单独用作 SIRS 判定，但“SIRS 加感染即脓毒症”已被 Sepsis-3 取代，脓毒症筛查用 "
    L"qSOFA（313）与 SOFA（314）；SIRS 持续超过 48 "
    L"小时提示器官衰竭风险，须动态复评；急性胰腺炎轻、中、重度最终按修订版亚特兰大分类（持续器官衰竭>48 "
    L"小时为重症）由医师判定，液体复苏、收治 ICU 等由医师决定。",
    countOf(kInputs),
    kInputs,
    countOf(kOutputs),
    kOutputs,
    countOf(kRules),
    kRules,
    report_kind::None,
};

} // namespace

const ToolDef& tool388() {
    return kTool;
}
