// The generators whose content is computed from the inputs.
#include <cmath>
#include <cstdint>

#include "engine/calendar.h"
#include "engine/local_time.h"
#include "engine/text.h"
#include "reports/custom_report.h"

namespace {

// Clamps a truncated count; INT32_MIN (no truncation) falls under the lower limit.
int32_t clampCount(int32_t value, int32_t lowest, int32_t highest) {
    if (value < lowest) return lowest;
    if (value > highest) return highest;
    return value;
}

int32_t truncatedInput(const ToolDef* tool, const double* inputValues, const char* name) {
    return truncateToInt32(lookupInput(tool, inputValues, name));
}

constexpr wchar_t kShiftLetters[] = {L'D', L'N', L'R'};

constexpr const wchar_t* compatibilityDrugNames[] = {
    L"头孢曲松", L"葡萄糖酸钙", L"万古霉素", L"呋塞米",   L"氨溴索",
    L"奥美拉唑", L"维生素C",    L"胰岛素",   L"碳酸氢钠", L"多巴胺",
};
constexpr int32_t kDrugCount =
    static_cast<int32_t>(sizeof compatibilityDrugNames / sizeof compatibilityDrugNames[0]);

struct CompatibilityRule {
    int32_t lo;
    int32_t hi;
    const wchar_t* conclusion;
    const wchar_t* verdict;
    VerdictLevel level;
};

constexpr wchar_t kCalciumConclusion[] =
    L"结论：禁忌配伍。头孢曲松与含钙注射液可形成不溶性沉淀；钙剂与碳酸氢钠亦不宜同瓶。";
constexpr wchar_t kCalciumVerdict[] = L"禁忌：不可同瓶输注，需间隔冲管";
constexpr wchar_t kVancomycinConclusion[] =
    L"结论：不宜同瓶。万古霉素与碱性药物/奥美拉唑配伍稳定性差，应分开输注并冲管。";
constexpr wchar_t kVancomycinVerdict[] = L"不宜同瓶，分开输注并冲管";
constexpr wchar_t kAlkalineConclusion[] =
    L"结论：不宜同瓶。呋塞米与多巴胺、氨溴索与碱性液混合易发生理化变化。";
constexpr wchar_t kAlkalineVerdict[] = L"不宜同瓶，建议分开输注";

constexpr CompatibilityRule kCompatibilityRules[] = {
    {1, 2, kCalciumConclusion, kCalciumVerdict, kLevelContraindicated},
    {2, 9, kCalciumConclusion, kCalciumVerdict, kLevelContraindicated},
    {3, 6, kVancomycinConclusion, kVancomycinVerdict, kLevelWarning},
    {3, 9, kVancomycinConclusion, kVancomycinVerdict, kLevelWarning},
    {4, 10, kAlkalineConclusion, kAlkalineVerdict, kLevelWarning},
    {5, 9, kAlkalineConclusion, kAlkalineVerdict, kLevelWarning},
    {6, 7, L"结论：奥美拉唑与维生素C 同瓶 pH 冲突，稳定性下降，建议分开。", L"建议分开输注", kLevelAttention},
};
constexpr CompatibilityRule kCompatibilityNotRecorded = {
    0, 0, L"结论：本工具库内未收录该组合的明确禁忌，但仍须查本院配伍表并现配现用、注意冲管。",
    L"未收录明确禁忌，仍需核对院内配伍表", kLevelNormal};

const CompatibilityRule& compatibilityRule(int32_t lo, int32_t hi) {
    for (const CompatibilityRule& rule : kCompatibilityRules) {
        if (rule.lo == lo && rule.hi == hi) return rule;
    }
    return kCompatibilityNotRecorded;
}

// Whole hours and minutes, each truncated as the timetable's entries are;
// "%.0f" keeps an infinite start readable.
void formatStartTime(double start, wchar_t* text, int32_t capacity) {
    const double hours = std::trunc(start) + 0.0; // + 0.0: -0 reads as 0
    const int32_t minutes = std::isfinite(start) ? truncateToInt32((start - hours) * 60.0) : 0;
    formatText(text, capacity, L"%.0f:%02d", hours, minutes);
}

// "%.2f" without trailing zeros and point: 8 -> "8", 7.5 -> "7.5", 1/3 -> "0.33".
void formatInterval(double interval, wchar_t* text, int32_t capacity) {
    int32_t n = formatText(text, capacity, L"%.2f", interval);
    bool hasPoint = false;
    for (int32_t i = 0; i < n; ++i)
        hasPoint = hasPoint || text[i] == L'.';
    if (!hasPoint) return;
    while (n > 0 && text[n - 1] == L'0')
        text[--n] = 0;
    if (n > 0 && text[n - 1] == L'.') text[--n] = 0;
}

} // namespace

const wchar_t* compatibilityDrugName(int32_t number) {
    return number >= 1 && number <= kDrugCount ? compatibilityDrugNames[number - 1] : kUnlistedDrugName;
}

int32_t writeDutyRoster(const ToolDef* tool, const double* inputValues, wchar_t* reportText,
                        int32_t reportCapacity, wchar_t* verdictText, int32_t verdictCapacity) {
    const int32_t nurses = clampCount(truncatedInput(tool, inputValues, "nurses"), 1, 40);
    const int32_t days = clampCount(truncatedInput(tool, inputValues, "days"), 1, 31);
    appendReportText(reportText, reportCapacity,
                     L"排班规则：三班轮转（白班 D / 夜班 N / 休息 R），每日每班 1 人，按人员顺序滚动。");
    appendReportLine(reportText, reportCapacity, L"人员：%d 人；周期：%d 天", nurses, days);
    appendReportText(reportText, reportCapacity, L"");
    // A row depends on the nurse only through (p - 1) % 3: three rows are
    // rendered once, and each row goes in by one append, as every append
    // scans the report for its end. A row of 31 days takes 150 units.
    wchar_t rows[3][kReportLineCapacity];
    for (int32_t r = 0; r < 3; ++r) {
        int32_t length = copyText(rows[r], kReportLineCapacity, L"  ");
        for (int32_t d = 1; d <= days; ++d) {
            const int32_t shift = (r + 2 * (d - 1)) % 3;
            length += formatText(rows[r] + length, kReportLineCapacity - length, L"%d日%c ", d,
                                 static_cast<int>(kShiftLetters[shift]));
        }
        appendText(rows[r] + length, kReportLineCapacity - length, L"\r\n");
    }
    for (int32_t p = 1; p <= nurses; ++p) {
        wchar_t name[12];
        formatText(name, 12, L"护士%02d", p);
        appendReportLine(reportText, reportCapacity, L"%ls：", name);
        appendReportChunk(reportText, reportCapacity, rows[(p - 1) % 3]);
    }
    appendReportText(reportText, reportCapacity, L"");
    appendReportText(reportText, reportCapacity,
                     L"提示：连续夜班不超过 2 个，夜班后应安排休息；请按科室实际人数与能级调整。");
    copyText(verdictText, verdictCapacity, L"已生成轮转排班表，可复制到排班本或表格");
    return kLevelNormal;
}

int32_t writeDosingTimetable(const ToolDef* tool, const double* inputValues, wchar_t* reportText,
                             int32_t reportCapacity, wchar_t* verdictText, int32_t verdictCapacity) {
    double start = lookupInput(tool, inputValues, "start");
    double interval = lookupInput(tool, inputValues, "interval");
    const int32_t times = clampCount(truncatedInput(tool, inputValues, "times"), 1, 30);
    // NaN counts as below the limits, as it does for the truncated counts.
    if (!(start >= 0.0)) start = 0.0;
    if (!(interval > 0.0)) interval = 8.0;
    wchar_t startText[kReportLineCapacity];
    wchar_t intervalText[kReportLineCapacity];
    formatStartTime(start, startText, kReportLineCapacity);
    formatInterval(interval, intervalText, kReportLineCapacity);
    appendReportLine(reportText, reportCapacity, L"首剂时间 %ls，间隔 %ls 小时，共 %d 次：", startText,
                     intervalText, times);
    for (int32_t i = 0; i < times; ++i) {
        const double t = i * interval + start;
        const double h = std::fmod(t, 24.0);
        const int32_t hour = truncateToInt32(h);
        const int32_t minute = truncateToInt32((h - hour) * 60.0);
        // 1 + trunc can pass INT32_MAX.
        const int64_t day = 1 + int64_t{truncateToInt32(t / 24.0)};
        wchar_t entry[64];
        formatText(entry, 64, L"第%lld天 %02d:%02d", static_cast<long long>(day), hour, minute);
        appendReportChunk(reportText, reportCapacity, entry);
        if (i + 1 < times) appendReportChunk(reportText, reportCapacity, L"  |  ");
    }
    appendReportChunk(reportText, reportCapacity, L"\r\n");
    appendReportText(reportText, reportCapacity, L"说明：按等间隔给药；抗菌药物需结合半衰期与肾肝功能调整。");
    copyText(verdictText, verdictCapacity, L"给药时间表已生成，注意首剂与夜间给药时间");
    return kLevelNormal;
}

int32_t writeInfusionCompatibility(const ToolDef* tool, const double* inputValues, wchar_t* reportText,
                                   int32_t reportCapacity, wchar_t* verdictText, int32_t verdictCapacity) {
    const int32_t a = truncatedInput(tool, inputValues, "drugA");
    const int32_t b = truncatedInput(tool, inputValues, "drugB");
    appendReportLine(reportText, reportCapacity, L"待查：%d 号 %ls  +  %d 号 %ls", a,
                     compatibilityDrugName(a), b, compatibilityDrugName(b));
    appendReportText(reportText, reportCapacity, L"");
    appendReportText(reportText, reportCapacity, L"编号：1头孢曲松 2葡萄糖酸钙 3万古霉素 4呋塞米 5氨溴索");
    appendReportText(reportText, reportCapacity, L"      6奥美拉唑 7维生素C 8胰岛素 9碳酸氢钠 10多巴胺");
    appendReportText(reportText, reportCapacity, L"");
    const CompatibilityRule& rule = compatibilityRule(a < b ? a : b, a < b ? b : a);
    appendReportText(reportText, reportCapacity, rule.conclusion);
    copyText(verdictText, verdictCapacity, rule.verdict);
    return rule.level;
}

int32_t writeFollowUpDates(const ToolDef* tool, const double* inputValues, wchar_t* reportText,
                           int32_t reportCapacity, wchar_t* verdictText, int32_t verdictCapacity) {
    const int32_t start = truncatedInput(tool, inputValues, "start");
    int32_t gap = truncatedInput(tool, inputValues, "gap");
    if (gap < 1) gap = 7;
    const int32_t times = clampCount(truncatedInput(tool, inputValues, "times"), 1, 20);
    const LocalTime now = localTimeSource();
    const int64_t today = daysFromCivil(now.year, now.month, now.day);
    appendReportLine(reportText, reportCapacity,
                     L"随访节点（以今天为基准，起始第 %d 天，间隔 %d 天，共 %d 次）：", start, gap, times);
    for (int32_t i = 1; i <= times; ++i) {
        // In 64 bits: start and gap span the int32 range, today is far from both ends of int64.
        const int64_t visit = today + int64_t{start} + int64_t{i - 1} * gap;
        wchar_t date[32];
        formatDayNumber(visit, date, 32);
        appendReportLine(reportText, reportCapacity, L"第 %d 次：%ls", i, date);
    }
    appendReportText(reportText, reportCapacity,
                     L"内容：症状与体征、用药依从性、复查项目、并发症预警、是否需要提前复诊。");
    copyText(verdictText, verdictCapacity, L"随访计划已生成，可按日期短信提醒患者");
    return kLevelNormal;
}

int32_t writeInfusionCard(const ToolDef* tool, const double* inputValues, wchar_t* reportText,
                          int32_t reportCapacity, wchar_t* verdictText, int32_t verdictCapacity) {
    const int32_t bed = truncatedInput(tool, inputValues, "bed");
    const double dose = lookupInput(tool, inputValues, "dose");
    const double volume = lookupInput(tool, inputValues, "volume");
    const double gtt = lookupInput(tool, inputValues, "gtt");
    appendReportText(reportText, reportCapacity, L"静脉输液卡");
    appendReportLine(reportText, reportCapacity, L"床号：%d", bed);
    appendReportLine(reportText, reportCapacity, L"药液：医嘱药量 %.2f ，加入溶媒 %.0f ml", dose, volume);
    appendReportLine(reportText, reportCapacity, L"滴速：%.0f 滴/分（约 %.0f ml/h）", gtt, gtt * 3.0);
    appendReportText(reportText, reportCapacity, L"核对：药名/剂量/浓度/有效期/配伍；双人签名。");
    appendReportText(reportText, reportCapacity, L"观察：穿刺点、滴速、输注反应；每 30 分钟巡视并记录。");
    copyText(verdictText, verdictCapacity, L"输液卡已生成，双人核对后执行");
    return kLevelNormal;
}
