// Tool 386: Hunt-Hess, WFNS and modified Fisher grades of subarachnoid haemorrhage.
#include "engine/tool.h"

namespace {

constexpr InputChoice kHh[] = {
    {1.0, L"无症状或轻微头痛"}, {2.0, L"中重度头痛、颈强直"}, {3.0, L"嗜睡、模糊或轻度局灶"},
    {4.0, L"昏睡、中重度偏瘫"}, {5.0, L"深昏迷、去大脑强直"},
};
constexpr InputChoice kSys[] = {
    {0.0, L"无"},
    {1.0, L"有（加 1 级）"},
};
constexpr InputChoice kMotor[] = {
    {0.0, L"无"},
    {1.0, L"有（偏瘫或失语）"},
};
constexpr InputChoice kMf[] = {
    {0.0, L"无 SAH 及脑室积血"},    {1.0, L"薄层 SAH，无脑室积血"}, {2.0, L"薄层 SAH，伴脑室积血"},
    {3.0, L"厚层 SAH，无脑室积血"}, {4.0, L"厚层 SAH，伴脑室积血"},
};

constexpr InputField kInputs[] = {
    {"hh", L"Hunt-Hess 表现", nullptr, 1.0, countOf(kHh), kHh},
    {"sys", L"全身病或血管痉挛", nullptr, 0.0, countOf(kSys), kSys},
    {"gcs", L"GCS 总分", L"分", 15.0, 0, nullptr, 3.0, 15.0},
    {"motor", L"运动功能缺失", nullptr, 0.0, countOf(kMotor), kMotor},
    {"mf", L"CT 改良 Fisher", nullptr, 1.0, countOf(kMf), kMf},
};

constexpr OutputField kOutputs[] = {
    {"hhg", L"Hunt-Hess 分级", L"级", "min(hh+sys,5)", "f0"},
    {"wfns", L"WFNS 分级", L"级", "gcs>=15 ? 1 : (gcs>=13 ? (motor==1 ? 3 : 2) : (gcs>=7 ? 4 : 5))", "f0"},
    {"mfg", L"改良 Fisher（Frontera）", L"级", "mf", "f0"},
};

constexpr VerdictRule kRules[] = {
    {"gcs!=floor(gcs)||(hh<=2&&gcs<=12)||(hh==3&&gcs<=6)||(hh==4&&gcs>=15)||(hh==5&&gcs>=9)", kLevelWarning,
     L"GCS 须为整数并与 Hunt-Hess 表现相符，请核对"},
    {"gcs>=15&&motor==1", kLevelWarning, L"GCS 15 伴运动缺失：WFNS 原表未定义，请核对"},
    {"hhg>=4||wfns>=4", kLevelWarning, L"高分级 SAH（IV–V 级）：病情危重，立即报告医师"},
    {"mfg>=3", kLevelWarning, L"改良 Fisher 3–4 级：迟发脑缺血风险较高，报告医师"},
    {"", kLevelAttention, L"低分级 SAH：报告医师，尽早明确病因，防再出血"},
};

constexpr ToolDef kTool = {
    386,
    L"蛛网膜下腔出血分级",
    L"SAH 临床与 CT 分级（三量表）",
    L"神经系统",
    L"Hunt WE, Hess RM, J Neurosurg 1968;28(1):14–20；Drake CG 等（WFNS 委员会）, J Neurosurg "
    L"1988;68(6):985–986；Frontera JA, Claassen J, Schmidt JM 等, Neurosurgery "
    L"2006;59(1):21–27；中华医学会神经病学分会等《中国蛛网膜下腔出血诊治指南 2019》, 中华神经科杂志 "
    L"2019;52(12):1006–1021",
    L"用于自发性（主要为动脉瘤性）蛛网膜下腔出血，于入院时及病情变化时评估：Hunt-Hess I "
    L"级无症状或轻微头痛、轻度颈强直，II 级中重度头痛、颈强直、除脑神经麻痹外无神经功能缺损，III "
    L"级嗜睡、意识模糊或轻度局灶缺损，IV 级昏睡、中重度偏瘫、可有早期去大脑强直和自主神经功能紊乱，V "
    L"级深昏迷、去大脑强直、濒死状态，合并高血压、糖尿病、严重动脉硬化、慢性肺病等严重全身性疾病或造影见严重"
    L"血管痉挛者加 1 级（最高 V 级）；WFNS 按 GCS 与运动功能缺失（偏瘫或失语）分级，GCS 15 为 I 级，13–14 "
    L"无缺失 II 级、有缺失 III 级，7–12 为 IV 级，3–6 为 V 级，GCS 15 伴运动缺失原表未定义；改良 Fisher "
    L"按首次头颅 CT：厚层指积血充满至少一个脑池或脑裂，原研究以 0–1 级为参照，2、3、4 级发生症状性血管痉挛的 "
    L"OR 约为 1.6、1.6、2.2，3–4 级提示脑池积血厚、迟发性脑缺血风险较高；《中国蛛网膜下腔出血诊治指南 "
    L"2019》表 2 所列“改良 Fisher 量表”按出血部位分级（0 级未见出血或仅脑室内、脑实质内出血，1 "
    L"级仅基底池出血，2 级仅周边脑池或侧裂池出血，3 级广泛蛛网膜下腔出血伴脑实质内血肿，4 "
    L"级基底池和周边脑池、侧裂池较厚积血，血管痉挛发生率约 3%–57%），与本工具采用的 Frontera 2006 "
    L"分级定义不同，两者级别不可互换，病历中须注明所用版本；镇静、癫痫发作后或脑积水引流前后分级会变化，应注"
    L"明评估时间；指南推荐急诊至少采用一种量表评分并记录，Hunt-Hess 或 WFNS IV–V "
    L"级为高分级，预后差；是否及何时处理动脉瘤、血压管理与防治血管痉挛的用药由神经外科或神经内科医师决定。",
    countOf(kInputs),
    kInputs,
    countOf(kOutputs),
    kOutputs,
    countOf(kRules),
    kRules,
    report_kind::None,
};

} // namespace

const ToolDef& tool386() {
    return kTool;
}
