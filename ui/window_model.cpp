#include "ui/window_model.h"

#include <cmath>

#include "engine/calendar.h"
#include "engine/local_time.h"
#include "engine/number.h"
#include "engine/text.h"

const FontParams kFontTable[kFontCount] = {
    {L"Microsoft YaHei UI", -27, 700}, // title
    {L"Microsoft YaHei UI", -14, 400}, // heading
    {L"Microsoft YaHei UI", -14, 400}, // label
    {L"Microsoft YaHei UI", -15, 400}, // input
    {L"Microsoft YaHei UI", -21, 700}, // verdict
    {L"Consolas", -15, 400},           // report
    {L"Microsoft YaHei UI", -15, 400}, // button
    {L"Microsoft YaHei UI", -12, 400}, // small
};

Colour verdictColour(int32_t level) {
    switch (level) {
    case kLevelAttention:
        return colours::LevelAttention;
    case kLevelWarning:
        return colours::LevelWarning;
    case kLevelContraindicated:
        return colours::LevelContraindicated;
    default:
        return colours::LevelNormal;
    }
}

ButtonColours buttonColours(int32_t controlId) {
    if (controlId == kCalculateId) return {{0, 122, 168}, {0, 100, 138}, {0, 106, 148}, {255, 255, 255}};
    return {{255, 255, 255}, {226, 234, 240}, {206, 216, 224}, colours::BodyText};
}

Colour staticTextColour(StaticRole role, int32_t level) {
    switch (role) {
    case StaticRole::Verdict:
        return verdictColour(level);
    case StaticRole::Content:
        return colours::BodyText;
    default:
        return colours::MutedText;
    }
}

int32_t inputRowTop(int32_t row, int32_t rowCount) {
    return 150 + (rowCount > 15 ? 31 : 34) * row;
}

int32_t shownInputCount(const ToolDef& tool) {
    if (tool.inputCount < 0) return 0;
    return tool.inputCount < kMaxInputs ? tool.inputCount : kMaxInputs;
}

void formatDefaultText(double value, wchar_t* text, int32_t capacity) {
    formatText(text, capacity, L"%.6g", value);
}

void formatInputText(const InputField& field, double value, wchar_t* text, int32_t capacity) {
    int64_t day = 0;
    if (field.isDate && dayNumberFromValue(value, &day))
        formatDayNumber(day, text, capacity);
    else
        formatDefaultText(value, text, capacity);
}

double windowStartValue(const InputField& field) {
    if (!field.fillToday) return field.defaultValue;
    const LocalTime now = localTimeSource();
    return static_cast<double>(daysFromCivil(now.year, now.month, now.day));
}

void formatChoiceText(const InputChoice& choice, wchar_t* text, int32_t capacity) {
    formatText(text, capacity, L"%g %ls", choice.value, choice.text);
}

int32_t defaultChoiceIndex(const InputField& field) {
    for (int32_t i = 0; i < field.choiceCount; ++i)
        if (field.choices[i].value == field.defaultValue) return i;
    return 0;
}

int32_t droppedListHeight(int32_t fieldHeight, int32_t itemHeight, int32_t itemCount) {
    constexpr int32_t kListBorder = 2;
    return fieldHeight + itemHeight * (itemCount > 0 ? itemCount : 1) + kListBorder;
}

namespace {

constexpr uint32_t kChildVisible = win_bits::Child | win_bits::Visible;
constexpr uint32_t kButtonStyle = kChildVisible | win_bits::ButtonOwnerDraw;
constexpr uint32_t kCautionStyle = kChildVisible | win_bits::EditMultiline | win_bits::EditReadOnly;
constexpr uint32_t kReportStyle = kChildVisible | win_bits::VScroll | win_bits::EditMultiline |
                                  win_bits::EditAutoVScroll | win_bits::EditReadOnly;

void addControl(ControlTable& table, const ControlRow& row) {
    if (table.count < kMaxControls) table.controls[table.count++] = row;
}

struct ButtonRow {
    int32_t x, width, id;
    const wchar_t* caption;
    ControlSlot slot;
};

constexpr ButtonRow kButtons[] = {
    {20, 152, kCalculateId, L"计算 (F5)", ControlSlot::CalculateButton},
    {184, 132, kSaveId, L"保存记录", ControlSlot::SaveButton},
    {328, 132, kCopyId, L"复制结果", ControlSlot::CopyButton},
    {472, 132, kResetId, L"清空重填", ControlSlot::ResetButton},
    {616, 110, kAboutId, L"关于", ControlSlot::AboutButton},
};

} // namespace

void buildControlTable(const ToolDef& tool, ControlTable& table) {
    table.count = 0;
    const int32_t rows = shownInputCount(tool);
    for (int32_t i = 0; i < rows; ++i) {
        const InputField& field = tool.inputs[i];
        const int32_t top = inputRowTop(i, rows);
        formatInputText(field, windowStartValue(field), table.defaultTexts[i], kDefaultTextCapacity);
        addControl(table, {L"STATIC", 0, kChildVisible | win_bits::StaticRight, 24, top + 1, 184, 22, 0,
                           FontRole::Label, field.label, false, ControlSlot::None, 0});
        if (field.choiceCount > 0) {
            // Filled, selected and given its dropped height once the font is set.
            addControl(table,
                       {L"COMBOBOX", 0, kChildVisible | win_bits::VScroll | win_bits::ComboDropDownList, 216,
                        top - 4, kChoiceListWidth, 27, kFirstInputId + i, FontRole::Input, L"", false,
                        ControlSlot::InputList, i});
            continue;
        }
        addControl(table, {L"EDIT", win_bits::ExClientEdge, kChildVisible | win_bits::EditAutoHScroll, 216,
                           top - 4, 152, 27, kFirstInputId + i, FontRole::Input, table.defaultTexts[i], true,
                           ControlSlot::InputEdit, i});
        if (field.unit != nullptr && field.unit[0] != L'\0')
            addControl(table, {L"STATIC", 0, kChildVisible, 374, top, 78, 22, 0, FontRole::Small, field.unit,
                               false, ControlSlot::None, 0});
    }
    composeReferenceLine(tool, table.referenceText, kReferenceCapacity);
    addControl(table, {L"STATIC", 0, kChildVisible, 492, 142, 492, 46, 0, FontRole::Verdict, kVerdictPrompt,
                       false, ControlSlot::VerdictLabel, 0});
    addControl(table, {L"EDIT", win_bits::ExClientEdge, kReportStyle, 492, 196, 492, 232, kReportBoxId,
                       FontRole::Report, L"", false, ControlSlot::ResultEdit, 0});
    // Read-only text rather than a label: a caution longer than its box can still be read whole.
    addControl(table, {L"EDIT", 0, kCautionStyle, 492, 444, 492, 120, 0, FontRole::Small, cautionText(tool),
                       true, ControlSlot::CautionLabel, 0});
    addControl(table, {L"STATIC", 0, kChildVisible, 492, 576, 492, 56, 0, FontRole::Small,
                       table.referenceText, false, ControlSlot::None, 0});
    for (const ButtonRow& b : kButtons)
        addControl(table, {L"BUTTON", 0, kButtonStyle, b.x, 668, b.width, 40, b.id, FontRole::None, b.caption,
                           false, b.slot, 0});
}

bool isCalculateKey(uint32_t message, uint64_t key, bool targetIsChild, bool listDropped) {
    return message == win_bits::KeyDownMessage && (key == win_bits::ReturnKey || key == win_bits::F5Key) &&
           targetIsChild && !listDropped;
}

void buildTabOrder(const ToolDef& tool, TabOrder& order) {
    order.count = 0;
    const int32_t rows = shownInputCount(tool);
    for (int32_t i = 0; i < rows; ++i)
        order.ids[order.count++] = kFirstInputId + i;
    for (const ButtonRow& b : kButtons)
        order.ids[order.count++] = b.id;
}

int32_t tabStepOf(uint32_t message, uint64_t key, bool targetInWindow, bool shiftDown) {
    if (message != win_bits::KeyDownMessage || key != win_bits::TabKey || !targetInWindow) return 0;
    return shiftDown ? -1 : 1;
}

int32_t nextTabStop(int32_t at, int32_t count, int32_t step) {
    if (count <= 0) return -1;
    if (at < 0 || at >= count) return step < 0 ? count - 1 : 0;
    return ((at + step) % count + count) % count;
}

double inputValueFromText(const wchar_t* text) {
    wchar_t read[kInputTextCapacity];
    copyText(read, kInputTextCapacity, text != nullptr ? text : L"");
    return parseInputNumber(read);
}

double inputValueFromText(const InputField& field, const wchar_t* text) {
    if (!field.isDate) return inputValueFromText(text);
    int64_t day = 0;
    return readDateText(text, &day) ? static_cast<double>(day) : std::nan("");
}

int32_t readInputValues(const ToolDef& tool, const wchar_t* const* texts, double* values) {
    return readInputValues(tool, texts, nullptr, values);
}

int32_t readInputValues(const ToolDef& tool, const wchar_t* const* texts, const int32_t* selections,
                        double* values) {
    const int32_t count = shownInputCount(tool);
    for (int32_t i = 0; i < count; ++i) {
        const InputField& field = tool.inputs[i];
        if (field.choiceCount > 0 && selections != nullptr) {
            const int32_t item = selections[i];
            const bool listed = item >= 0 && item < field.choiceCount;
            values[i] = field.choices[listed ? item : defaultChoiceIndex(field)].value;
            continue;
        }
        values[i] = inputValueFromText(field, texts[i]);
        if (!std::isfinite(values[i])) return i;
    }
    return -1;
}

void composeInputError(const ToolDef& tool, int32_t index, wchar_t* text, int32_t capacity) {
    const wchar_t* format = tool.inputs[index].isDate
                                ? L"第 %d 项“%ls”请按 年-月-日 输入日期，如 2026-12-08。"
                                : L"第 %d 项“%ls”请输入数字。";
    formatText(text, capacity, format, static_cast<int>(index + 1), tool.inputs[index].label);
}

void composeCopyText(const ToolDef& tool, const wchar_t* report, const wchar_t* verdict, wchar_t* copyText,
                     int32_t capacity) {
    if (capacity < 1) return;
    copyText[0] = L'\0';
    if (tool.reportKind != report_kind::None)
        appendText(copyText, capacity, report);
    else
        formatText(copyText, capacity, L"%ls—— %ls", report, verdict);
}

void composeCalculatedStatus(const ToolDef& tool, wchar_t* text, int32_t capacity) {
    formatText(text, capacity, L"计算完成  %ls", tool.name);
}

bool hasResult(const wchar_t* reportCopy) {
    return reportCopy[0] != L'\0';
}

int32_t clipboardTextCapacity(const ToolDef& tool, const wchar_t* copyText) {
    return textLength(copyText) + textLength(tool.name) + 16;
}

void composeClipboardText(const ToolDef& tool, const wchar_t* copyText, wchar_t* text, int32_t capacity) {
    formatText(text, capacity, L"%ls\r\n%ls", tool.name, copyText);
}

void composeAboutText(const ToolDef& tool, wchar_t* text, int32_t capacity) {
    formatText(text, capacity,
               L"%ls\r\n\r\n分类：%ls\r\n参考依据：%ls\r\n\r\n%ls\r\n\r\n版本 V1.0    官网：%ls", tool.name,
               tool.category, tool.reference, kDisclaimer, kWebAddress);
}

void composeSubtitle(const ToolDef& tool, wchar_t* text, int32_t capacity) {
    formatText(text, capacity, L"%ls  ·  %ls", tool.category,
               tool.description != nullptr ? tool.description : L"");
}

void composeReferenceLine(const ToolDef& tool, wchar_t* text, int32_t capacity) {
    formatText(text, capacity, L"参考依据：%ls", tool.reference);
}

const wchar_t* cautionText(const ToolDef& tool) {
    return tool.caution != nullptr ? tool.caution : L"";
}

namespace {

PaintStep fill(int32_t left, int32_t top, int32_t right, int32_t bottom, Colour colour) {
    return {PaintKind::Fill, left, top, right - left, bottom - top, colour, FontRole::None, 0, nullptr};
}

PaintStep frame(int32_t x, int32_t y, int32_t width, int32_t height, Colour colour) {
    return {PaintKind::Frame, x, y, width, height, colour, FontRole::None, 0, nullptr};
}

PaintStep text(int32_t left, int32_t top, int32_t right, int32_t bottom, const wchar_t* words, Colour colour,
               FontRole font, uint32_t extraFlags) {
    return {PaintKind::Text, left, top, right - left, bottom - top, colour, font, extraFlags, words};
}

} // namespace

void buildPaintPlan(const ToolDef& tool, const wchar_t* statusText, int32_t cw, int32_t ch, PaintPlan& plan) {
    composeSubtitle(tool, plan.subtitle, kSubtitleCapacity);
    const PaintStep steps[kPaintStepCount] = {
        fill(0, 0, cw, ch, colours::Background),
        fill(0, 0, cw, 88, colours::HeaderBand),
        fill(0, 0, 8, 88, colours::AccentStrip),
        text(26, 12, 26 + 700, 12 + 38, tool.name, colours::TitleText, FontRole::Title, 0),
        text(28, 48, 748, 76, plan.subtitle, colours::SubtitleText, FontRole::Heading, 0),
        text(cw - 240, 8, cw - 26, 34, kWebAddress, colours::WebAddressText, FontRole::Small,
             win_bits::TextRight),
        fill(20, 96, 460, 648, colours::Panel),
        frame(20, 96, 440, 552, colours::PanelOutline),
        fill(476, 96, 1000, 648, colours::Panel),
        frame(476, 96, 524, 552, colours::PanelOutline),
        text(36, 104, 336, 134, kInputPanelHeading, colours::HeaderBand, FontRole::Heading, 0),
        text(492, 104, 792, 134, kResultPanelHeading, colours::HeaderBand, FontRole::Heading, 0),
        fill(36, 133, 444, 134, colours::HeadingUnderline),
        fill(492, 133, 984, 134, colours::HeadingUnderline),
        fill(0, 660, cw, ch, colours::FooterBand),
        text(740, 704, 1004, 720, statusText, colours::MutedText, FontRole::Small, win_bits::TextRight),
    };
    for (int32_t i = 0; i < kPaintStepCount; ++i)
        plan.steps[i] = steps[i];
}
