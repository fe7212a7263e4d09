// Tool 387: Glasgow-Blatchford score of upper GI bleeding before endoscopy.
#include "engine/tool.h"
#include "tools/choices.h"

namespace {

constexpr InputChoice kMel[] = {
    {0.0, L"无"},
    {1.0, L"有"},
};
constexpr InputChoice kSyn[] = {
    {0.0, L"无"},
    {2.0, L"有"},
};

constexpr InputField kInputs[] = {
    {"urea", L"尿素", L"mmol/L", 5.0, 0, nullptr, 0.2, 150.0},
    {"sex", L"性别", nullptr, 1.0, countOf(kSex), kSex},
    {"hb", L"血红蛋白", L"g/L", 140.0, 0, nullptr, 15.0, 260.0},
    {"sbp", L"收缩压", L"mmHg", 120.0, 0, nullptr, 0.0, 300.0},
    {"hr", L"心率", L"次/分", 80.0, 0, nullptr, 0.0, 300.0},
    {"mel", L"黑便", nullptr, 0.0, countOf(kMel), kMel},
    {"syn", L"晕厥", nullptr, 0.0, countOf(kSyn), kSyn},
    {"liv", L"肝脏疾病", nullptr, 0.0, countOf(kSyn), kSyn},
    {"hf", L"心力衰竭", nullptr, 0.0, countOf(kSyn), kSyn},
};

constexpr OutputField kOutputs[] = {
    {"surea", L"尿素评分", L"分", "urea>=25 ? 6 : (urea>=10 ? 4 : (urea>=8 ? 3 : (urea>=6.5 ? 2 : 0)))",
     "f0"},
    {"shb", L"血红蛋白评分", L"分",
     "sex==2 ? (hb<100 ? 6 : (hb<120 ? 1 : 0)) : (hb<100 ? 6 : (hb<120 ? 3 : (hb<130 ? 1 : 0)))", "f0"},
    {"ssbp", L"收缩压评分", L"分", "sbp<90 ? 3 : (sbp<100 ? 2 : (sbp<110 ? 1 : 0))", "f0"},
    {"shr", L"心率评分", L"分", "hr>=100 ? 1 : 0", "f0"},
    {"total", L"总分", L"分", "surea+shb+ssbp+shr+mel+syn+liv+hf", "f0"},
};

constexpr VerdictRule kRules[] = {
    {"sbp<90", kLevelWarning, L"收缩压<90 mmHg，立即报告医师评估休克与复苏"},
    {"total>=6", kLevelWarning, L"≥6 分中高危，需干预可能>50%，立即报告医师"},
    {"total>=2", kLevelAttention, L"2–5 分非极低危，宜住院评估，报告医师"},
    {"", kLevelNormal, L"0–1 分极低危，医师评估后可考虑门诊处理"},
};

constexpr ToolDef kTool = {
    387,
    L"Glasgow-Blatchford 上消化道出血评分",
    L"上消化道出血内镜前危险评估",
    L"消化系统",
    L"Blatchford O, Murray WR, Blatchford M, Lancet 2000;356(9238):1318–1321；Gralnek IM 等, Endoscopy "
    L"2021;53(3):300–332（ESGE 2021 非静脉曲张性上消化道出血指南）；Laine L 等, Am J Gastroenterol "
    L"2021;116(5):899–917（ACG 2021 "
    L"上消化道及溃疡出血指南）；《中华内科杂志》《中华医学杂志》《中华消化杂志》《中华消化内镜杂志》、中华医"
    L"学会消化内镜学分会《急性非静脉曲张性上消化道出血诊治指南（2018 年，杭州）》, 中华消化内镜杂志 "
    L"2019;36(2):77–85；中国医师协会急诊医师分会等《急性上消化道出血急诊诊治流程专家共识（2020 版）》, "
    L"中华急诊医学杂志 2021;30(1):15–24",
    L"用于急性上消化道出血（呕血、黑便）患者内镜检查前评估需输血、内镜治疗或手术等干预的风险，不预测死亡，内"
    L"镜后再出血与死亡风险另用 Rockall 评分，各项取就诊时首次测值；尿素按化验单 mmol/L "
    L"数值直接填写（原表单位即 mmol/L，仅美制 BUN mg/dL 需乘 0.357 换算，勿重复换算），血红蛋白填 g/L（原表 "
    L"g/dL 界值乘 10），男女界值不同，女性 120–129 g/L 计 0 "
    L"分；黑便、晕厥指本次就诊时的表现，肝脏疾病指已知病史或临床与实验室证据提示的急、慢性肝病，心力衰竭指已"
    L"知病史或临床与超声心动图证据；收缩压 109.5、99.5 mmHg 等两档之间的数值按较低一档（分值较高）计；0–1 "
    L"分为极低危，ESGE 2021 与 ACG 2021 "
    L"建议可不住院、门诊内镜随访，但须由医师结合活动性出血、高龄、合并症与随访条件决定，收缩压<90 mmHg "
    L"不论总分均须立即报告医师；国内指南 Blatchford 评分表注以≥6 "
    L"分为中高危，其半数以上需内镜等干预；急诊内镜时机、输血与药物治疗由医师决定。",
    countOf(kInputs),
    kInputs,
    countOf(kOutputs),
    kOutputs,
    countOf(kRules),
    kRules,
    report_kind::None,
};

} // namespace

const ToolDef& tool387() {
    return kTool;
}
