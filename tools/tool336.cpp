// Tool 336: weight-based doses for children.
#include "engine/tool.h"

namespace {

constexpr InputChoice kBasis[] = {
    {1.0, L"每次"},
    {2.0, L"每日（分次）"},
};
constexpr InputChoice kFreq[] = {
    {1.0, L"次/日"}, {2.0, L"次/日"}, {3.0, L"次/日"}, {4.0, L"次/日"}, {6.0, L"次/日"},
};

constexpr InputField kInputs[] = {
    {"dpk", L"每千克剂量", L"mg/kg", 10.0, 0, nullptr, 0.0001, 5000.0},
    {"basis", L"每千克剂量基准", nullptr, 1.0, countOf(kBasis), kBasis},
    {"wt", L"体重", L"kg", 20.0, 0, nullptr, 0.2, 200.0},
    {"mx", L"单次最大剂量", L"mg", 0.0, 0, nullptr, 0.0, 200000.0},
    {"mxd", L"每日最大剂量", L"mg", 0.0, 0, nullptr, 0.0, 200000.0},
    {"freq", L"每日次数", nullptr, 3.0, countOf(kFreq), kFreq},
};

constexpr OutputField kOutputs[] = {
    {"single", L"单次剂量", L"mg",
     "mx>0 ? min((basis==2 ? dpk*wt/freq : dpk*wt),mx) : (basis==2 ? dpk*wt/freq : dpk*wt)", "f3"},
    {"sug", L"单次剂量（微克）", L"μg",
     "(mx>0 ? min((basis==2 ? dpk*wt/freq : dpk*wt),mx) : (basis==2 ? dpk*wt/freq : dpk*wt))*1000", "f1"},
    {"daily", L"每日总量", L"mg",
     "mx>0 && (basis==2 ? dpk*wt/freq : dpk*wt)>mx ? mx*freq : (basis==2 ? dpk*wt : dpk*wt*freq)", "f3"},
};

constexpr VerdictRule kRules[] = {
    {"dpk<=0 || wt<=0 || mx<0 || mxd<0", kLevelWarning, L"请核对每千克剂量、体重与最大剂量"},
    {"mxd>0 && daily>mxd", kLevelWarning, L"超过每日最大剂量，核对医嘱"},
    {"mx>0 && (basis==2 ? dpk*wt/freq : dpk*wt)>mx", kLevelAttention, L"已按单次最大剂量封顶，核对医嘱"},
    {"wt>=40", kLevelAttention, L"体重≥40 kg，按成人剂量核对"},
    {"mx==0", kLevelAttention, L"未填写单次最大剂量，核对说明书成人量上限"},
    {"", kLevelNormal, L"按体重计算，须双人核对医嘱与说明书"},
};

constexpr ToolDef kTool = {
    336,
    L"儿童按体重给药",
    L"按 mg/kg 计算单次与每日剂量",
    L"用药计算",
    L"《儿科学》第 9 "
    L"版（人民卫生出版社，2018）药物剂量计算：剂量＝体重×每千克剂量，需连续应用数日的药（如抗生素、维生素）按"
    L"每日剂量计算再分 2～3 次，临时对症用药按每次剂量计算，超过成人量时以成人量为限；WHO. Guidelines on the "
    L"pharmacological treatment of persisting pain in children, 2012（附录 A1 药物资料，如 A1.8 "
    L"对乙酰氨基酚：24 小时内最多 4 次）；阿莫西林说明书（EMA 统一版）：成人与体重≥40 kg 儿童同剂量",
    L"结果仅为按体重的算术值，须与医嘱及药品说明书双人核对；每千克剂量基准按医嘱或说明书的写法选择：每次（mg/"
    L"kg/次）或每日（mg/kg/"
    L"日，按每日次数平均分次），抗生素、维生素等连续用药多按每日剂量；单次最大剂量填成人单次量（超过成人量时"
    L"以成人量为限），每日最大剂量填说明书或医嘱的每日上限，二者 0 "
    L"均表示未填写；体重以实测为准，新生儿、早产儿、肥胖儿童及肝肾功能不全者按说明书或医嘱另定；按 μg/kg "
    L"给药的药物（芬太尼、地高辛、肾上腺素等高警示药品）以 μg 计算并双人核对（每千克剂量按 1 μg/kg＝0.001 "
    L"mg/kg 填写，读单次剂量的微克值）。",
    countOf(kInputs),
    kInputs,
    countOf(kOutputs),
    kOutputs,
    countOf(kRules),
    kRules,
    report_kind::None,
};

} // namespace

const ToolDef& tool336() {
    return kTool;
}
