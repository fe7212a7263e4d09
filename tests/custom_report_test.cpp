#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "alloc_counter.h"
#include "engine/local_time.h"
#include "engine/text.h"
#include "engine/tool.h"
#include "reports/custom_report.h"

namespace {

struct Input {
    const char* var;
    double value;
};

struct Outcome {
    std::wstring report;
    std::wstring verdict;
    int32_t level;
};

constexpr wchar_t kGuard = L'#';
constexpr int32_t kGuardUnits = 8;

// Checks that a buffer holds a terminated text within its capacity and that
// nothing past the capacity was touched.
std::wstring checkedText(const std::vector<wchar_t>& buffer, int32_t capacity) {
    for (int32_t i = capacity; i < capacity + kGuardUnits; ++i)
        EXPECT_EQ(buffer[i], kGuard) << "past capacity";
    for (int32_t i = 0; i < capacity; ++i) {
        if (buffer[i] == 0) return std::wstring(buffer.data(), i);
    }
    ADD_FAILURE() << "not terminated within capacity " << capacity;
    return std::wstring();
}

// Runs one kind on a tool of the test's own, holding exactly the given inputs.
Outcome compose(int32_t kind, const std::vector<Input>& inputs, int32_t reportCapacity = 8192,
                int32_t verdictCapacity = 512) {
    std::vector<InputField> fields;
    std::vector<double> values;
    for (const Input& input : inputs) {
        fields.push_back(InputField{input.var, L"输入", nullptr, 0.0});
        values.push_back(input.value);
    }
    const ToolDef tool = {
        900,           L"测试", nullptr, L"测试", L"测试", nullptr, static_cast<int32_t>(fields.size()),
        fields.data(), 0,       nullptr, 0,       nullptr, kind};
    std::vector<wchar_t> report(reportCapacity + kGuardUnits, kGuard);
    std::vector<wchar_t> verdict(verdictCapacity + kGuardUnits, kGuard);
    const int32_t level = composeCustomReport(kind, &tool, values.data(), report.data(), reportCapacity,
                                              verdict.data(), verdictCapacity);
    return Outcome{checkedText(report, reportCapacity), checkedText(verdict, verdictCapacity), level};
}

std::vector<std::wstring> lines(const std::wstring& text) {
    std::vector<std::wstring> result;
    size_t begin = 0;
    for (size_t end = text.find(L"\r\n"); end != std::wstring::npos; end = text.find(L"\r\n", begin)) {
        result.push_back(text.substr(begin, end - begin));
        begin = end + 2;
    }
    if (begin < text.size()) result.push_back(text.substr(begin));
    return result;
}

// A fixed local date for the follow-up report, restored afterwards.
LocalTime fixedNow;
int clockReads = 0;
LocalTime fixedClock() {
    ++clockReads;
    return fixedNow;
}

struct FixedDate {
    LocalTimeSource saved;
    FixedDate(int32_t year, int32_t month, int32_t day) : saved(localTimeSource) {
        fixedNow = LocalTime{year, month, day, 9, 30, 0};
        clockReads = 0;
        localTimeSource = fixedClock;
    }
    ~FixedDate() { localTimeSource = saved; }
};

const double kNaN = std::numeric_limits<double>::quiet_NaN();
const double kInf = std::numeric_limits<double>::infinity();

TEST(CustomReport, PlaceholderForKindsOutsideOneToEleven) {
    for (int32_t kind : {12, -1, 0, INT32_MIN, INT32_MAX}) {
        const Outcome out = compose(kind, {{"kind", 1.0}});
        EXPECT_EQ(out.report, L"（该工具暂无自定义报告）") << kind;
        EXPECT_EQ(out.verdict, L"暂无报告内容") << kind;
        EXPECT_EQ(out.level, 0) << kind;
    }
}

TEST(CustomReport, ComposeEmptiesBuffersFirst) {
    std::vector<wchar_t> report(64, L'x'), verdict(64, L'x');
    report[63] = verdict[63] = 0;
    const double value = 1.0;
    const InputField field = {"panel", L"k", nullptr, 0.0};
    const ToolDef tool = {1, L"t", nullptr, L"c", L"r", nullptr, 1, &field, 0, nullptr, 0, nullptr, 11};
    composeCustomReport(11, &tool, &value, report.data(), 64, verdict.data(), 64);
    EXPECT_EQ(std::wstring(report.data()).substr(0, 4), L"血常规（");
    EXPECT_EQ(std::wstring(verdict.data()), L"套餐与采血管已列出，按顺序采血");
}

TEST(ReportSelector, TruncatesTowardZeroOrGivesInt32Min) {
    const struct {
        double value;
        int32_t expected;
    } rows[] = {
        {2.9, 2},
        {-0.7, 0},
        {0.999, 0},
        {-0.0, 0},
        {-2.9, -2},
        {2147483647.9, INT32_MAX},
        {-2147483647.9, -2147483647},
        {2147483648.0, INT32_MIN},
        {-2147483648.0, INT32_MIN},
        {-2147483648.5, INT32_MIN},
        {1e300, INT32_MIN},
        {-1e300, INT32_MIN},
        {kInf, INT32_MIN},
        {-kInf, INT32_MIN},
        {kNaN, INT32_MIN},
    };
    for (const auto& row : rows)
        EXPECT_EQ(truncateToInt32(row.value), row.expected) << row.value;
}

TEST(LookupInput, ExactCaseSensitiveFirstMatch) {
    const InputField fields[] = {
        {"Kind", L"a", nullptr, 0.0},  {"kind", L"b", nullptr, 0.0},  {"kind", L"c", nullptr, 0.0},
        {"kind2", L"d", nullptr, 0.0}, {nullptr, L"e", nullptr, 0.0},
    };
    const double values[] = {1.0, 2.0, 3.0, 4.0, 5.0};
    ToolDef tool = {1, L"t", nullptr, L"c", L"r", nullptr, 5, fields, 0, nullptr, 0, nullptr, 3};
    EXPECT_EQ(lookupInput(&tool, values, "kind"), 2.0);
    EXPECT_EQ(lookupInput(&tool, values, "Kind"), 1.0);
    EXPECT_EQ(lookupInput(&tool, values, "kind2"), 4.0);
    EXPECT_EQ(lookupInput(&tool, values, "KIND"), 0.0);
    EXPECT_EQ(lookupInput(&tool, values, "kin"), 0.0);
    EXPECT_EQ(lookupInput(&tool, values, ""), 0.0);
    tool.inputCount = 1;
    EXPECT_EQ(lookupInput(&tool, values, "kind"), 0.0);
    tool.inputCount = 0;
    EXPECT_EQ(lookupInput(&tool, values, "Kind"), 0.0);
    tool.inputCount = -4;
    EXPECT_EQ(lookupInput(&tool, values, "Kind"), 0.0);
    EXPECT_EQ(lookupInput(nullptr, values, "kind"), 0.0);

    // Through a generator: the lower-case "kind" that comes first decides.
    EXPECT_EQ(lines(compose(3, {{"KIND", 1.0}, {"kind", 4.0}, {"kind", 1.0}}).report)[8],
              L"本次：血气 → 肝素化注射器，排气后立即送检，15 分钟内完成。");
    EXPECT_EQ(lines(compose(3, {{"Kind", 1.0}}).report)[8], L"本次：其他项目，请按检验科项目手册执行。");
}

TEST(ReportLines, AppendRule) {
    const struct {
        int32_t capacity;
        const wchar_t* line;
        const wchar_t* expected;
    } rows[] = {
        {20, L"abcdefgh", L"abcdefgh\r\n"},
        {11, L"abcdefgh", L"abcdefgh\r\n"}, // ends exactly at capacity - 1
        {10, L"abcdefgh", L"abcdefgh\r"},   // the end reaches capacity - 2: only the CR
        {9, L"abcdefgh", L"abcdefgh"},      // reaches capacity - 1: no line end
        {5, L"abcdefgh", L"abcd"},
        {1, L"abcdefgh", L""},
        {4, L"", L"\r\n"},
    };
    for (const auto& row : rows) {
        std::vector<wchar_t> buffer(row.capacity + kGuardUnits, kGuard);
        buffer[0] = 0;
        appendReportText(buffer.data(), row.capacity, row.line);
        EXPECT_EQ(checkedText(buffer, row.capacity), row.expected) << row.capacity;
        // A further line changes nothing once the text is full.
        std::vector<wchar_t> again(buffer);
        appendReportLine(again.data(), row.capacity, L"%d", 7);
        if (std::wstring(buffer.data()).size() + 1 >= static_cast<size_t>(row.capacity)) {
            EXPECT_EQ(checkedText(again, row.capacity), row.expected);
        }
    }
}

TEST(ReportLines, FixedTextIsNeverAFormatAndLinesAreCutAt511) {
    std::vector<wchar_t> buffer(2048, kGuard);
    buffer[0] = 0;
    appendReportText(buffer.data(), 2000, L"100% %d %ls %%");
    appendReportChunk(buffer.data(), 2000, L"5% ");
    appendReportChunk(buffer.data(), 2000, L"%s\r\n");
    appendReportLine(buffer.data(), 2000, L"%02d|%ls|%c|%.0f|%.2f|%%", 7, L"文", static_cast<int>(L'N'), 2.5,
                     1.005);
    EXPECT_EQ(checkedText(buffer, 2000), L"100% %d %ls %%\r\n5% %s\r\n07|文|N|2|1.00|%\r\n");

    const std::wstring longText(600, L'长');
    buffer[0] = 0;
    appendReportText(buffer.data(), 2000, longText.c_str());
    EXPECT_EQ(checkedText(buffer, 2000), longText.substr(0, 511) + L"\r\n");
    buffer[0] = 0;
    appendReportLine(buffer.data(), 2000, L"%ls", longText.c_str());
    EXPECT_EQ(checkedText(buffer, 2000), longText.substr(0, 511) + L"\r\n");
    // A chunk is not a line: it is not cut at 511.
    buffer[0] = 0;
    appendReportChunk(buffer.data(), 2000, longText.c_str());
    EXPECT_EQ(checkedText(buffer, 2000), longText);
}

const wchar_t kCollectionHead[] = L"标准采血顺序（按添加剂，避免交叉污染）：\r\n"
                                  L"1 血培养瓶（需氧/厌氧）\r\n"
                                  L"2 凝血管 淡蓝（枸橼酸钠，凝血 PT/APTT）\r\n"
                                  L"3 促凝/血清管 红或金黄（生化、免疫）\r\n"
                                  L"4 肝素管 绿（血气、部分生化）\r\n"
                                  L"5 EDTA 紫（血常规、糖化、血型）\r\n"
                                  L"6 氟化钠 灰（血糖、乳酸）\r\n"
                                  L"\r\n";

TEST(BloodCollectionOrder, SelectorRows) {
    const struct {
        std::vector<Input> inputs;
        const wchar_t* line;
    } rows[] = {
        {{{"kind", 1.0}}, L"本次：血常规 → 紫管 EDTA，采血后 8 次颠倒混匀，2 小时内送检。"},
        {{{"kind", 2.7}}, L"本次：凝血 → 淡蓝管，需采满刻度线（约 2.0ml），采血后立即轻柔颠倒 3-4 次。"},
        {{{"kind", 3.0}}, L"本次：生化 → 红/金黄管，避免溶血，采血后静置 30 分钟离心。"},
        {{{"kind", 4.5}}, L"本次：血气 → 肝素化注射器，排气后立即送检，15 分钟内完成。"},
        {{{"kind", 5.0}}, L"本次：血培养 → 需氧+厌氧各 1 套，采血 2 套不同部位，先注入培养瓶。"},
        {{{"kind", 6.99}}, L"本次：血糖/乳酸 → 灰管，需冰浴送检，30 分钟内完成。"},
        {{{"kind", -0.5}}, L"本次：其他项目，请按检验科项目手册执行。"},
        {{{"kind", 7.0}}, L"本次：其他项目，请按检验科项目手册执行。"},
        {{{"other", 1.0}}, L"本次：其他项目，请按检验科项目手册执行。"},
        {{}, L"本次：其他项目，请按检验科项目手册执行。"},
    };
    for (const auto& row : rows) {
        const Outcome out = compose(3, row.inputs);
        EXPECT_EQ(out.report, std::wstring(kCollectionHead) + row.line + L"\r\n");
        EXPECT_EQ(out.verdict, L"按标准顺序采血可减少溶血与交叉污染");
        EXPECT_EQ(out.level, 0);
    }
}

TEST(CriticalValues, GroupsOfOneToThreeLines) {
    const wchar_t head[] = L"常见检验危急值（参考，需以本院文件为准）：\r\n";
    const wchar_t tail[] =
        L"\r\n处置要求：核实标本→15 分钟内电话报告临床→记录报告与接听人→医师 30 分钟内处理并记录。\r\n";
    const struct {
        double selector;
        const wchar_t* group;
    } rows[] = {
        {1, L"血钾 <2.5 或 >6.5 mmol/L\r\n血钠 <120 或 >160 mmol/L\r\n血钙 <1.5 或 >3.5 mmol/L\r\n"},
        {2, L"血糖 <2.8 或 >22.2 mmol/L\r\npH <7.20 或 >7.60；PaO2 <45 mmHg；PaCO2 >70 mmHg\r\n"},
        {3, L"白细胞 <1.0 或 >30.0 ×10^9/L\r\n血红蛋白 <50 g/L；血小板 <20 或 >1000 ×10^9/L\r\n"},
        {4, L"INR >4.0；纤维蛋白原 <1.0 g/L\r\nD-二聚体显著升高并伴临床血栓表现\r\n"},
        {5, L"血培养阳性（无菌部位）\r\n脑脊液培养阳性；HIV 初筛阳性需确认\r\n"},
        {6, L"肌钙蛋白明显升高（高于第 99 百分位）\r\n血淀粉酶/脂肪酶 >3 倍正常上限\r\n"},
        {7, L"请查阅本院《危急值报告目录》\r\n"},
        {0, L"请查阅本院《危急值报告目录》\r\n"},
    };
    for (const auto& row : rows) {
        const Outcome out = compose(4, {{"kind", row.selector}});
        EXPECT_EQ(out.report, std::wstring(head) + row.group + tail) << row.selector;
        EXPECT_EQ(out.verdict, L"危急值必须闭环：报告、接收、处理、记录");
        EXPECT_EQ(out.level, 0);
    }
}

TEST(HighAlertDrugs, PercentSignsKeptAndUnknownCodesSaidToBeUnknown) {
    const wchar_t anaesthetics[] =
        L"高警示药品类别与要点：\r\n"
        L"麻醉与肌松药：丙泊酚、维库溴铵、琥珀胆碱、阿片类\r\n"
        L"要点：专柜加锁、基数管理、使用后登记、拮抗剂（纳洛酮/新斯的明）备用。\r\n";
    const wchar_t unknown[] = L"高警示药品类别与要点：\r\n未收录的类别编号，请按提示输入 1-4。\r\n";
    const struct {
        double selector;
        const wchar_t* report;
    } rows[] = {
        {1, L"高警示药品类别与要点：\r\n"
            L"高浓度电解质：10% 氯化钾、10% 氯化钠、25% 硫酸镁\r\n"
            L"要点：专用标识、专区存放、双人核对、禁止直接静脉推注（钾）。\r\n"},
        {2, L"高警示药品类别与要点：\r\n"
            L"胰岛素与口服降糖药：胰岛素、格列本脲\r\n"
            L"要点：独立存放、专用注射器、剂量双人核对、低血糖监测与急救糖备用。\r\n"},
        {3, L"高警示药品类别与要点：\r\n"
            L"抗凝与化疗药：肝素、华法林、低分子肝素、化疗药物\r\n"
            L"要点：化疗药集中配置与防护、抗凝药监测 INR/APTT、出血风险宣教。\r\n"},
        {4, anaesthetics},
        {4.99, anaesthetics},
        {0, unknown},
        {-0.5, unknown},
        {5, unknown},
        {-4, unknown},
        {kNaN, unknown},
    };
    for (const auto& row : rows) {
        const Outcome out = compose(5, {{"kind", row.selector}});
        const bool known = row.report != unknown;
        EXPECT_EQ(out.report, row.report) << row.selector;
        EXPECT_EQ(out.verdict, known ? L"高警示药品须专区、专标识、双人核对" : L"请核对类别编号")
            << row.selector;
        EXPECT_EQ(out.level, known ? 0 : 1) << row.selector;
    }
}

const wchar_t kChecklistReport[] =
    L"手术安全核查表（三步核查）：\r\n"
    L"【麻醉实施前】身份/部位/术式/知情同意；过敏史；气道与插管风险；出血风险；影像与植入物；皮肤准备。\r\n"
    L"【手术开始前】团队自我介绍；确认患者、部位、术式；预计手术时间与失血量；抗菌药物已用；器械灭菌合格；"
    L"影像资料到位。\r\n"
    L"【患者离室前】手术名称与记录一致；标本标识与送检；器械敷料清点；皮肤与管路；恢复与转运方案。\r\n"
    L"\r\n"
    L"要求：三方（外科、麻醉、护理）共同口述确认并签字，任一环节缺失不得开台。\r\n";

TEST(SurgicalChecklist, WholeAndCutAtCapacity100) {
    const Outcome whole = compose(8, {});
    EXPECT_EQ(whole.report, kChecklistReport);
    EXPECT_EQ(whole.verdict, L"三方核查缺一不可，签字后归档");
    EXPECT_EQ(whole.level, 0);

    const Outcome cut = compose(8, {}, 100, 21);
    EXPECT_EQ(cut.report, std::wstring(kChecklistReport).substr(0, 99));
    EXPECT_EQ(cut.report.size(), 99u);
    EXPECT_NE(cut.report.back(), L'\n');
    EXPECT_NE(cut.report.back(), L'\r');
    EXPECT_EQ(cut.verdict, L"三方核查缺一不可，签字后归档");
}

std::wstring bedLine(int bed) {
    wchar_t number[8];
    formatText(number, 8, L"%02d", bed);
    return std::wstring(number) +
           L" 床：诊断＿＿；体温＿℃ 脉搏＿次/分 呼吸＿次/分 血压＿/＿mmHg SpO2＿%；本班处置＿＿；"
           L"管路（静脉/引流/导尿/吸氧）＿＿；下一班关注＿＿。";
}

TEST(HandoverTemplate, BedCountIsTruncatedAndClamped) {
    const struct {
        std::vector<Input> inputs;
        int beds;
    } rows[] = {
        {{{"beds", 0.0}}, 1}, {{{"beds", -3.0}}, 1},  {{{"beds", kNaN}}, 1},  {{}, 1},
        {{{"beds", 3.9}}, 3}, {{{"beds", 30.0}}, 30}, {{{"beds", 45.0}}, 30}, {{{"beds", 3e9}}, 1},
    };
    for (const auto& row : rows) {
        const Outcome out = compose(9, row.inputs);
        std::wstring expected = L"交班报告（床号 / 诊断 / 本班病情 / 治疗与管路 / 需下一班关注）：\r\n";
        for (int bed = 1; bed <= row.beds; ++bed)
            expected += bedLine(bed) + L"\r\n";
        expected += L"\r\n危重患者须床旁交接；新入院、手术、输血、病情变化患者逐一交接并双签名。\r\n";
        EXPECT_EQ(out.report, expected) << row.beds;
        EXPECT_EQ(out.verdict, L"模板已生成，床旁交接并双方签名");
        EXPECT_EQ(out.level, 0);
    }
    EXPECT_EQ(lines(compose(9, {}).report)[1],
              L"01 床：诊断＿＿；体温＿℃ 脉搏＿次/分 呼吸＿次/分 血压＿/＿mmHg SpO2＿%；本班处置＿＿；"
              L"管路（静脉/引流/导尿/吸氧）＿＿；下一班关注＿＿。");
}

TEST(LabPanels, NoHeadingAndUnknownCodesSaidToBeUnknown) {
    const wchar_t urine[] =
        L"尿常规（清洁中段尿）：尿蛋白、尿糖、尿潜血、白细胞、亚硝酸盐、比重、pH、镜检。\r\n"
        L"注意：留取中段尿，1 小时内送检；月经期避免。\r\n";
    const wchar_t unknown[] = L"未收录的套餐编号，请按提示输入 1-6。\r\n";
    const struct {
        double selector;
        const wchar_t* report;
    } rows[] = {
        {1, L"血常规（紫管 EDTA）：WBC、RBC、Hb、Hct、PLT、MCV/MCH/MCHC、中性/淋巴/单核/嗜酸/嗜碱比例。\r\n"
            L"注意：剧烈运动、情绪、采血时间可影响结果；PLT 聚集需涂片复核。\r\n"},
        {2, L"生化全套（红/金黄管）：肝功（ALT/AST/ALP/GGT/胆红素/白蛋白）、肾功（BUN/Cr/"
            L"UA）、血糖、血脂、电解质。\r\n"
            L"注意：空腹 8-12 小时；溶血标本钾、AST 假性升高。\r\n"},
        {3, L"凝血四项（淡蓝管）：PT、INR、APTT、TT、纤维蛋白原、D-二聚体。\r\n"
            L"注意：采血量必须达刻度；肝素治疗中查 APTT。\r\n"},
        {4, L"甲状腺功能（红/金黄管）：TSH、FT3、FT4、TPOAb、TgAb。\r\n"
            L"注意：空腹；含碘造影剂后 1 周内避免复查。\r\n"},
        {5, L"心肌损伤标志物：cTnI/cTnT、CK-MB、肌红蛋白、BNP/NT-proBNP。\r\n"
            L"注意：胸痛发作后 2-4 小时开始升高；动态复查更有意义。\r\n"},
        {6, urine},
        {6.7, urine},
        {0, unknown},
        {7, unknown},
        {100, unknown},
        {-6, unknown},
    };
    for (const auto& row : rows) {
        const Outcome out = compose(11, {{"panel", row.selector}});
        const bool known = row.report != unknown;
        EXPECT_EQ(out.report, row.report) << row.selector;
        EXPECT_EQ(out.verdict, known ? L"套餐与采血管已列出，按顺序采血" : L"请核对套餐编号") << row.selector;
        EXPECT_EQ(out.level, known ? 0 : 1) << row.selector;
    }
}

const wchar_t kRosterRule[] =
    L"排班规则：三班轮转（白班 D / 夜班 N / 休息 R），每日每班 1 人，按人员顺序滚动。\r\n";
const wchar_t kRosterTip[] = L"提示：连续夜班不超过 2 个，夜班后应安排休息；请按科室实际人数与能级调整。\r\n";

TEST(DutyRoster, FourNursesFourDays) {
    const Outcome out = compose(1, {{"nurses", 4.0}, {"days", 4.0}});
    EXPECT_EQ(out.report, std::wstring(kRosterRule) +
                              L"人员：4 人；周期：4 天\r\n"
                              L"\r\n"
                              L"护士01：\r\n  1日D 2日R 3日N 4日D \r\n"
                              L"护士02：\r\n  1日N 2日D 3日R 4日N \r\n"
                              L"护士03：\r\n  1日R 2日N 3日D 4日R \r\n"
                              L"护士04：\r\n  1日D 2日R 3日N 4日D \r\n"
                              L"\r\n" +
                              kRosterTip);
    EXPECT_EQ(out.verdict, L"已生成轮转排班表，可复制到排班本或表格");
    EXPECT_EQ(out.level, 0);
}

TEST(DutyRoster, CountsAreClamped) {
    const struct {
        std::vector<Input> inputs;
        const wchar_t* heading;
        size_t entries; // the last entry line
        const wchar_t* lastEntries;
    } rows[] = {
        {{{"nurses", 3.0}, {"days", 3.0}}, L"人员：3 人；周期：3 天", 8, L"  1日R 2日N 3日D "},
        {{{"nurses", 0.0}}, L"人员：1 人；周期：1 天", 4, L"  1日D "},
        {{{"nurses", kNaN}, {"days", -kInf}}, L"人员：1 人；周期：1 天", 4, L"  1日D "},
        {{{"nurses", 50.0}, {"days", 40.0}}, L"人员：40 人；周期：31 天", 82, nullptr},
    };
    for (const auto& row : rows) {
        const std::vector<std::wstring> text = lines(compose(1, row.inputs).report);
        ASSERT_GT(text.size(), row.entries + 2);
        EXPECT_EQ(text[1], row.heading);
        if (row.lastEntries != nullptr) {
            EXPECT_EQ(text[row.entries], row.lastEntries);
        }
        EXPECT_EQ(text[row.entries + 1], L"");
    }
    const std::vector<std::wstring> three = lines(compose(1, {{"nurses", 3.0}, {"days", 3.0}}).report);
    EXPECT_EQ(three[4], L"  1日D 2日R 3日N ");
    EXPECT_EQ(three[6], L"  1日N 2日D 3日R ");
}

std::wstring fullRoster() {
    std::wstring text = std::wstring(kRosterRule) + L"人员：40 人；周期：31 天\r\n\r\n";
    const wchar_t letters[] = L"DNR";
    for (int p = 1; p <= 40; ++p) {
        text += std::wstring(L"护士") + (p < 10 ? L"0" : L"") + std::to_wstring(p) + L"：\r\n  ";
        for (int d = 1; d <= 31; ++d) {
            text += std::to_wstring(d) + L"日" + letters[((p - d) % 3 + 3) % 3] + L" ";
        }
        text += L"\r\n";
    }
    return text + L"\r\n" + kRosterTip;
}

TEST(DutyRoster, FullRosterWholeIn8192AndCutIn4096) {
    const std::wstring expected = fullRoster();
    ASSERT_EQ(expected.size(), 6390u);
    EXPECT_EQ(compose(1, {{"nurses", 40.0}, {"days", 31.0}}, 8192).report, expected);

    const std::wstring cut = compose(1, {{"nurses", 40.0}, {"days", 31.0}}, 4096).report;
    EXPECT_EQ(cut, expected.substr(0, 4095));
    EXPECT_NE(cut.find(L"护士26："), std::wstring::npos);
    EXPECT_EQ(cut.find(L"护士27："), std::wstring::npos);
    EXPECT_EQ(cut.find(L"提示"), std::wstring::npos);
}

TEST(DosingTimetable, Schedules) {
    const wchar_t note[] = L"说明：按等间隔给药；抗菌药物需结合半衰期与肾肝功能调整。\r\n";
    const struct {
        std::vector<Input> inputs;
        const wchar_t* heading;
        const wchar_t* doses;
    } rows[] = {
        {{{"start", 8}, {"interval", 8}, {"times", 4}},
         L"首剂时间 8:00，间隔 8 小时，共 4 次：",
         L"第1天 08:00  |  第1天 16:00  |  第2天 00:00  |  第2天 08:00"},
        {{{"start", 22}, {"interval", 0}, {"times", 3}},
         L"首剂时间 22:00，间隔 8 小时，共 3 次：",
         L"第1天 22:00  |  第2天 06:00  |  第2天 14:00"},
        {{{"start", 22}, {"times", 3}},
         L"首剂时间 22:00，间隔 8 小时，共 3 次：",
         L"第1天 22:00  |  第2天 06:00  |  第2天 14:00"},
        {{{"start", 8.7}, {"interval", 6.4}, {"times", 2}},
         L"首剂时间 8:41，间隔 6.4 小时，共 2 次：",
         L"第1天 08:41  |  第1天 15:05"},
        {{{"start", -5}, {"interval", -2}, {"times", 0}},
         L"首剂时间 0:00，间隔 8 小时，共 1 次：",
         L"第1天 00:00"},
        {{{"start", kNaN}, {"interval", kNaN}, {"times", kNaN}},
         L"首剂时间 0:00，间隔 8 小时，共 1 次：",
         L"第1天 00:00"},
        {{{"start", 47.5}, {"interval", 24}, {"times", 2}},
         L"首剂时间 47:30，间隔 24 小时，共 2 次：",
         L"第2天 23:30  |  第3天 23:30"},
        // The heading states the start and interval the entries use.
        {{{"start", 7.5}, {"interval", 7.5}, {"times", 3}},
         L"首剂时间 7:30，间隔 7.5 小时，共 3 次：",
         L"第1天 07:30  |  第1天 15:00  |  第1天 22:30"},
        {{{"start", -0.0}, {"interval", 1.0 / 3.0}, {"times", 2}},
         L"首剂时间 0:00，间隔 0.33 小时，共 2 次：",
         L"第1天 00:00  |  第1天 00:20"},
        {{{"start", 23.99}, {"interval", 12.25}, {"times", 1}},
         L"首剂时间 23:59，间隔 12.25 小时，共 1 次：",
         L"第1天 23:59"},
        {{{"start", 8.5}, {"interval", 100.005}, {"times", 1}},
         L"首剂时间 8:30，间隔 100 小时，共 1 次：",
         L"第1天 08:30"},
        {{{"start", 1e20}, {"interval", 1e20}, {"times", 1}},
         L"首剂时间 100000000000000000000:00，间隔 100000000000000000000 小时，共 1 次：",
         L"第-2147483647天 16:00"},
        // trunc(t / 24) = INT32_MAX: the day passes the int32 range.
        {{{"start", 24.0 * 2147483647.0}, {"times", 1}},
         L"首剂时间 51539607528:00，间隔 8 小时，共 1 次：",
         L"第2147483648天 00:00"},
        // t / 24 has no int32 truncation: INT32_MIN by the truncation rule.
        {{{"start", 24.0 * 2147483648.0}, {"times", 1}},
         L"首剂时间 51539607552:00，间隔 8 小时，共 1 次：",
         L"第-2147483647天 00:00"},
    };
    for (const auto& row : rows) {
        const Outcome out = compose(2, row.inputs);
        EXPECT_EQ(out.report, std::wstring(row.heading) + L"\r\n" + row.doses + L"\r\n" + note);
        EXPECT_EQ(out.verdict, L"给药时间表已生成，注意首剂与夜间给药时间");
        EXPECT_EQ(out.level, 0);
    }
}

TEST(DosingTimetable, ThirtyDosesAtMost) {
    const std::vector<std::wstring> text =
        lines(compose(2, {{"start", 0}, {"interval", 1}, {"times", 45}}).report);
    ASSERT_EQ(text.size(), 3u);
    EXPECT_EQ(text[0], L"首剂时间 0:00，间隔 1 小时，共 30 次：");
    size_t separators = 0;
    for (size_t at = text[1].find(L"  |  "); at != std::wstring::npos; at = text[1].find(L"  |  ", at + 1))
        ++separators;
    EXPECT_EQ(separators, 29u);
    EXPECT_EQ(text[1].substr(text[1].size() - 9), L"第2天 05:00");
}

const wchar_t kDrugList[] = L"编号：1头孢曲松 2葡萄糖酸钙 3万古霉素 4呋塞米 5氨溴索\r\n"
                            L"      6奥美拉唑 7维生素C 8胰岛素 9碳酸氢钠 10多巴胺\r\n";

TEST(InfusionCompatibility, WholeReport) {
    const Outcome out = compose(6, {{"drugA", 9}, {"drugB", 2}});
    EXPECT_EQ(
        out.report,
        std::wstring(L"待查：9 号 碳酸氢钠  +  2 号 葡萄糖酸钙\r\n\r\n") + kDrugList +
            L"\r\n结论：禁忌配伍。头孢曲松与含钙注射液可形成不溶性沉淀；钙剂与碳酸氢钠亦不宜同瓶。\r\n");
    EXPECT_EQ(out.verdict, L"禁忌：不可同瓶输注，需间隔冲管");
    EXPECT_EQ(out.level, 3);

    const Outcome unknown = compose(6, {{"drugB", 5}});
    EXPECT_EQ(lines(unknown.report)[0], L"待查：0 号 未收录药物  +  5 号 氨溴索");
    EXPECT_EQ(lines(compose(6, {{"drugA", 11}, {"drugB", 10}}).report)[0],
              L"待查：11 号 未收录药物  +  10 号 多巴胺");
    // An unlisted number never borrows a listed drug's name, nor its conclusion.
    const Outcome borrowed = compose(6, {{"drugA", 11}, {"drugB", 2}});
    EXPECT_EQ(lines(borrowed.report)[0], L"待查：11 号 未收录药物  +  2 号 葡萄糖酸钙");
    EXPECT_EQ(borrowed.level, 0);
    const struct {
        int32_t number;
        const wchar_t* name;
    } names[] = {{1, L"头孢曲松"},    {10, L"多巴胺"},     {0, L"未收录药物"},
                 {11, L"未收录药物"}, {-1, L"未收录药物"}, {INT32_MIN, L"未收录药物"}};
    for (const auto& n : names)
        EXPECT_STREQ(compatibilityDrugName(n.number), n.name) << n.number;
}

TEST(InfusionCompatibility, EveryLevelInBothOrders) {
    const wchar_t* notRecorded =
        L"结论：本工具库内未收录该组合的明确禁忌，但仍须查本院配伍表并现配现用、注意冲管。";
    const struct {
        double a, b;
        int32_t level;
        const wchar_t* verdict;
        const wchar_t* conclusion;
    } rows[] = {
        {1, 2, 3, L"禁忌：不可同瓶输注，需间隔冲管",
         L"结论：禁忌配伍。头孢曲松与含钙注射液可形成不溶性沉淀；钙剂与碳酸氢钠亦不宜同瓶。"},
        {2, 9, 3, L"禁忌：不可同瓶输注，需间隔冲管",
         L"结论：禁忌配伍。头孢曲松与含钙注射液可形成不溶性沉淀；钙剂与碳酸氢钠亦不宜同瓶。"},
        {3, 6, 2, L"不宜同瓶，分开输注并冲管",
         L"结论：不宜同瓶。万古霉素与碱性药物/奥美拉唑配伍稳定性差，应分开输注并冲管。"},
        {3, 9, 2, L"不宜同瓶，分开输注并冲管",
         L"结论：不宜同瓶。万古霉素与碱性药物/奥美拉唑配伍稳定性差，应分开输注并冲管。"},
        {4, 10, 2, L"不宜同瓶，建议分开输注",
         L"结论：不宜同瓶。呋塞米与多巴胺、氨溴索与碱性液混合易发生理化变化。"},
        {5, 9, 2, L"不宜同瓶，建议分开输注",
         L"结论：不宜同瓶。呋塞米与多巴胺、氨溴索与碱性液混合易发生理化变化。"},
        {6.9, 7.2, 1, L"建议分开输注", L"结论：奥美拉唑与维生素C 同瓶 pH 冲突，稳定性下降，建议分开。"},
        {3, 3, 0, L"未收录明确禁忌，仍需核对院内配伍表", notRecorded},
        {0, 5, 0, L"未收录明确禁忌，仍需核对院内配伍表", notRecorded},
        {1, 9, 0, L"未收录明确禁忌，仍需核对院内配伍表", notRecorded},
        {-1, 2, 0, L"未收录明确禁忌，仍需核对院内配伍表", notRecorded},
        {12, 2, 0, L"未收录明确禁忌，仍需核对院内配伍表", notRecorded},
        {kNaN, 2, 0, L"未收录明确禁忌，仍需核对院内配伍表", notRecorded},
    };
    for (const auto& row : rows) {
        for (bool swapped : {false, true}) {
            const double a = swapped ? row.b : row.a;
            const double b = swapped ? row.a : row.b;
            const Outcome out = compose(6, {{"drugA", a}, {"drugB", b}});
            EXPECT_EQ(out.level, row.level) << a << " " << b;
            EXPECT_EQ(out.verdict, row.verdict) << a << " " << b;
            EXPECT_EQ(lines(out.report).back(), row.conclusion) << a << " " << b;
        }
    }
}

const wchar_t kFollowUpContent[] =
    L"内容：症状与体征、用药依从性、复查项目、并发症预警、是否需要提前复诊。\r\n";

TEST(FollowUpDates, WholeReportReadsTheClockOnce) {
    FixedDate today(2024, 2, 28);
    const Outcome out = compose(7, {{"start", 1}, {"gap", 30}, {"times", 3}});
    EXPECT_EQ(out.report, std::wstring(L"随访节点（以今天为基准，起始第 1 天，间隔 30 天，共 3 次）：\r\n"
                                       L"第 1 次：2024-02-29\r\n"
                                       L"第 2 次：2024-03-30\r\n"
                                       L"第 3 次：2024-04-29\r\n") +
                              kFollowUpContent);
    EXPECT_EQ(out.verdict, L"随访计划已生成，可按日期短信提醒患者");
    EXPECT_EQ(out.level, 0);
    EXPECT_EQ(clockReads, 1);
}

TEST(FollowUpDates, DatesAcrossMonthsYearsAndLeapDays) {
    const struct {
        int32_t year, month, day;
        std::vector<Input> inputs;
        const wchar_t* heading;
        std::vector<const wchar_t*> dates;
    } rows[] = {
        {2024, 2, 28, {}, L"随访节点（以今天为基准，起始第 0 天，间隔 7 天，共 1 次）：", {L"2024-02-28"}},
        {2024,
         2,
         28,
         {{"start", 2}},
         L"随访节点（以今天为基准，起始第 2 天，间隔 7 天，共 1 次）：",
         {L"2024-03-01"}},
        {2023,
         2,
         28,
         {{"start", 1}, {"gap", 365}, {"times", 2}},
         L"随访节点（以今天为基准，起始第 1 天，间隔 365 天，共 2 次）：",
         {L"2023-03-01", L"2024-02-29"}},
        {2023,
         12,
         25,
         {{"start", 7}, {"gap", 0.5}, {"times", 2.9}},
         L"随访节点（以今天为基准，起始第 7 天，间隔 7 天，共 2 次）：",
         {L"2024-01-01", L"2024-01-08"}},
        {2024,
         3,
         1,
         {{"start", -1}, {"gap", -3}, {"times", -2}},
         L"随访节点（以今天为基准，起始第 -1 天，间隔 7 天，共 1 次）：",
         {L"2024-02-29"}},
        {2026,
         1,
         31,
         {{"start", 30}, {"gap", 30}, {"times", 3}},
         L"随访节点（以今天为基准，起始第 30 天，间隔 30 天，共 3 次）：",
         {L"2026-03-02", L"2026-04-01", L"2026-05-01"}},
        {2000,
         1,
         1,
         {{"start", kNaN}, {"gap", kInf}, {"times", 1}},
         L"随访节点（以今天为基准，起始第 -2147483648 天，间隔 7 天，共 1 次）：",
         {L"-5877611-06-22"}},
        // The last day far past the int32 range of days.
        {2000,
         1,
         1,
         {{"start", 2147483647}, {"gap", 2147483647}, {"times", 20}},
         L"随访节点（以今天为基准，起始第 2147483647 天，间隔 2147483647 天，共 20 次）：",
         {}},
    };
    for (const auto& row : rows) {
        FixedDate today(row.year, row.month, row.day);
        const std::vector<std::wstring> text = lines(compose(7, row.inputs).report);
        EXPECT_EQ(text.front(), row.heading);
        EXPECT_EQ(text.back() + L"\r\n", kFollowUpContent);
        for (size_t i = 0; i < row.dates.size(); ++i) {
            ASSERT_LT(i + 1, text.size());
            EXPECT_EQ(text[i + 1], L"第 " + std::to_wstring(i + 1) + L" 次：" + row.dates[i]);
        }
    }
    FixedDate today(2000, 1, 1);
    const std::vector<std::wstring> last =
        lines(compose(7, {{"start", 2147483647}, {"gap", 2147483647}, {"times", 20}}).report);
    ASSERT_EQ(last.size(), 22u);
    EXPECT_EQ(last[20], L"第 20 次：117594210-06-29");
}

TEST(FollowUpDates, TwentyVisitsAtMost) {
    FixedDate today(2024, 12, 31);
    const std::vector<std::wstring> text = lines(compose(7, {{"times", 25}}).report);
    ASSERT_EQ(text.size(), 22u);
    EXPECT_EQ(text[0], L"随访节点（以今天为基准，起始第 0 天，间隔 7 天，共 20 次）：");
    EXPECT_EQ(text[1], L"第 1 次：2024-12-31");
    EXPECT_EQ(text[20], L"第 20 次：2025-05-13");
}

TEST(InfusionCard, Cards) {
    const wchar_t tail[] = L"核对：药名/剂量/浓度/有效期/配伍；双人签名。\r\n"
                           L"观察：穿刺点、滴速、输注反应；每 30 分钟巡视并记录。\r\n";
    const struct {
        std::vector<Input> inputs;
        const wchar_t* middle;
    } rows[] = {
        {{}, L"床号：0\r\n药液：医嘱药量 0.00 ，加入溶媒 0 ml\r\n滴速：0 滴/分（约 0 ml/h）\r\n"},
        {{{"bed", 12.8}, {"dose", 2.5}, {"volume", 250}, {"gtt", 40}},
         L"床号：12\r\n药液：医嘱药量 2.50 ，加入溶媒 250 ml\r\n滴速：40 滴/分（约 120 ml/h）\r\n"},
        {{{"bed", -3e9}, {"dose", 1.006}, {"volume", 99.6}, {"gtt", 33.4}},
         L"床号：-2147483648\r\n药液：医嘱药量 1.01 ，加入溶媒 100 ml\r\n滴速：33 滴/分（约 100 ml/h）\r\n"},
    };
    for (const auto& row : rows) {
        const Outcome out = compose(10, row.inputs);
        EXPECT_EQ(out.report, std::wstring(L"静脉输液卡\r\n") + row.middle + tail);
        EXPECT_EQ(out.verdict, L"输液卡已生成，双人核对后执行");
        EXPECT_EQ(out.level, 0);
    }
}

TEST(CustomReport, GeneratorsDoNotAllocate) {
    if (!allocationCountingAvailable()) GTEST_SKIP() << "allocations not counted in this build";
    FixedDate today(2024, 2, 28);
    const InputField fields[] = {
        {"nurses", L"a", nullptr, 0.0},   {"days", L"a", nullptr, 0.0},  {"start", L"a", nullptr, 0.0},
        {"interval", L"a", nullptr, 0.0}, {"times", L"a", nullptr, 0.0}, {"kind", L"a", nullptr, 0.0},
        {"drugA", L"a", nullptr, 0.0},    {"drugB", L"a", nullptr, 0.0}, {"gap", L"a", nullptr, 0.0},
        {"beds", L"a", nullptr, 0.0},     {"bed", L"a", nullptr, 0.0},   {"dose", L"a", nullptr, 0.0},
        {"volume", L"a", nullptr, 0.0},   {"gtt", L"a", nullptr, 0.0},   {"panel", L"a", nullptr, 0.0},
    };
    // The largest reports: 40 x 31 roster, 30 doses, 20 visits, 30 beds; then hostile values.
    const double large[] = {40, 31, 7.5, 0.75, 45, 2, 9, 2, 3, 30, 12, 2.5, 250, 40, 1};
    const double huge[] = {1e300, -1e300, 1e300,  1e300,  1e300, -1e300, 1e300, -1e300,
                           1e300, 1e300,  -1e300, -1e300, 1e300, 1e300,  1e300};
    const ToolDef tool = {1, L"t", nullptr, L"c", L"r", nullptr, 15, fields, 0, nullptr, 0, nullptr, 1};
    static wchar_t report[8192];
    static wchar_t verdict[512];
    long counted[12][2] = {};
    for (int32_t kind = 0; kind <= 11; ++kind) {
        for (int set = 0; set < 2; ++set) {
            const double* values = set == 0 ? large : huge;
            startCountingAllocations();
            composeCustomReport(kind, &tool, values, report, 8192, verdict, 512);
            composeCustomReport(kind, &tool, values, report, 100, verdict, 512);
            counted[kind][set] = stopCountingAllocations();
        }
    }
    for (int32_t kind = 0; kind <= 11; ++kind) {
        EXPECT_EQ(counted[kind][0], 0) << "kind " << kind;
        EXPECT_EQ(counted[kind][1], 0) << "kind " << kind << ", huge values";
    }
}

// Every generator, with hostile values in each of its inputs and in all at
// once, at capacities from 1 up: always terminated within capacity, nothing
// touched beyond it, and the whole verdict.
TEST(CustomReport, HostileInputsAtEveryCapacity) {
    FixedDate today(2024, 2, 28);
    const struct {
        int32_t kind;
        std::vector<const char*> vars;
        const wchar_t* verdict;
    } kinds[] = {
        {1, {"nurses", "days"}, L"已生成轮转排班表，可复制到排班本或表格"},
        {2, {"start", "interval", "times"}, L"给药时间表已生成，注意首剂与夜间给药时间"},
        {3, {"kind"}, L"按标准顺序采血可减少溶血与交叉污染"},
        {4, {"kind"}, L"危急值必须闭环：报告、接收、处理、记录"},
        // No hostile value is a listed code.
        {5, {"kind"}, L"请核对类别编号"},
        {6, {"drugA", "drugB"}, L"未收录明确禁忌，仍需核对院内配伍表"},
        {7, {"start", "gap", "times"}, L"随访计划已生成，可按日期短信提醒患者"},
        {8, {"unused"}, L"三方核查缺一不可，签字后归档"},
        {9, {"beds"}, L"模板已生成，床旁交接并双方签名"},
        {10, {"bed", "dose", "volume", "gtt"}, L"输液卡已生成，双人核对后执行"},
        {11, {"panel"}, L"请核对套餐编号"},
    };
    const double hostile[] = {kNaN, kInf, -kInf, 1e300, -1e300, 2147483648.0, -2147483648.0, -0.0};
    const int32_t capacities[] = {1, 2, 3, 100, 4096, 8192};
    for (const auto& k : kinds) {
        for (double value : hostile) {
            // -1 puts the value into every input at once.
            for (int32_t target = -1; target < static_cast<int32_t>(k.vars.size()); ++target) {
                std::vector<Input> inputs;
                for (int32_t i = 0; i < static_cast<int32_t>(k.vars.size()); ++i)
                    inputs.push_back(Input{k.vars[i], target < 0 || target == i ? value : 2.0});
                for (int32_t capacity : capacities) {
                    SCOPED_TRACE(testing::Message() << "kind " << k.kind << " value " << value << " input "
                                                    << target << " capacity " << capacity);
                    const Outcome out = compose(k.kind, inputs, capacity, 21);
                    EXPECT_EQ(out.verdict, k.verdict);
                    EXPECT_LE(out.report.size(), static_cast<size_t>(capacity - 1));
                    if (capacity == 8192) {
                        ASSERT_GE(out.report.size(), 2u);
                        EXPECT_EQ(out.report.substr(out.report.size() - 2), L"\r\n");
                    }
                }
            }
        }
    }
}

} // namespace
