// Tool 382: Humpty Dumpty fall-risk scale for children.
#include "engine/tool.h"

namespace {

constexpr InputChoice kAge[] = {
    {1.0, L"满 13 岁及以上"},
    {2.0, L"满 7 岁不满 13 岁"},
    {3.0, L"满 3 岁不满 7 岁"},
    {4.0, L"不满 3 岁"},
};
constexpr InputChoice kSexPoints[] = {
    {1.0, L"女"},
    {2.0, L"男"},
};
constexpr InputChoice kDx[] = {
    {1.0, L"其他诊断"},
    {2.0, L"心理或行为障碍"},
    {3.0, L"氧合改变（呼吸/脱水/贫血）"},
    {4.0, L"神经系统诊断"},
};
constexpr InputChoice kCog[] = {
    {1.0, L"能认识自身能力"},
    {2.0, L"忘记自身局限"},
    {3.0, L"不能认识自身局限"},
};
constexpr InputChoice kEnv[] = {
    {1.0, L"门诊区域"},
    {2.0, L"患儿卧于病床"},
    {3.0, L"用辅助器具或在婴儿床"},
    {4.0, L"跌倒史或婴幼儿睡成人床"},
};
constexpr InputChoice kSurg[] = {
    {1.0, L"超过 48 h 或无"},
    {2.0, L"近 48 h 内"},
    {3.0, L"近 24 h 内"},
};
constexpr InputChoice kMed[] = {
    {1.0, L"其他药物或未用药"},
    {2.0, L"使用其中一类"},
    {3.0, L"多类合用"},
};

constexpr InputField kInputs[] = {
    {"age", L"年龄", nullptr, 1.0, countOf(kAge), kAge},
    {"sex", L"性别", nullptr, 1.0, countOf(kSexPoints), kSexPoints},
    {"dx", L"诊断", nullptr, 1.0, countOf(kDx), kDx},
    {"cog", L"认知障碍", nullptr, 1.0, countOf(kCog), kCog},
    {"env", L"环境因素", nullptr, 1.0, countOf(kEnv), kEnv},
    {"surg", L"手术/镇静/麻醉", nullptr, 1.0, countOf(kSurg), kSurg},
    {"med", L"用药", nullptr, 1.0, countOf(kMed), kMed},
};

constexpr OutputField kOutputs[] = {
    {"total", L"总分", L"分", "age+sex+dx+cog+env+surg+med", "f0"},
};

constexpr VerdictRule kRules[] = {
    {"total>=12", kLevelWarning, L"高风险（≥12 分）：落实高风险防跌倒措施，告知家属"},
    {"", kLevelNormal, L"低风险（7–11 分）：落实标准防跌倒措施，变化时复评"},
};

constexpr ToolDef kTool = {
    382,
    L"Humpty Dumpty 儿童跌倒风险",
    L"七项评估患儿跌倒风险",
    L"儿科",
    // The journal's standard abbreviation: Journal for Specialists in Pediatric Nursing.
    L"Hill-Rodriguez D, Messmer PR, Williams PD, Zeller RA, Williams AR, Wood M, Henry M, "
    L"J Spec Pediatr Nurs 2009;14(1):22–32；范芳莲, 李红丽, 陶晶晶, 中国护理管理 2022;22(6):888–892（汉化版 "
    L"Humpty Dumpty "
    L"跌倒量表）；国家卫生健康委办公厅《护理专业医疗质量控制指标（2020 年版）》（国卫办医函〔2020〕654 "
    L"号，住院患者跌倒发生率）",
    L"用于儿科住院及门诊患儿，7 个条目各按最符合的一项计分且每项至少 1 分，总分 7–23 分，7–11 分低风险、≥12 "
    L"分高风险；一项中符合多个条件时取最高分（如既往癫痫又因肺炎入院，诊断按神经系统计 4 "
    L"分）；年龄可按实际年龄或发育年龄；神经系统诊断指癫痫、颅脑外伤、脑积水、脑瘫等及正在排查的神经系统疾病"
    L"，氧合改变指呼吸系统疾病、脱水、贫血、厌食、晕厥或头晕等，心理或行为障碍指情绪障碍、冲动控制障碍等；环"
    L"境 3 分指使用辅助器具、婴幼儿在婴儿床或受家具、照明影响，4 "
    L"分指有跌倒史或婴幼儿被安置在成人床；用药指镇静催眠药、巴比妥类、吩噻嗪类、抗抑郁药、泻药、利尿剂、麻醉"
    L"性镇痛药；量表假阳性多（国内汉化版敏感度约 0.90、特异度约 "
    L"0."
    L"37），低分不能排除跌倒风险，护士判断优先；入院时、病情或用药变化、转科、手术或镇静后及跌倒后应复评，具"
    L"体防跌倒措施按本院制度执行。",
    countOf(kInputs),
    kInputs,
    countOf(kOutputs),
    kOutputs,
    countOf(kRules),
    kRules,
    report_kind::None,
};

} // namespace

const ToolDef& tool382() {
    return kTool;
}
