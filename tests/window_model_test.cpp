#include <gtest/gtest.h>

#include <cmath>
#include <cwchar>
#include <string>
#include <vector>

#include "engine/calculation.h"
#include "engine/local_time.h"
#include "engine/text.h"
#include "tools/suite.h"
#include "ui/window_model.h"

namespace {

constexpr uint32_t kChildVisible = 0x50000000;

std::wstring text(const wchar_t* t) {
    return t != nullptr ? std::wstring(t) : std::wstring(L"(null)");
}

ToolDef toolWith(const InputField* inputs, int32_t count) {
    ToolDef tool = builtinTool();
    tool.inputs = inputs;
    tool.inputCount = count;
    return tool;
}

TEST(WindowControls, TableOfTheBuiltInTool) {
    const struct {
        const wchar_t* className;
        uint32_t exStyle, style;
        int32_t x, y, width, height, id;
        FontRole font;
        const wchar_t* text;
        ControlSlot slot;
        int32_t slotIndex;
    } expected[] = {
        {L"STATIC", 0, 0x50000002, 24, 151, 184, 22, 0, FontRole::Label, L"身高", ControlSlot::None, 0},
        {L"EDIT", 0x200, 0x50000080, 216, 146, 152, 27, 2000, FontRole::Input, L"170", ControlSlot::InputEdit,
         0},
        {L"STATIC", 0, 0x50000000, 374, 150, 78, 22, 0, FontRole::Small, L"cm", ControlSlot::None, 0},
        {L"STATIC", 0, 0x50000002, 24, 185, 184, 22, 0, FontRole::Label, L"体重", ControlSlot::None, 0},
        {L"EDIT", 0x200, 0x50000080, 216, 180, 152, 27, 2001, FontRole::Input, L"65", ControlSlot::InputEdit,
         1},
        {L"STATIC", 0, 0x50000000, 374, 184, 78, 22, 0, FontRole::Small, L"kg", ControlSlot::None, 0},
        {L"STATIC", 0, 0x50000000, 492, 142, 492, 46, 0, FontRole::Verdict, L"填写左侧参数，点击“计算”",
         ControlSlot::VerdictLabel, 0},
        {L"EDIT", 0x200, 0x50200844, 492, 196, 492, 232, 3000, FontRole::Report, L"", ControlSlot::ResultEdit,
         0},
        {L"EDIT", 0, 0x50000804, 492, 444, 492, 120, 0, FontRole::Small,
         L"运动员、水肿、妊娠、肌肉减少人群需结合人体成分判断。", ControlSlot::CautionLabel, 0},
        {L"STATIC", 0, 0x50000000, 492, 576, 492, 56, 0, FontRole::Small,
         L"参考依据：《中国成人超重和肥胖症预防控制指南》", ControlSlot::None, 0},
        {L"BUTTON", 0, 0x5000000B, 20, 668, 152, 40, 1001, FontRole::None, L"计算 (F5)",
         ControlSlot::CalculateButton, 0},
        {L"BUTTON", 0, 0x5000000B, 184, 668, 132, 40, 1002, FontRole::None, L"保存记录",
         ControlSlot::SaveButton, 0},
        {L"BUTTON", 0, 0x5000000B, 328, 668, 132, 40, 1003, FontRole::None, L"复制结果",
         ControlSlot::CopyButton, 0},
        {L"BUTTON", 0, 0x5000000B, 472, 668, 132, 40, 1004, FontRole::None, L"清空重填",
         ControlSlot::ResetButton, 0},
        {L"BUTTON", 0, 0x5000000B, 616, 668, 110, 40, 1005, FontRole::None, L"关于", ControlSlot::AboutButton,
         0},
    };
    static ControlTable table;
    buildControlTable(builtinTool(), table);
    const int32_t count = static_cast<int32_t>(sizeof expected / sizeof expected[0]);
    ASSERT_EQ(table.count, count);
    for (int32_t i = 0; i < count; ++i) {
        SCOPED_TRACE(i);
        const ControlRow& c = table.controls[i];
        EXPECT_EQ(text(c.className), expected[i].className);
        EXPECT_EQ(c.exStyle, expected[i].exStyle);
        EXPECT_EQ(c.style, expected[i].style);
        EXPECT_EQ(c.x, expected[i].x);
        EXPECT_EQ(c.y, expected[i].y);
        EXPECT_EQ(c.width, expected[i].width);
        EXPECT_EQ(c.height, expected[i].height);
        EXPECT_EQ(c.id, expected[i].id);
        EXPECT_EQ(c.font, expected[i].font);
        EXPECT_EQ(text(c.text), expected[i].text);
        EXPECT_EQ(c.slot, expected[i].slot);
        EXPECT_EQ(c.slotIndex, expected[i].slotIndex);
        // Only the input boxes and the caution get their text after their font.
        EXPECT_EQ(c.textAfterFont, c.slot == ControlSlot::InputEdit || c.slot == ControlSlot::CautionLabel);
        // No tab stops or groups: Tab does not move the focus.
        EXPECT_EQ(c.style & 0x00030000u, 0u);
    }
}

TEST(WindowControls, UnitLabelOnlyForAPresentUnit) {
    const InputField inputs[] = {
        {"a", L"甲", nullptr, 1.0},
        {"b", L"乙", L"", 0.5},
        {"c", L"丙", L"mg", 0.00001},
    };
    const ToolDef tool = toolWith(inputs, 3);
    static ControlTable table;
    buildControlTable(tool, table);
    // Rows a and b have label and box only; row c has its unit; then 4 + 5.
    ASSERT_EQ(table.count, 2 + 2 + 3 + 9);
    EXPECT_EQ(text(table.controls[1].text), L"1");
    EXPECT_EQ(text(table.controls[3].text), L"0.5");
    EXPECT_EQ(table.controls[2].y, 150 + 34 + 1); // the second row's label follows the first box
    EXPECT_EQ(table.controls[4].y, 150 + 68 + 1);
    EXPECT_EQ(text(table.controls[5].text), L"1e-05");
    EXPECT_EQ(text(table.controls[6].text), L"mg");
    EXPECT_EQ(table.controls[6].y, 150 + 68);
    EXPECT_EQ(table.controls[5].id, 2002);
}

TEST(WindowControls, AChoiceInputIsAListWithoutUnit) {
    constexpr InputChoice choices[] = {{-5, L"不可唤醒"}, {0, L"清醒平静"}, {2.5, L"躁动"}};
    const InputField inputs[] = {
        {"a", L"甲", L"mg", 1.0},
        {"b", L"乙", nullptr, 2.5, countOf(choices), choices},
        {"c", L"丙", nullptr, 7.0, countOf(choices), choices}, // not a choice: the first is shown
    };
    static ControlTable table;
    buildControlTable(toolWith(inputs, 3), table);
    ASSERT_EQ(table.count, 3 + 2 + 2 + 4 + 5);
    const ControlRow& list = table.controls[4];
    EXPECT_EQ(text(list.className), L"COMBOBOX");
    EXPECT_EQ(list.style, 0x50200003u); // CBS_DROPDOWNLIST | WS_VSCROLL
    EXPECT_EQ(
        (std::vector<int32_t>{list.x, list.y, list.width, list.id, static_cast<int32_t>(list.slot),
                              static_cast<int32_t>(list.font)}),
        (std::vector<int32_t>{216, 150 + 34 - 4, 236, 2001, static_cast<int32_t>(ControlSlot::InputList),
                              static_cast<int32_t>(FontRole::Input)}));
    EXPECT_EQ(table.controls[5].y, 150 + 68 + 1); // the next row's label: no unit label between
    EXPECT_EQ(defaultChoiceIndex(inputs[1]), 2);
    EXPECT_EQ(defaultChoiceIndex(inputs[2]), 0);

    // A list reads its selected item, out of range its default; the boxes read their texts.
    const wchar_t* texts[] = {L"3", L"", L"x"};
    const struct {
        int32_t selections[3];
        double values[3];
    } cases[] = {{{-1, 0, 1}, {3, -5, 0}}, {{-1, -1, 3}, {3, 2.5, -5}}, {{-1, 2, 2}, {3, 2.5, 2.5}}};
    for (const auto& c : cases) {
        double values[3] = {};
        EXPECT_EQ(readInputValues(toolWith(inputs, 3), texts, c.selections, values), -1);
        for (int32_t i = 0; i < 3; ++i)
            EXPECT_EQ(values[i], c.values[i]) << i;
    }
}

TEST(WindowControls, NoCautionShowsAnEmptyLabel) {
    ToolDef tool = builtinTool();
    tool.caution = nullptr;
    static ControlTable table;
    buildControlTable(tool, table);
    bool found = false;
    for (int32_t i = 0; i < table.count; ++i) {
        if (table.controls[i].slot != ControlSlot::CautionLabel) continue;
        found = true;
        EXPECT_EQ(text(table.controls[i].text), L"");
    }
    EXPECT_TRUE(found);
    EXPECT_EQ(text(cautionText(tool)), L"");
    EXPECT_EQ(text(cautionText(builtinTool())), text(builtinTool().caution));
}

TEST(WindowControls, RowsBeyondTheStateSlotsAreLeftOut) {
    InputField inputs[kMaxInputs + 4];
    for (InputField& f : inputs)
        f = {"x", L"项", L"u", 1.0};
    static ControlTable table;
    buildControlTable(toolWith(inputs, kMaxInputs + 4), table);
    EXPECT_EQ(table.count, kMaxInputs * 3 + 9);
    EXPECT_EQ(table.controls[kMaxInputs * 3 - 2].id, kFirstInputId + kMaxInputs - 1);
    EXPECT_EQ(shownInputCount(toolWith(inputs, kMaxInputs + 4)), kMaxInputs);
    EXPECT_EQ(shownInputCount(toolWith(inputs, -1)), 0);
    EXPECT_EQ(inputRowTop(14, 15), 150 + 34 * 14);
    // The last box of a full panel ends inside the panel, which ends at 648.
    const ControlRow& lastBox = table.controls[kMaxInputs * 3 - 2];
    EXPECT_LE(lastBox.y + lastBox.height, 648);
}

TEST(WindowControls, DefaultTextsUseSixSignificantDigits) {
    const struct {
        double value;
        const wchar_t* text;
    } cases[] = {
        {170, L"170"},          {65, L"65"},         {0.5, L"0.5"},       {1234567, L"1.23457e+06"},
        {0.00001, L"1e-05"},    {0.0001, L"0.0001"}, {123456, L"123456"}, {-2.5, L"-2.5"},
        {1.0 / 3, L"0.333333"}, {0, L"0"},           {1e300, L"1e+300"},  {999999.5, L"1e+06"},
    };
    for (const auto& c : cases) {
        wchar_t buffer[kDefaultTextCapacity];
        formatDefaultText(c.value, buffer, kDefaultTextCapacity);
        EXPECT_EQ(std::wstring(buffer), c.text) << c.value;
    }
}

TEST(WindowKeys, EnterAndF5InAChildRunCalculate) {
    const struct {
        uint32_t message;
        uint64_t key;
        bool child;
        bool calculates;
    } cases[] = {
        {0x0100, 0x0D, true, true},     {0x0100, 0x74, true, true},  {0x0100, 0x0D, false, false},
        {0x0100, 0x74, false, false},   {0x0101, 0x0D, true, false}, {0x0102, 0x0D, true, false},
        {0x0104, 0x74, true, false},    {0x0100, 0x73, true, false}, {0x0100, 0x20, true, false},
        {0x0100, 0x1000D, true, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(isCalculateKey(c.message, c.key, c.child), c.calculates)
            << std::hex << c.message << " " << c.key << " " << c.child;
        EXPECT_FALSE(isCalculateKey(c.message, c.key, c.child, true)) << "a dropped list keeps the keys";
    }
}

const ToolDef& suiteTool(int32_t number) {
    for (const SuiteTool& t : kSuiteTools)
        if (t.number == number) return t.tool();
    return builtinTool();
}

// 342 has sixteen inputs, lists among them; 305 only lists; 208 none.
TEST(WindowKeys, TabOrderIsTheInputsThenTheButtons) {
    const struct {
        int32_t tool;
        int32_t inputs;
    } cases[] = {{342, 16}, {305, 3}, {208, 0}, {119, 2}};
    for (const auto& c : cases) {
        TabOrder order;
        buildTabOrder(suiteTool(c.tool), order);
        std::vector<int32_t> expected;
        for (int32_t i = 0; i < c.inputs; ++i)
            expected.push_back(2000 + i);
        for (int32_t id : {1001, 1002, 1003, 1004, 1005})
            expected.push_back(id);
        EXPECT_EQ(std::vector<int32_t>(order.ids, order.ids + order.count), expected) << c.tool;
    }
}

TEST(WindowKeys, TabAndShiftTabWrapAround) {
    const struct {
        int32_t at, count, step, next;
    } cases[] = {
        {0, 21, 1, 1},  {15, 21, 1, 16},  {20, 21, 1, 0}, {0, 21, -1, 20}, {16, 21, -1, 15},
        {-1, 21, 1, 0}, {-1, 21, -1, 20}, {21, 21, 1, 0}, {4, 5, 1, 0},    {0, 5, -1, 4},
        {0, 1, 1, 0},   {0, 1, -1, 0},    {-1, 0, 1, -1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(nextTabStop(c.at, c.count, c.step), c.next)
            << c.at << " of " << c.count << " by " << c.step;
    // Sixteen inputs: fifteen Tabs reach the last, the next Calculate, five more wrap to the first.
    TabOrder order;
    buildTabOrder(suiteTool(342), order);
    int32_t at = 0;
    for (int32_t i = 0; i < 15; ++i)
        at = nextTabStop(at, order.count, 1);
    EXPECT_EQ(order.ids[at], 2015);
    at = nextTabStop(at, order.count, 1);
    EXPECT_EQ(order.ids[at], 1001);
    for (int32_t i = 0; i < 5; ++i)
        at = nextTabStop(at, order.count, 1);
    EXPECT_EQ(order.ids[at], 2000);
}

TEST(WindowKeys, TabKeyInTheWindowOnly) {
    const struct {
        uint32_t message;
        uint64_t key;
        bool inWindow, shift;
        int32_t step;
    } cases[] = {
        {0x0100, 0x09, true, false, 1}, {0x0100, 0x09, true, true, -1}, {0x0100, 0x09, false, false, 0},
        {0x0101, 0x09, true, false, 0}, {0x0102, 0x09, true, false, 0}, {0x0100, 0x0D, true, false, 0},
        {0x0104, 0x09, true, false, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(tabStepOf(c.message, c.key, c.inWindow, c.shift), c.step)
            << std::hex << c.message << " " << c.key;
}

TEST(WindowInput, TextsReadAsWcstodReadsThem) {
    const struct {
        const wchar_t* text;
        double value;
    } cases[] = {
        {L"170", 170}, {L"12abc", 12}, {L"1,5", 1},       {L" 1.5e2", 150}, {L"abc", 0},
        {L"", 0},      {L"   ", 0},    {L"-0.25", -0.25}, {L"0x10", 16},    {L"\t7", 7},
        {L"+3.", 3},   {L".5", 0.5},   {L"1e", 1},        {L"中文", 0},     {L"65 kg", 65},
    };
    for (const auto& c : cases)
        EXPECT_EQ(inputValueFromText(c.text), c.value) << text(c.text);
    const wchar_t* notFinite[] = {L"inf", L"INF", L"1e999",     L"-1e999",
                                  L"nan", L"NaN", L" infinity", L"nan(1)"};
    for (const wchar_t* t : notFinite)
        EXPECT_FALSE(std::isfinite(inputValueFromText(t))) << text(t);
}

TEST(WindowInput, OnlyTheFirst127UnitsCount) {
    std::wstring spaces(126, L' ');
    EXPECT_EQ(inputValueFromText((spaces + L"57").c_str()), 5);
    EXPECT_EQ(inputValueFromText((spaces + L"5").c_str()), 5);
    EXPECT_EQ(inputValueFromText((std::wstring(127, L' ') + L"5").c_str()), 0);
    std::wstring digits(127, L'1');
    EXPECT_EQ(inputValueFromText((digits + L"e999").c_str()), std::wcstod(digits.c_str(), nullptr));
}

TEST(WindowInput, ReadingStopsAtTheFirstValueThatIsNotFinite) {
    const InputField inputs[] = {
        {"a", L"甲", nullptr, 0}, {"b", L"乙", nullptr, 0}, {"c", L"丙", nullptr, 0}};
    const ToolDef tool = toolWith(inputs, 3);
    const struct {
        const wchar_t* texts[3];
        int32_t rejected;
        double values[3]; // -99: untouched
    } cases[] = {
        {{L"1", L"2", L"3"}, -1, {1, 2, 3}},
        {{L"inf", L"2", L"3"}, 0, {INFINITY, -99, -99}},
        {{L"1", L"1e999", L"3"}, 1, {1, INFINITY, -99}},
        {{L"", L"x", L"nan"}, 2, {0, 0, NAN}},
    };
    for (const auto& c : cases) {
        double values[3] = {-99, -99, -99};
        EXPECT_EQ(readInputValues(tool, c.texts, values), c.rejected);
        for (int i = 0; i < 3; ++i) {
            if (std::isnan(c.values[i]))
                EXPECT_TRUE(std::isnan(values[i])) << i;
            else
                EXPECT_EQ(values[i], c.values[i]) << i;
        }
    }
}

LocalTime fixedClock() {
    return {2026, 12, 8, 23, 59, 59};
}

// A date box reads the date reader's forms and shows YYYY-MM-DD; a fillToday box starts at today.
TEST(WindowInput, DateBoxesReadAndShowDates) {
    const InputField inputs[] = {
        {"n", L"周期", L"天", 28},
        {"lmp", L"末次月经", L"年-月-日", 20517, 0, nullptr, 0, 1e5, true},
        {"today", L"评估日期", L"年-月-日", 20517, 0, nullptr, 0, 1e5, true, true},
    };
    const ToolDef tool = toolWith(inputs, 3);
    const struct {
        const wchar_t* texts[3];
        int32_t rejected;
        double lmp;
    } cases[] = {
        {{L"28", L"2026-03-05", L"2026年12月8日"}, -1, 20517},
        {{L"28", L" 2026/3/5 ", L"20261208"}, -1, 20517},
        {{L"28", L"2026-02-29", L"20261208"}, 1, NAN},
        {{L"28", L"20517", L"20261208"}, 1, NAN},
        {{L"28", L"2026-03-05", L""}, 2, 20517},
    };
    for (const auto& c : cases) {
        double values[3] = {-99, -99, -99};
        EXPECT_EQ(readInputValues(tool, c.texts, values), c.rejected) << text(c.texts[1]);
        if (std::isnan(c.lmp))
            EXPECT_TRUE(std::isnan(values[1]));
        else
            EXPECT_EQ(values[1], c.lmp);
    }
    wchar_t message[kMessageTextCapacity];
    composeInputError(tool, 1, message, kMessageTextCapacity);
    EXPECT_EQ(std::wstring(message), L"第 2 项“末次月经”请按 年-月-日 输入日期，如 2026-12-08。");

    const LocalTimeSource saved = localTimeSource;
    localTimeSource = fixedClock;
    ControlTable table;
    buildControlTable(tool, table);
    localTimeSource = saved;
    EXPECT_EQ(std::wstring(table.defaultTexts[0]), L"28");
    EXPECT_EQ(std::wstring(table.defaultTexts[1]), L"2026-03-05");
    EXPECT_EQ(std::wstring(table.defaultTexts[2]), L"2026-12-08");
    wchar_t shown[kDefaultTextCapacity];
    formatInputText(inputs[1], 20517.9, shown, kDefaultTextCapacity);
    EXPECT_EQ(std::wstring(shown), L"2026-03-05");
}

TEST(WindowInput, ErrorMessageNamesTheField) {
    wchar_t message[kMessageTextCapacity];
    composeInputError(builtinTool(), 0, message, kMessageTextCapacity);
    EXPECT_EQ(std::wstring(message), L"第 1 项“身高”请输入数字。");
    composeInputError(builtinTool(), 1, message, kMessageTextCapacity);
    EXPECT_EQ(std::wstring(message), L"第 2 项“体重”请输入数字。");
}

TEST(WindowCalculate, DefaultsGiveTheCopyTextAndStatus) {
    const double inputs[] = {170, 65};
    wchar_t report[kReportTextCapacity], verdict[kVerdictTextCapacity], copy[8192];
    int32_t level = -1;
    runCalculation(builtinTool(), inputs, report, kReportTextCapacity, verdict, kVerdictTextCapacity, &level,
                   copy, 8192);
    wchar_t copyText[1024];
    composeCopyText(builtinTool(), report, verdict, copyText, 1024);
    EXPECT_EQ(
        std::wstring(copyText),
        L"BMI：22.49 kg/m2\r\n理想体重：65.0 kg\r\n与理想体重差：0.0 %\r\n—— 体重正常，保持均衡饮食与运动");
    wchar_t clipboard[2048];
    const int32_t capacity = clipboardTextCapacity(builtinTool(), copyText);
    ASSERT_LE(capacity, 2048);
    composeClipboardText(builtinTool(), copyText, clipboard, capacity);
    EXPECT_EQ(std::wstring(clipboard),
              L"BMI 与体型判读\r\nBMI：22.49 kg/m2\r\n理想体重：65.0 kg\r\n与理想体重差：0.0 "
              L"%\r\n—— 体重正常，保持均衡饮食与运动");
    wchar_t status[256];
    composeCalculatedStatus(builtinTool(), status, 256);
    EXPECT_EQ(std::wstring(status), L"计算完成  BMI 与体型判读");
    EXPECT_TRUE(hasResult(copy));
    EXPECT_FALSE(hasResult(L""));
}

TEST(WindowCalculate, CopyTextHoldsTheWholeCustomReport) {
    const std::wstring longest(kReportTextCapacity - 1, L'报');
    ToolDef custom = builtinTool();
    custom.reportKind = report_kind::DutyRoster;
    static wchar_t copyText[kCopyTextCapacity];
    composeCopyText(custom, longest.c_str(), L"判读", copyText, kCopyTextCapacity);
    EXPECT_EQ(std::wstring(copyText), longest);
    // A custom report's copy text carries no verdict.
    composeCopyText(custom, L"短报告\r\n", L"判读", copyText, kCopyTextCapacity);
    EXPECT_EQ(std::wstring(copyText), L"短报告\r\n");
    composeCopyText(builtinTool(), longest.c_str(), L"判读", copyText, kCopyTextCapacity);
    EXPECT_EQ(std::wstring(copyText), longest);
    composeCopyText(builtinTool(), L"", L"判读", copyText, kCopyTextCapacity);
    EXPECT_EQ(std::wstring(copyText), L"—— 判读");
}

// The longest report, a roster of 40 nurses over 31 days, through the
// window's buffers: report box, stored copy and clipboard text keep it whole.
TEST(WindowCalculate, LongestReportStandsWholeOnItsWayToTheClipboard) {
    const ToolDef& roster = *[] {
        for (const SuiteTool& t : kSuiteTools)
            if (t.tool().reportKind == report_kind::DutyRoster) return &t.tool();
        return &builtinTool();
    }();
    ASSERT_EQ(roster.reportKind, report_kind::DutyRoster);
    const double inputs[kMaxInputs] = {40, 31};
    static wchar_t report[kReportTextCapacity], verdict[kVerdictTextCapacity], stored[kReportCopyCapacity];
    int32_t level = -1;
    runCalculation(roster, inputs, report, kReportTextCapacity, verdict, kVerdictTextCapacity, &level, stored,
                   kReportCopyCapacity);
    const std::wstring whole = report;
    ASSERT_EQ(whole.size(), 6390u);
    EXPECT_NE(whole.find(L"护士40："), std::wstring::npos);
    EXPECT_EQ(whole.substr(whole.size() - 5), L"调整。\r\n");
    EXPECT_EQ(std::wstring(stored), whole);
    static wchar_t copyText[kCopyTextCapacity];
    composeCopyText(roster, report, verdict, copyText, kCopyTextCapacity);
    static wchar_t block[kCopyTextCapacity + 64];
    const int32_t capacity = clipboardTextCapacity(roster, copyText);
    ASSERT_LE(capacity, kCopyTextCapacity + 64);
    composeClipboardText(roster, copyText, block, capacity);
    EXPECT_EQ(std::wstring(block), std::wstring(L"护理排班表\r\n") + whole);
}

TEST(WindowCopy, TheClipboardBlockHoldsTheWholeText) {
    const std::wstring longCopy(1023, L'字');
    ToolDef tool = builtinTool();
    const std::wstring longName(300, L'名');
    tool.name = longName.c_str();
    static wchar_t block[4096];
    const int32_t capacity = clipboardTextCapacity(tool, longCopy.c_str());
    EXPECT_EQ(capacity, 1023 + 300 + 16);
    composeClipboardText(tool, longCopy.c_str(), block, capacity);
    EXPECT_EQ(std::wstring(block), longName + L"\r\n" + longCopy);
}

TEST(WindowAbout, TextOfTheBuiltInTool) {
    wchar_t about[kAboutTextCapacity];
    composeAboutText(builtinTool(), about, kAboutTextCapacity);
    EXPECT_EQ(std::wstring(about), L"BMI 与体型判读\r\n"
                                   L"\r\n"
                                   L"分类：营养评估\r\n"
                                   L"参考依据：《中国成人超重和肥胖症预防控制指南》\r\n"
                                   L"\r\n"
                                   L"本工具为临床辅助计算/记录工具，结果不能替代医师诊疗判断，\r\n"
                                   L"具体用药与处置请结合患者实际情况及本院规范执行。\r\n"
                                   L"\r\n"
                                   L"版本 V1.0    官网：tavomed.cn");
}

TEST(WindowAbout, LongTextsAreCutAt1399Units) {
    ToolDef tool = builtinTool();
    const std::wstring longText(2000, L'长');
    tool.name = longText.c_str();
    wchar_t about[kAboutTextCapacity + 1];
    about[kAboutTextCapacity] = L'#';
    composeAboutText(tool, about, kAboutTextCapacity);
    EXPECT_EQ(std::wstring(about), std::wstring(1399, L'长'));
    EXPECT_EQ(about[kAboutTextCapacity], L'#');
}

TEST(WindowPaint, SubtitleWithAndWithoutDescription) {
    wchar_t subtitle[kSubtitleCapacity];
    composeSubtitle(builtinTool(), subtitle, kSubtitleCapacity);
    EXPECT_EQ(std::wstring(subtitle), L"营养评估  \u00B7  身高体重指数及中国成人分级");
    ToolDef tool = builtinTool();
    tool.description = nullptr;
    composeSubtitle(tool, subtitle, kSubtitleCapacity);
    EXPECT_EQ(std::wstring(subtitle), L"营养评估  \u00B7  ");
}

TEST(WindowPaint, PlanOfTheFixedClientArea) {
    const struct {
        PaintKind kind;
        int32_t x, y, width, height;
        Colour colour;
        FontRole font;
        uint32_t flags;
        const wchar_t* text;
    } expected[] = {
        {PaintKind::Fill, 0, 0, 1020, 720, {244, 247, 249}, FontRole::None, 0, nullptr},
        {PaintKind::Fill, 0, 0, 1020, 88, {0, 108, 150}, FontRole::None, 0, nullptr},
        {PaintKind::Fill, 0, 0, 8, 88, {0, 132, 176}, FontRole::None, 0, nullptr},
        {PaintKind::Text, 26, 12, 700, 38, {255, 255, 255}, FontRole::Title, 0, L"BMI 与体型判读"},
        {PaintKind::Text,
         28,
         48,
         720,
         28,
         {214, 236, 246},
         FontRole::Heading,
         0,
         L"营养评估  ·  身高体重指数及中国成人分级"},
        {PaintKind::Text, 780, 8, 214, 26, {190, 220, 235}, FontRole::Small, 2, L"tavomed.cn"},
        {PaintKind::Fill, 20, 96, 440, 552, {255, 255, 255}, FontRole::None, 0, nullptr},
        {PaintKind::Frame, 20, 96, 440, 552, {218, 226, 232}, FontRole::None, 0, nullptr},
        {PaintKind::Fill, 476, 96, 524, 552, {255, 255, 255}, FontRole::None, 0, nullptr},
        {PaintKind::Frame, 476, 96, 524, 552, {218, 226, 232}, FontRole::None, 0, nullptr},
        {PaintKind::Text, 36, 104, 300, 30, {0, 108, 150}, FontRole::Heading, 0, L"输入参数"},
        {PaintKind::Text, 492, 104, 300, 30, {0, 108, 150}, FontRole::Heading, 0, L"计算结果"},
        {PaintKind::Fill, 36, 133, 408, 1, {228, 234, 238}, FontRole::None, 0, nullptr},
        {PaintKind::Fill, 492, 133, 492, 1, {228, 234, 238}, FontRole::None, 0, nullptr},
        {PaintKind::Fill, 0, 660, 1020, 60, {236, 241, 244}, FontRole::None, 0, nullptr},
        {PaintKind::Text, 740, 704, 264, 16, {120, 132, 142}, FontRole::Small, 2, L"状态"},
    };
    static_assert(sizeof expected / sizeof expected[0] == kPaintStepCount, "one row per step");
    static PaintPlan plan;
    buildPaintPlan(builtinTool(), L"状态", kClientWidth, kClientHeight, plan);
    for (int32_t i = 0; i < kPaintStepCount; ++i) {
        SCOPED_TRACE(i);
        const PaintStep& s = plan.steps[i];
        EXPECT_EQ(s.kind, expected[i].kind);
        EXPECT_EQ(s.x, expected[i].x);
        EXPECT_EQ(s.y, expected[i].y);
        EXPECT_EQ(s.width, expected[i].width);
        EXPECT_EQ(s.height, expected[i].height);
        EXPECT_TRUE(s.colour == expected[i].colour);
        if (s.kind != PaintKind::Text) continue;
        EXPECT_EQ(s.font, expected[i].font);
        EXPECT_EQ(s.extraFlags, expected[i].flags);
        EXPECT_EQ(text(s.text), expected[i].text);
    }
    // The right-hand texts follow the client width.
    buildPaintPlan(builtinTool(), L"", 800, 600, plan);
    EXPECT_EQ(plan.steps[5].x, 560);
    EXPECT_EQ(plan.steps[14].height, 600 - 660);
}

TEST(WindowColours, VerdictFollowsTheLevelOnly) {
    const struct {
        int32_t level;
        Colour colour;
    } cases[] = {
        {0, {0, 128, 96}}, {1, {176, 132, 0}}, {2, {214, 108, 0}},        {3, {190, 30, 45}},
        {4, {0, 128, 96}}, {-1, {0, 128, 96}}, {INT32_MIN, {0, 128, 96}},
    };
    for (const auto& c : cases) {
        EXPECT_TRUE(verdictColour(c.level) == c.colour) << c.level;
        EXPECT_TRUE(staticTextColour(StaticRole::Verdict, c.level) == c.colour) << c.level;
        EXPECT_TRUE(staticTextColour(StaticRole::Content, c.level) == (Colour{44, 56, 66}));
        EXPECT_TRUE(staticTextColour(StaticRole::Muted, c.level) == (Colour{120, 132, 142}));
    }
}

TEST(WindowColours, CalculateStandsOutAmongTheButtons) {
    const struct {
        int32_t id;
        Colour fill, pressed, outline, caption;
    } cases[] = {
        {1001, {0, 122, 168}, {0, 100, 138}, {0, 106, 148}, {255, 255, 255}},
        {1002, {255, 255, 255}, {226, 234, 240}, {206, 216, 224}, {44, 56, 66}},
        {1005, {255, 255, 255}, {226, 234, 240}, {206, 216, 224}, {44, 56, 66}},
        {0, {255, 255, 255}, {226, 234, 240}, {206, 216, 224}, {44, 56, 66}},
    };
    for (const auto& c : cases) {
        const ButtonColours b = buttonColours(c.id);
        EXPECT_TRUE(b.fill == c.fill && b.pressedFill == c.pressed && b.outline == c.outline &&
                    b.caption == c.caption)
            << c.id;
    }
}

TEST(WindowFonts, TableInCreationOrder) {
    const struct {
        FontRole role;
        const wchar_t* face;
        int32_t height, weight;
    } expected[] = {
        {FontRole::Title, L"Microsoft YaHei UI", -27, 700},
        {FontRole::Heading, L"Microsoft YaHei UI", -14, 400},
        {FontRole::Label, L"Microsoft YaHei UI", -14, 400},
        {FontRole::Input, L"Microsoft YaHei UI", -15, 400},
        {FontRole::Verdict, L"Microsoft YaHei UI", -21, 700},
        {FontRole::Report, L"Consolas", -15, 400},
        {FontRole::Button, L"Microsoft YaHei UI", -15, 400},
        {FontRole::Small, L"Microsoft YaHei UI", -12, 400},
    };
    for (const auto& e : expected) {
        const FontParams& f = kFontTable[static_cast<int32_t>(e.role)];
        EXPECT_EQ(text(f.face), e.face);
        EXPECT_EQ(f.height, e.height);
        EXPECT_EQ(f.weight, e.weight);
    }
}

} // namespace
