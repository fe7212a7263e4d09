// Tool 414: Unfractionated heparin dose adjustment by aPTT.
#include "engine/tool.h"

namespace {

constexpr InputChoice kPrev[] = {
    {0.0, L"首次或未达标"},
    {1.0, L"已在 1.5–2.3 倍"},
};

constexpr InputField kInputs[] = {
    {"wt", L"体重", L"kg", 60.0, 0, nullptr, 2.0, 700.0},
    {"aptt", L"实测 aPTT", L"秒", 60.0, 0, nullptr, 10.0, 400.0},
    {"ctrl", L"aPTT 对照", L"秒", 30.0, 0, nullptr, 15.0, 60.0},
    {"cur", L"当前泵速", L"U/(kg·h)", 18.0, 0, nullptr, 1.0, 60.0},
    {"conc", L"肝素浓度", L"U/ml", 100.0, 0, nullptr, 10.0, 1000.0},
    {"prev", L"上次 aPTT", nullptr, 0.0, countOf(kPrev), kPrev},
};

constexpr OutputField kOutputs[] = {
    {"rt", L"aPTT 比值", nullptr, "aptt/ctrl", "f2"},
    {"bol", L"追加静推", L"U", "(aptt/ctrl<1.195 ? 80 : (aptt/ctrl<1.495 ? 40 : 0))*wt", "f0"},
    {"chg", L"泵速调整", L"U/(kg·h)",
     "(aptt/ctrl<1.195 ? 4 : (aptt/ctrl<1.495 ? 2 : (aptt/ctrl<2.305 ? 0 : (aptt/ctrl<=3.005 ? -2 : -3))))",
     "f0"},
    {"hold", L"暂停泵入", L"小时", "(aptt/ctrl>3.005 ? 1 : 0)", "f0"},
    {"nk", L"调整后泵速", L"U/(kg·h)",
     "cur+(aptt/ctrl<1.195 ? 4 : (aptt/ctrl<1.495 ? 2 : (aptt/ctrl<2.305 ? 0 : (aptt/ctrl<=3.005 ? -2 : "
     "-3))))",
     "f1"},
    {"nu", L"调整后每小时量", L"U/h",
     "(cur+(aptt/ctrl<1.195 ? 4 : (aptt/ctrl<1.495 ? 2 : (aptt/ctrl<2.305 ? 0 : (aptt/ctrl<=3.005 ? -2 : "
     "-3)))))*wt",
     "f0"},
    {"nm", L"调整后输注速度", L"ml/h",
     "(cur+(aptt/ctrl<1.195 ? 4 : (aptt/ctrl<1.495 ? 2 : (aptt/ctrl<2.305 ? 0 : (aptt/ctrl<=3.005 ? -2 : "
     "-3)))))*wt/conc",
     "f1"},
    {"nx", L"复查 aPTT 间隔", L"小时", "((aptt/ctrl>=1.495 && aptt/ctrl<2.305 && prev==1) ? 24 : 6)", "f0"},
};

constexpr VerdictRule kRules[] = {
    {"aptt<0.5*ctrl", kLevelWarning, L"aPTT 不足对照值一半，请核对实测值与对照值"},
    {"nk<0.05", kLevelWarning, L"按表调整后泵速≤0，报告医师"},
    {"rt>3.005", kLevelWarning, L"aPTT>3.0 倍：报告医师按表停泵 1 h 后减量"},
    {"rt<1.195", kLevelWarning, L"aPTT<1.2 倍：报告医师按表追加静推并加量"},
    {"rt>=2.305", kLevelAttention, L"aPTT 2.3–3.0 倍：报告医师按表减量，6 h 复查"},
    {"rt<1.495", kLevelAttention, L"aPTT 1.2–1.5 倍：报告医师按表追加静推并加量"},
    {"prev==1", kLevelNormal, L"连续 2 次达标，维持泵速，改每日复查 aPTT"},
    {"", kLevelNormal, L"aPTT 1.5–2.3 倍达标，维持泵速，6 h 后复查"},
};

constexpr ToolDef kTool = {
    414,
    L"普通肝素 aPTT 剂量调整",
    L"按体重肝素方案的 aPTT 调整",
    L"用药计算",
    L"Raschke RA, Reilly BM, Guidry JR 等. The weight-based heparin dosing nomogram compared with a "
    L"“standard care” nomogram: a randomized controlled trial. Ann Intern Med 1993;119(9):874-881（初始 80 "
    L"U/kg 静推、18 U/(kg·h) 泵入；aPTT<35 s（<1.2 倍对照）追加 80 U/kg 并增 4 U/(kg·h)，35–45 s（1.2–1.5 "
    L"倍）追加 40 U/kg 并增 2 U/(kg·h)，46–70 s（1.5–2.3 倍）不变，71–90 s（2.3–3.0 倍）减 2 U/(kg·h)，>90 "
    L"s（>3.0 倍）停泵 1 h 后减 3 U/(kg·h)；每次调整后 6 h 复查 "
    L"aPTT）；中华医学会呼吸病学分会肺栓塞与肺血管病学组，中国医师协会呼吸医师分会肺栓塞与肺血管病工作委员会"
    L"，全国肺栓塞与肺血管病防治协作组. 肺血栓栓塞症诊治与预防指南. 中华医学杂志 "
    L"2018;98(14):1060-1087（普通肝素按上表根据 APTT 调整剂量，24 h 内达到并维持于正常值的 1.5–2.5 "
    L"倍，稳定后每天监测 1 次）",
    L"仅用于成人静脉血栓栓塞症（肺栓塞、深静脉血栓）按体重持续泵入普通肝素者，急性冠脉综合征、体外循环、血液"
    L"净化及儿童方案不同；比值＝实测 aPTT÷本实验室正常对照值，各试剂的秒数界值不可通用，以抗 Xa "
    L"活性监测的医院按本院方案；原表秒数栏（<35、35–45、46–70、71–90、>90 s）相当于对照约 30 s，与倍数栏在 "
    L"35、45、70 s 附近不完全一致（对照 30 s 时 35 s 为 1.17 倍、45 s 为 1.50 倍、70 s 为 2.33 "
    L"倍），本工具一律按倍数判断，本院已按试剂标定治疗范围（秒）者按本院方案；每次调整后 6 h "
    L"复查，本次与上次均在 1.5–2.3 "
    L"倍时改每日复查；体重用实际体重，浓度按实际配制填写；同时监测血小板（警惕肝素诱导的血小板减少症）与出血"
    L"征象；追加量与泵速由医师按本院肝素方案下达，高警示药品双人核对。",
    countOf(kInputs),
    kInputs,
    countOf(kOutputs),
    kOutputs,
    countOf(kRules),
    kRules,
    report_kind::None,
};

} // namespace

const ToolDef& tool414() {
    return kTool;
}
