// Tool 361: syringe-pump rate from dose, weight and concentration.
#include "engine/tool.h"

namespace {

constexpr InputField kInputs[] = {
    {"mg", L"药物总量", L"mg", 180.0, 0, nullptr, 0.01, 10000.0},
    {"ml", L"配制总体积", L"ml", 50.0, 0, nullptr, 1.0, 60.0},
    {"wt", L"体重", L"kg", 60.0, 0, nullptr, 0.2, 700.0},
    {"dose", L"医嘱剂量", L"μg/(kg·min)", 5.0, 0, nullptr, 0.0005, 300.0},
};

constexpr OutputField kOutputs[] = {
    {"conc", L"药物浓度", L"μg/ml", "mg*1000/ml", "f1"},
    {"rate", L"泵速", L"ml/h", "dose*wt*60*ml/(mg*1000)", "f2"},
    {"per1", L"1 ml/h 相当于", L"μg/(kg·min)", "mg*1000/(ml*60*wt)", "f3"},
};

constexpr VerdictRule kRules[] = {
    {"mg<=0 || ml<=0 || ml>60 || wt<=0 || wt>300 || dose<=0", kLevelWarning,
     L"请核对药量、体积（≤60 ml）、体重与剂量"},
    {"rate<=0.495", kLevelAttention, L"泵速<0.5 ml/h，核对剂量与药量，报告医师调整配制浓度"},
    {"rate>=50.005", kLevelAttention, L"泵速>50 ml/h，核对剂量单位与药量，报告医师调整浓度"},
    {"", kLevelNormal, L"泵速已算出，高警示药品双人核对"},
};

constexpr ToolDef kTool = {
    361,
    L"微量泵速度换算",
    L"μg/(kg·min) 给药的泵速换算",
    L"用药计算",
    L"泵速（ml/h）＝剂量 μg/(kg·min)×体重 kg×60÷浓度 μg/ml；ICU 常用配法“体重(kg)×3 mg 配成 50 ml，1 ml/h＝1 "
    L"μg/"
    L"(kg·min)"
    L"”（重症护理教材通用换算）；中国药学会医院药学专业委员会《中国高警示药品临床使用与管理专家共识（2017）》"
    L"（静脉用肾上腺素能受体激动药等为高警示药品）；ISMP List of High-Alert Medications in Acute Care "
    L"Settings（2024）；Neff T 等. Paediatr Anaesth 2001;11:561-565；Neff SB 等. Eur J Anaesthesiol "
    L"2007;24:602-608（流速越低、注射器越大，注射泵启动延迟越长）",
    L"仅用于按 μg/(kg·min) 持续泵入的药物（多巴胺、多巴酚丁胺、去甲肾上腺素、硝酸甘油等），按 μg/min 或 mg/h "
    L"给药者不适用；药物总量填实际加入注射器的毫克数，总体积填配制后的总毫升数（注射器≤60 "
    L"ml）；去甲肾上腺素须核对医嘱剂量按重酒石酸盐还是按碱基计（2 mg 重酒石酸盐约合 1 mg 碱基）；泵速<0.5 "
    L"ml/h 时启动延迟与流速波动明显、>50 ml/h 时 50 ml 注射器不足 1 "
    L"小时即需更换，两界值为本工具取值，超出时核对剂量与药量并报告医师调整配制浓度（泵速>50 ml/h 常因把 "
    L"μg/min 剂量填入 μg/(kg·min) 栏）；结果须与医嘱双人核对，剂量调整遵医嘱。",
    countOf(kInputs),
    kInputs,
    countOf(kOutputs),
    kOutputs,
    countOf(kRules),
    kRules,
    report_kind::None,
};

} // namespace

const ToolDef& tool361() {
    return kTool;
}
