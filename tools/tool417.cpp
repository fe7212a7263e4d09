// Tool 417: QTc by three linear formulas.
#include "engine/tool.h"
#include "tools/choices.h"

namespace {

constexpr InputChoice kKind[] = {
    {1.0, L"心率（次/分）"},
    {2.0, L"RR 间期（ms）"},
};

constexpr InputField kInputs[] = {
    {"qt", L"QT 间期", L"ms", 400.0, 0, nullptr, 150.0, 1000.0},
    {"kind", L"填写项目", nullptr, 1.0, countOf(kKind), kKind},
    {"rate", L"心率或 RR 值", nullptr, 75.0, 0, nullptr, 10.0, 6000.0},
    {"sex", L"性别", nullptr, 1.0, countOf(kSex), kSex},
};

constexpr OutputField kOutputs[] = {
    {"hr", L"心率", L"次/分", "(kind==2 ? 60000/rate : rate)", "f0"},
    {"rrms", L"RR 间期", L"ms", "(kind==2 ? rate : 60000/rate)", "f0"},
    {"qtfr", L"QTc（Framingham）", L"ms", "qt+154*(1-(kind==2 ? rate : 60000/rate)/1000)", "f0"},
    {"qtho", L"QTc（Hodges）", L"ms", "qt+1.75*((kind==2 ? 60000/rate : rate)-60)", "f0"},
    {"qtra", L"QTc（Rautaharju）", L"ms", "qt*(120+(kind==2 ? 60000/rate : rate))/180", "f0"},
    {"top", L"三者最高值", L"ms",
     "max(max(qt+154*(1-(kind==2 ? rate : 60000/rate)/1000),qt+1.75*((kind==2 ? 60000/rate : "
     "rate)-60)),qt*(120+(kind==2 ? 60000/rate : rate))/180)",
     "f0"},
};

constexpr VerdictRule kRules[] = {
    {"(kind==1 && rate>300) || (kind==2 && rate<200) || qt>=(kind==2 ? rate : 60000/rate)", kLevelWarning,
     L"请核对 QT、心率或 RR 间期（填写项目与单位）"},
    {"top>500.5", kLevelWarning, L"最高 QTc>500 ms，尖端扭转风险高，立即报告医师"},
    {"top>=(sex==2?459.5:449.5)", kLevelAttention, L"最高 QTc 延长（男≥450，女≥460 ms），报告医师"},
    {"hr<=40.5 || hr>120.5", kLevelAttention, L"心率不在 41–120 次/分，校正欠可靠，报告医师"},
    {"", kLevelNormal, L"三种线性校正 QTc 均未达延长界值"},
};

constexpr ToolDef kTool = {
    417,
    L"QTc 线性校正公式对照",
    L"三种线性公式校正 QT 间期",
    L"心血管",
    L"Sagie A, Larson MG, Goldberg RJ, Bengtson JR, Levy D. Am J Cardiol "
    L"1992;70(7):797-801（Framingham：QTc＝QT＋0.154×(1-RR)，以秒计；推导人群 28–62 岁、心率 41–120 "
    L"次/分）；Hodges M 等. J Am Coll Cardiol 1983;1:694（摘要：QTc＝QT＋1.75×(心率-60)）；Rautaharju PM, "
    L"Mason JW, Akiyama T. Int J Cardiol 2014;174(3):535-540（QTc＝QT×(120＋心率)/180）；Rautaharju PM, "
    L"Surawicz B, Gettes LS. AHA/ACCF/HRS 心电图标准化与解析建议第四部分. Circulation 2009;119:e241-e250，J "
    L"Am Coll Cardiol 2009;53(11):982-991（宜用线性校正代替 Bazett；QTc 男≥450、女≥460 ms 为延长）；Drew BJ "
    L"等. Circulation 2010;121(8):1047-1060（QTc>500 ms "
    L"尖端扭转型室速风险高）；中国药文化研究会医药科教分会，全国医药技术市场协会远程心脏监护技术专业委员会. "
    L"基于 ICH-E14 的体表心电图 QT/QTc 间期测量、药物研究及临床应用的中国专家共识. 实用心电学杂志 "
    L"2024;33(3):217-224（QTc 校正公式的适用条件）；Tian WB 等. Cardiology "
    L"2025;150(4):406-417（广州生物库队列：中国 50 岁以上人群 Hodges 心率校正最优）",
    L"QT 填心电图实测值（报告“QT/QTc”中的前者），不可填已校正的 QTc；三式均为线性校正，Framingham 用 RR "
    L"间期，Hodges 与 Rautaharju 用心率，推导人群为成人窦性心律（Framingham 队列心率 41–120 "
    L"次/分），心率过快或过慢时三式相差可达数十毫秒，判读取三者最高值；Bazett 与 Fridericia 校正见工具 "
    L"327，两工具结果不一致时以心电图室报告及医师判断为准；Rautaharju 2014 "
    L"另提出按年龄与性别的延长界值（如<40 岁男 430、女 440 ms），本工具统一按 2009 建议男≥450、女≥460 ms "
    L"判读，>500 ms 为高危；心房颤动等 RR 不齐、T "
    L"波终点不清、束支阻滞或起搏心律时不宜直接套用，儿童不适用；停用或减量致 QT "
    L"延长药物、纠正血钾血镁由医师决定。",
    countOf(kInputs),
    kInputs,
    countOf(kOutputs),
    kOutputs,
    countOf(kRules),
    kRules,
    report_kind::None,
};

} // namespace

const ToolDef& tool417() {
    return kTool;
}
