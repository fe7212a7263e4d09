// The main window's layout, texts, colours and input rules, free of any
// platform call; the Win32 layer turns them into windows and GDI calls.
#pragma once

#include <cstdint>

#include "engine/tool.h"

// Window style and message values, spelled out so the core stays portable;
// the Win32 layer checks each against the system headers.
namespace win_bits {
constexpr uint32_t Child = 0x40000000;
constexpr uint32_t Visible = 0x10000000;
constexpr uint32_t Caption = 0x00C00000;
constexpr uint32_t SysMenu = 0x00080000;
constexpr uint32_t MinimizeBox = 0x00020000;
constexpr uint32_t VScroll = 0x00200000;
constexpr uint32_t StaticRight = 0x0002;
constexpr uint32_t EditMultiline = 0x0004;
constexpr uint32_t EditAutoVScroll = 0x0040;
constexpr uint32_t EditAutoHScroll = 0x0080;
constexpr uint32_t EditReadOnly = 0x0800;
constexpr uint32_t ButtonOwnerDraw = 0x000B;
constexpr uint32_t ComboDropDownList = 0x0003;
constexpr uint32_t ExClientEdge = 0x0200;
constexpr uint32_t KeyDownMessage = 0x0100;
constexpr uint32_t ReturnKey = 0x0D;
constexpr uint32_t F5Key = 0x74;
constexpr uint32_t TabKey = 0x09;
// DrawText: one line, vertically centred, an ellipsis at the end.
constexpr uint32_t TextSingleLine = 0x8024;
constexpr uint32_t TextCenter = 0x0001;
constexpr uint32_t TextRight = 0x0002;
} // namespace win_bits

constexpr wchar_t kWindowClassName[] = L"TavoMedToolWnd";
constexpr uint32_t kMainWindowStyle = win_bits::Caption | win_bits::SysMenu | win_bits::MinimizeBox;
constexpr int32_t kClientWidth = 1020;
constexpr int32_t kClientHeight = 720;

constexpr int32_t kCalculateId = 1001;
constexpr int32_t kSaveId = 1002;
constexpr int32_t kCopyId = 1003;
constexpr int32_t kResetId = 1004;
constexpr int32_t kAboutId = 1005;
constexpr int32_t kFirstInputId = 2000;
constexpr int32_t kReportBoxId = 3000;

// Buffer capacities in wide units, terminator included.
constexpr int32_t kInputTextCapacity = 128;
constexpr int32_t kMessageTextCapacity = 256;
constexpr int32_t kReportTextCapacity = 8192; // the longest report whole
constexpr int32_t kVerdictTextCapacity = 512;
constexpr int32_t kDefaultTextCapacity = 64;
constexpr int32_t kChoiceTextCapacity = 160;
constexpr int32_t kAboutTextCapacity = 1400;
constexpr int32_t kSubtitleCapacity = 256;
constexpr int32_t kReferenceCapacity = 1024; // the longest reference line whole
constexpr int32_t kCaptionCapacity = 64;
// The window state's texts: the stored report, what Copy puts after the tool
// name (a whole custom report) and the status line.
constexpr int32_t kReportCopyCapacity = 8192;
constexpr int32_t kCopyTextCapacity = 8192;
constexpr int32_t kStatusTextCapacity = 256;

constexpr wchar_t kWebAddress[] = L"tavomed.cn";
// The About box's disclaimer, also printed in the user guide.
constexpr wchar_t kDisclaimer[] = L"本工具为临床辅助计算/记录工具，结果不能替代医师诊疗判断，\r\n"
                                  L"具体用药与处置请结合患者实际情况及本院规范执行。";
constexpr wchar_t kVerdictPrompt[] = L"填写左侧参数，点击“计算”";
constexpr wchar_t kReadyStatus[] = L"就绪：填写参数后按 F5 或点击“计算”";
constexpr wchar_t kCopiedStatus[] = L"结果已复制到剪贴板";
constexpr wchar_t kCopyFailedStatus[] = L"复制失败：剪贴板暂不可用，请重试";
constexpr wchar_t kResetStatus[] = L"已恢复默认值";
constexpr wchar_t kCopyNoResultMessage[] = L"请先点击“计算”生成结果。";
constexpr wchar_t kInputErrorCaption[] = L"输入有误";
constexpr wchar_t kHintCaption[] = L"提示";
constexpr wchar_t kAboutCaption[] = L"关于本工具";
constexpr wchar_t kInputPanelHeading[] = L"输入参数";
constexpr wchar_t kResultPanelHeading[] = L"计算结果";

// ---- Fonts

// Also the order in which the fonts are created.
enum class FontRole : int32_t { Title, Heading, Label, Input, Verdict, Report, Button, Small, None };
constexpr int32_t kFontCount = 8;

struct FontParams {
    const wchar_t* face;
    int32_t height; // negative: character height in pixels
    int32_t weight;
};

extern const FontParams kFontTable[kFontCount];

// ---- Colours

struct Colour {
    uint8_t red, green, blue;
};
constexpr bool operator==(Colour a, Colour b) {
    return a.red == b.red && a.green == b.green && a.blue == b.blue;
}
constexpr bool operator!=(Colour a, Colour b) {
    return !(a == b);
}

namespace colours {
constexpr Colour Background{244, 247, 249};
constexpr Colour HeaderBand{0, 108, 150}; // also the panel headings
constexpr Colour AccentStrip{0, 132, 176};
constexpr Colour TitleText{255, 255, 255};
constexpr Colour SubtitleText{214, 236, 246};
constexpr Colour WebAddressText{190, 220, 235};
constexpr Colour Panel{255, 255, 255};
constexpr Colour PanelOutline{218, 226, 232};
constexpr Colour HeadingUnderline{228, 234, 238};
constexpr Colour FooterBand{236, 241, 244};
constexpr Colour MutedText{120, 132, 142}; // status, input and unit labels, reference
constexpr Colour BodyText{44, 56, 66};     // inputs, report, caution, ordinary captions
constexpr Colour LevelNormal{0, 128, 96};
constexpr Colour LevelAttention{176, 132, 0};
constexpr Colour LevelWarning{214, 108, 0};
constexpr Colour LevelContraindicated{190, 30, 45};
} // namespace colours

// The verdict's text colour: amber, orange, red for levels 1 to 3, green otherwise.
Colour verdictColour(int32_t level);

struct ButtonColours {
    Colour fill;
    Colour pressedFill;
    Colour outline;
    Colour caption;
};
// Calculate stands out; every other id gets the plain look.
ButtonColours buttonColours(int32_t controlId);

// Which text colour a static control (or the read-only report box) gets.
enum class StaticRole : int32_t { Verdict, Content, Muted };
Colour staticTextColour(StaticRole role, int32_t level);

// ---- Controls

// Row i of rowCount in the input panel; its label, box and unit label hang off
// this line. Sixteen rows close up so that the last box stays inside the panel.
int32_t inputRowTop(int32_t row, int32_t rowCount);

// A choice input's list stands where a box would, wider and without a unit label.
constexpr int32_t kChoiceListWidth = 236;

// A list item's text: "%g %ls", the value then the choice's text.
void formatChoiceText(const InputChoice& choice, wchar_t* text, int32_t capacity);

// The item selected at start and after Reset: the default's, else the first.
int32_t defaultChoiceIndex(const InputField& field);

// The control height that lets the list drop down with every item in view:
// the closed field, the items, and the list's border.
int32_t droppedListHeight(int32_t fieldHeight, int32_t itemHeight, int32_t itemCount);

// Where the Win32 layer keeps a control's handle.
enum class ControlSlot : int32_t {
    None,
    InputEdit, // slot index = input field
    InputList, // slot index = input field
    ResultEdit,
    VerdictLabel,
    CautionLabel,
    CalculateButton,
    SaveButton,
    CopyButton,
    ResetButton,
    AboutButton
};

struct ControlRow {
    const wchar_t* className;
    uint32_t exStyle;
    uint32_t style;
    int32_t x, y, width, height;
    int32_t id;
    FontRole font; // None: no font is set
    const wchar_t* text;
    bool textAfterFont; // created empty; the text is set once the font is
    ControlSlot slot;
    int32_t slotIndex;
};

constexpr int32_t kMaxControls = kMaxInputs * 3 + 9;

// The controls in creation order. Texts point into the table's own
// buffers or into the tool, so the table must stay where it was built.
struct ControlTable {
    int32_t count;
    ControlRow controls[kMaxControls];
    wchar_t defaultTexts[kMaxInputs][kDefaultTextCapacity];
    wchar_t referenceText[kReferenceCapacity];
};

// Rows past kMaxInputs are left out: the window has no room for them.
void buildControlTable(const ToolDef& tool, ControlTable& table);

// The number of input rows the window shows.
int32_t shownInputCount(const ToolDef& tool);

// A default value as an input box shows it ("%.6g").
void formatDefaultText(double value, wchar_t* text, int32_t capacity);

// A value as the input's box shows it: YYYY-MM-DD for a date, else "%.6g".
void formatInputText(const InputField& field, double value, wchar_t* text, int32_t capacity);

// What a box holds at start and after Reset: today's day number (local clock)
// for a fillToday input, else the default.
double windowStartValue(const InputField& field);

// ---- Keyboard

// Enter or F5 pressed in a child of the main window runs Calculate, except
// while a list is dropped down: then the keys are the list's.
bool isCalculateKey(uint32_t message, uint64_t key, bool targetIsChild, bool listDropped = false);

// Tab moves the focus through the inputs in table order, then the buttons in
// their order on the window; Shift+Tab back; both wrap. The first stop is
// where the focus goes on opening and after Reset.
constexpr int32_t kMaxTabStops = kMaxInputs + 5;

struct TabOrder {
    int32_t count;
    int32_t ids[kMaxTabStops]; // control ids
};

void buildTabOrder(const ToolDef& tool, TabOrder& order);

// +1 for Tab, -1 for Shift+Tab pressed in the window or one of its children, else 0.
int32_t tabStepOf(uint32_t message, uint64_t key, bool targetInWindow, bool shiftDown);

// The stop after `at` by step, wrapping; from no stop (-1) Tab goes to the
// first and Shift+Tab to the last. -1 when there is none.
int32_t nextTabStop(int32_t at, int32_t count, int32_t step);

// ---- Calculate

// An input box's text as a number: at most the first 127 units count,
// read as the C library's wcstod reads them; blank or no number is 0.
double inputValueFromText(const wchar_t* text);

// A date input's text as its day number, or NaN when it is no date; else as above.
double inputValueFromText(const InputField& field, const wchar_t* text);

// Converts the texts in order, storing each value at once; stops at the
// first value that is not finite (a text that is no date included) and
// returns its index, or -1 when all are.
int32_t readInputValues(const ToolDef& tool, const wchar_t* const* texts, double* values);
// The same, a choice input taking its selected item's value (selections[i],
// an item index; out of range: the default's) instead of a text.
int32_t readInputValues(const ToolDef& tool, const wchar_t* const* texts, const int32_t* selections,
                        double* values);

// "第 %d 项“%ls”请输入数字。" for input field index; for a date input
// "第 %d 项“%ls”请按 年-月-日 输入日期，如 2026-12-08。".
void composeInputError(const ToolDef& tool, int32_t index, wchar_t* text, int32_t capacity);

// What Copy puts after the tool name: the whole report alone for a custom
// report, else the report and "—— " with the verdict.
void composeCopyText(const ToolDef& tool, const wchar_t* report, const wchar_t* verdict, wchar_t* copyText,
                     int32_t capacity);

void composeCalculatedStatus(const ToolDef& tool, wchar_t* text, int32_t capacity);

// ---- Copy, About, header

bool hasResult(const wchar_t* reportCopy);

// Capacity in wide units of the clipboard block: both texts, CR LF and room to spare.
int32_t clipboardTextCapacity(const ToolDef& tool, const wchar_t* copyText);

// The clipboard text: tool name, CR LF, copy text.
void composeClipboardText(const ToolDef& tool, const wchar_t* copyText, wchar_t* text, int32_t capacity);

void composeAboutText(const ToolDef& tool, wchar_t* text, int32_t capacity);

// "%ls  ·  %ls": category and description (empty when absent).
void composeSubtitle(const ToolDef& tool, wchar_t* text, int32_t capacity);

// "参考依据：%ls" with the tool's reference.
void composeReferenceLine(const ToolDef& tool, wchar_t* text, int32_t capacity);

// The caution note, or the empty text when the tool has none.
const wchar_t* cautionText(const ToolDef& tool);

// ---- Painting

enum class PaintKind : int32_t { Fill, Frame, Text };

struct PaintStep {
    PaintKind kind;
    int32_t x, y, width, height;
    Colour colour;
    FontRole font;       // Text only
    uint32_t extraFlags; // Text only: added to win_bits::TextSingleLine
    const wchar_t* text; // Text only
};

constexpr int32_t kPaintStepCount = 16;

// Everything WM_PAINT draws, in order, for a client area of cw x ch.
// Texts point into the plan, the tool or statusText.
struct PaintPlan {
    PaintStep steps[kPaintStepCount];
    wchar_t subtitle[kSubtitleCapacity];
};

void buildPaintPlan(const ToolDef& tool, const wchar_t* statusText, int32_t cw, int32_t ch, PaintPlan& plan);
