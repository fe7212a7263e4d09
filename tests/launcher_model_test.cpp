// The launcher's list: its order and what a search text leaves in it.
#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <string>
#include <vector>

#include "launcher/launcher_model.h"
#include "launcher/pinyin_initials.h"
#include "tools/suite.h"

namespace {

ToolDef tool(int32_t number, const wchar_t* name, const wchar_t* description, const wchar_t* category) {
    return {number, name, description, category, L"r", nullptr, 0, nullptr, 0, nullptr, 0, nullptr, 0};
}

// In build-list order: the categories first appear as 肾脏, 营养评估, 用药安全, 护理评估.
const ToolDef kTools[] = {
    tool(301, L"eGFR 估算", L"肾小球滤过率", L"肾脏"),
    tool(119, L"BMI 与体型判读", L"身高体重指数", L"营养评估"),
    tool(205, L"高警示药品", L"高警示药品类别", L"用药安全"),
    tool(302, L"Morse 跌倒风险", L"住院患者跌倒风险评估", L"护理评估"),
    tool(210, L"静脉输液卡", nullptr, L"用药安全"),
    tool(303, L"GCS 昏迷评分", L"格拉斯哥昏迷量表", L"护理评估"),
    tool(130, L"肌酐清除率", L"Cockcroft-Gault 公式", L"肾脏"),
};

std::vector<int32_t> numbersOf(const ToolDef* const* tools, int32_t count) {
    std::vector<int32_t> numbers;
    for (int32_t i = 0; i < count; ++i)
        numbers.push_back(tools[i]->number);
    return numbers;
}

TEST(Launcher, SearchTextLeavesTheseToolsInListOrder) {
    const ToolDef* tools[std::size(kTools)];
    for (size_t i = 0; i < std::size(kTools); ++i)
        tools[i] = &kTools[i];
    const ToolDef* ordered[kMaxLauncherTools];
    const int32_t count =
        orderTools(tools, static_cast<int32_t>(std::size(kTools)), ordered, kMaxLauncherTools);
    const std::vector<int32_t> all = {130, 301, 119, 205, 210, 302, 303};
    ASSERT_EQ(all, numbersOf(ordered, count));

    const struct {
        const wchar_t* search;
        std::vector<int32_t> shown;
        const wchar_t* status;
    } rows[] = {
        {L"", all, L"共 7 个工具"},
        {L" \t\x3000", all, L"共 7 个工具"},
        {L"egfr", {301}, L"找到 1 个工具"},
        {L"EGFR", {301}, L"找到 1 个工具"},
        {L"gCs", {303}, L"找到 1 个工具"},
        {L"301", {301}, L"找到 1 个工具"},
        {L"30", {130, 301, 302, 303}, L"找到 4 个工具"},
        {L"肾", {130, 301}, L"找到 2 个工具"},
        {L"\x3000跌倒\t ", {302}, L"找到 1 个工具"},
        {L"跌倒 风险", {}, L"找到 0 个工具"},
        {L"用药安全", {205, 210}, L"找到 2 个工具"},
        {L"cockcroft-GAULT", {130}, L"找到 1 个工具"},
        {L"评估", {119, 302, 303}, L"找到 3 个工具"},
        {L"ＧＣＳ", {}, L"找到 0 个工具"},
    };
    for (const auto& row : rows) {
        const ToolDef* shown[kMaxLauncherTools];
        const int32_t n = filterTools(ordered, count, row.search, shown, kMaxLauncherTools);
        EXPECT_EQ(row.shown, numbersOf(shown, n)) << row.search;
        wchar_t status[kLauncherStatusCapacity];
        composeLauncherStatus(row.search, n, status, kLauncherStatusCapacity);
        EXPECT_STREQ(row.status, status) << row.search;
    }
}

// The suite's list: every tool once, each category in one run, the runs in the
// order the categories first appear in the build list, numbers rising within.
TEST(Launcher, SuiteListedByBuildListCategoryThenNumber) {
    const ToolDef* tools[kSuiteToolCount];
    for (int32_t i = 0; i < kSuiteToolCount; ++i)
        tools[i] = &kSuiteTools[i].tool();
    const ToolDef* ordered[kMaxLauncherTools];
    ASSERT_EQ(kSuiteToolCount, orderTools(tools, kSuiteToolCount, ordered, kMaxLauncherTools));
    std::vector<std::wstring> categories;
    for (const SuiteTool& entry : kSuiteTools) {
        if (std::find(categories.begin(), categories.end(), entry.tool().category) == categories.end())
            categories.push_back(entry.tool().category);
    }
    std::vector<std::wstring> runs;
    for (int32_t i = 0; i < kSuiteToolCount; ++i) {
        if (runs.empty() || runs.back() != ordered[i]->category) {
            runs.push_back(ordered[i]->category);
        } else {
            EXPECT_LT(ordered[i - 1]->number, ordered[i]->number);
        }
        EXPECT_EQ(1, std::count(ordered, ordered + kSuiteToolCount, tools[i])) << tools[i]->number;
    }
    EXPECT_EQ(categories, runs);
}

TEST(Launcher, ListHeightHoldsWholeRowsOnly) {
    const struct {
        int32_t room, item, frame, height;
    } cases[] = {
        {490, 18, 4, 490}, {490, 19, 4, 479}, {490, 20, 4, 484}, {490, 0, 4, 490}, {3, 18, 4, 3},
    };
    for (const auto& c : cases)
        EXPECT_EQ(wholeRowsListHeight(c.room, c.item, c.frame), c.height) << c.room << " " << c.item;
}

TEST(Launcher, KeysOfTheBoxTheListAndAButton) {
    const struct {
        uint32_t message;
        uint64_t key;
        bool box, list, button;
        LauncherKey result;
    } cases[] = {
        {0x0100, 0x0D, true, false, false, LauncherKey::Open},
        {0x0100, 0x0D, false, true, false, LauncherKey::Open},
        {0x0100, 0x1B, false, true, false, LauncherKey::Clear},
        {0x0100, 0x26, true, false, false, LauncherKey::Up},
        {0x0100, 0x28, false, true, false, LauncherKey::None},
        {0x0100, 0x0D, false, false, true, LauncherKey::Press},
        {0x0100, 0x20, false, false, true, LauncherKey::None},
        {0x0101, 0x0D, false, false, true, LauncherKey::None},
        {0x0100, 0x0D, false, false, false, LauncherKey::None},
    };
    for (const auto& c : cases)
        EXPECT_EQ(launcherKeyOf(c.message, c.key, c.box, c.list, c.button), c.result) << std::hex << c.key;
}

// ---- 拼音首字母

// Every name and category with its initials as the library read the whole
// text when the table was generated (scripts/pinyin-initials.sh).
const struct {
    const wchar_t* text;
    const wchar_t* initials;
} kExpectedInitials[] = {
#include "tests/pinyin_initials_expected.inc"
};

std::wstring initialsOf(const wchar_t* text) {
    wchar_t initials[kListLineCapacity];
    composeInitials(text, initials, kListLineCapacity);
    return initials;
}

TEST(LauncherInitials, EveryNameAndCategoryOfTheSuite) {
    for (const SuiteTool& entry : kSuiteTools) {
        for (const wchar_t* text : {entry.tool().name, entry.tool().category}) {
            for (const wchar_t* c = text; *c != L'\0'; ++c)
                EXPECT_TRUE(!isHanCharacter(*c) || pinyinInitialOf(*c) != 0)
                    << entry.number << ": the initials table lacks U+" << std::hex << static_cast<int>(*c)
                    << "; run scripts/pinyin-initials.sh";
            const auto* row = std::find_if(std::begin(kExpectedInitials), std::end(kExpectedInitials),
                                           [&](const auto& r) { return std::wstring(r.text) == text; });
            if (row == std::end(kExpectedInitials)) {
                ADD_FAILURE() << entry.number
                              << ": a text the table was not generated from; run scripts/pinyin-initials.sh";
                continue;
            }
            EXPECT_EQ(initialsOf(text), row->initials) << entry.number;
        }
    }
    for (const auto& row : kExpectedInitials)
        EXPECT_EQ(initialsOf(row.text), row.initials);
}

TEST(LauncherInitials, ReadByTheWordAsTheTextStands) {
    const struct {
        const wchar_t* text;
        const wchar_t* initials;
    } cases[] = {
        {L"BMI 与体型判读", L"bmiytxpd"},
        {L"肌酐清除率", L"jgqcl"},
        {L"白蛋白校正血钙", L"bdbjzxg"}, // 校 alone reads xiao
        {L"重症评估", L"zzpg"},
        {L"长期", L"cq"},
        {L"静脉血栓风险", L"jmxsfx"},
        {L"剂量", L"jl"},
        {L"eGFR（CKD-EPI 2021）", L"egfr（ckd-epi2021）"},
        {L"\x3000QTc\t校正 ", L"qtcjz"},
        {L"校", L"x"},
        {L"", L""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(initialsOf(c.text), c.initials) << c.text;
    wchar_t cut[4];
    composeInitials(L"肌酐清除率", cut, 4);
    EXPECT_STREQ(L"jgq", cut);
}

// Queries on the suite: the tools each must find, and tools it must not.
TEST(LauncherInitials, QueriesFindTheirTools) {
    const struct {
        const wchar_t* search;
        std::vector<int32_t> found;
        std::vector<int32_t> notFound;
    } rows[] = {
        {L"jgqc", {322}, {}},
        {L"JGQCL", {322}, {}},
        {L"bmiytxpd", {119}, {}},
        {L" BmiYtx ", {119}, {}},
        {L"xs", {307, 317, 315, 316}, {119}},
        {L"xsfx", {307, 315, 316, 317}, {}},
        {L"jz", {324, 327, 333}, {342}},
        {L"xz", {}, {324, 327, 333}},
        {L"zzpg", {319, 342}, {}},
        {L"zz", {319}, {309, 343}},
        {L"czfx", {309, 385}, {}},
        {L"czlb", {343}, {}},
        {L"ycq", {421}, {}},
        {L"zycs", {422}, {}},
        {L"hlfj", {381}, {}},
        {L"cz", {}, {319, 342}},
        {L"hlpbb", {201}, {}},
        {L"gysjb", {202}, {}},
        {L"cxsx", {203}, {}},
        {L"jywjz", {204}, {}},
        {L"yyaq", {205, 206}, {}},
        {L"sypwcx", {206}, {}},
        {L"sfrq", {207}, {}},
        {L"ssaqhc", {208}, {}},
        {L"jbbgmb", {209}, {}},
        {L"jmsyk", {210}, {}},
        {L"ddfx", {302}, {}},
        {L"ylxss", {301}, {}},
        {L"hmpf", {305}, {}},
        {L"xlpg", {350, 351}, {}},
        {L"zggl", {369}, {321}},
        {L"egfr（zggl", {369}, {}},
        {L"wlbs", {361}, {}},
        {L"tpzjs", {370}, {}},
        {L"dnbn", {372}, {}},
        {L"qtcjz", {327}, {}},
        {L"jcnlxh", {332}, {}},
    };
    const ToolDef* tools[kSuiteToolCount];
    for (int32_t i = 0; i < kSuiteToolCount; ++i)
        tools[i] = &kSuiteTools[i].tool();
    const ToolDef* ordered[kMaxLauncherTools];
    const int32_t count = orderTools(tools, kSuiteToolCount, ordered, kMaxLauncherTools);
    for (const auto& row : rows) {
        const ToolDef* shown[kMaxLauncherTools];
        const std::vector<int32_t> numbers =
            numbersOf(shown, filterTools(ordered, count, row.search, shown, kMaxLauncherTools));
        for (int32_t number : row.found)
            EXPECT_EQ(1, std::count(numbers.begin(), numbers.end(), number))
                << row.search << " finds " << number << " once";
        for (int32_t number : row.notFound)
            EXPECT_EQ(0, std::count(numbers.begin(), numbers.end(), number))
                << row.search << " leaves out " << number;
        // In the list's order: each shown tool stands after the one before it.
        const ToolDef** at = ordered;
        for (int32_t i = 0; i < static_cast<int32_t>(numbers.size()); ++i) {
            at = std::find(at, ordered + count, shown[i]);
            EXPECT_NE(at, ordered + count) << row.search << ": out of order at " << numbers[i];
        }
    }
}

} // namespace
