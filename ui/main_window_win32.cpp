// The main window: construction, message loop and window procedure.
#include "ui/main_window_win32.h"
#include "app/program_entry.h"
#include "engine/text.h"
#include "records/save_record.h"
#include "ui/main_window_state.h"

MainWindowState mainWindowState;

static_assert(kMainWindowStyle == (WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX), "window style");
static_assert(kMainWindowStyle == 0x00CA0000, "window style");
static_assert(win_bits::Child == WS_CHILD && win_bits::Visible == WS_VISIBLE &&
                  win_bits::VScroll == WS_VSCROLL,
              "window style bits");
static_assert(win_bits::StaticRight == SS_RIGHT && win_bits::ButtonOwnerDraw == BS_OWNERDRAW &&
                  win_bits::ComboDropDownList == CBS_DROPDOWNLIST,
              "control styles");
static_assert(win_bits::EditMultiline == ES_MULTILINE && win_bits::EditAutoVScroll == ES_AUTOVSCROLL &&
                  win_bits::EditAutoHScroll == ES_AUTOHSCROLL && win_bits::EditReadOnly == ES_READONLY,
              "edit styles");
static_assert(win_bits::ExClientEdge == WS_EX_CLIENTEDGE, "extended style");
static_assert(win_bits::KeyDownMessage == WM_KEYDOWN && win_bits::ReturnKey == VK_RETURN &&
                  win_bits::F5Key == VK_F5 && win_bits::TabKey == VK_TAB,
              "keys");
static_assert(win_bits::TextSingleLine == (DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS) &&
                  win_bits::TextCenter == DT_CENTER && win_bits::TextRight == DT_RIGHT,
              "text flags");
static_assert(kReportCopyCapacity == 8192 && kCopyTextCapacity == 8192 && kStatusTextCapacity == 256 &&
                  kReportTextCapacity <= kReportCopyCapacity,
              "state buffers");

HFONT fontFor(FontRole role) {
    const MainWindowState& s = mainWindowState;
    switch (role) {
    case FontRole::Title:
        return s.titleFont;
    case FontRole::Heading:
        return s.headingFont;
    case FontRole::Label:
        return s.labelFont;
    case FontRole::Input:
        return s.inputFont;
    case FontRole::Verdict:
        return s.verdictFont;
    case FontRole::Report:
        return s.reportFont;
    case FontRole::Button:
        return s.buttonFont;
    case FontRole::Small:
        return s.smallFont;
    default:
        return nullptr;
    }
}

SIZE mainWindowSize() {
    return outerWindowSize(kClientWidth, kClientHeight);
}

namespace {

void createFontsAndBrushes() {
    MainWindowState& s = mainWindowState;
    HFONT* const fonts[kFontCount] = {&s.titleFont,   &s.headingFont, &s.labelFont,  &s.inputFont,
                                      &s.verdictFont, &s.reportFont,  &s.buttonFont, &s.smallFont};
    for (int32_t i = 0; i < kFontCount; ++i)
        *fonts[i] = createFont(kFontTable[i]);
    s.panelBrush = CreateSolidBrush(colorRef(colours::Panel));
    s.backgroundBrush = CreateSolidBrush(colorRef(colours::Background));
}

void registerWindowClass(HINSTANCE instance) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = 0;
    windowClass.lpfnWndProc = mainWindowProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(1));
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = mainWindowState.backgroundBrush;
    windowClass.lpszClassName = kWindowClassName;
    RegisterClassExW(&windowClass);
}

void keepControl(const ControlRow& row, HWND control) {
    MainWindowState& s = mainWindowState;
    switch (row.slot) {
    case ControlSlot::InputEdit:
    case ControlSlot::InputList:
        s.inputEdits[row.slotIndex] = control;
        break;
    case ControlSlot::ResultEdit:
        s.resultEdit = control;
        break;
    case ControlSlot::VerdictLabel:
        s.verdictLabel = control;
        break;
    case ControlSlot::CautionLabel:
        s.cautionLabel = control;
        break;
    case ControlSlot::CalculateButton:
        s.calculateButton = control;
        break;
    case ControlSlot::SaveButton:
        s.saveButton = control;
        break;
    case ControlSlot::CopyButton:
        s.copyButton = control;
        break;
    case ControlSlot::ResetButton:
        s.resetButton = control;
        break;
    case ControlSlot::AboutButton:
        s.aboutButton = control;
        break;
    case ControlSlot::None:
        break;
    }
}

// Items in table order, the default's selected, and a height that drops the
// whole list down: the item height is known only once the font is set.
void fillChoiceList(HWND list, const InputField& field) {
    for (int32_t c = 0; c < field.choiceCount; ++c) {
        wchar_t item[kChoiceTextCapacity];
        formatChoiceText(field.choices[c], item, kChoiceTextCapacity);
        SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
    }
    SendMessageW(list, CB_SETCURSEL, static_cast<WPARAM>(defaultChoiceIndex(field)), 0);
    RECT closed;
    GetWindowRect(list, &closed);
    const int32_t itemHeight = static_cast<int32_t>(SendMessageW(list, CB_GETITEMHEIGHT, 0, 0));
    SetWindowPos(list, nullptr, 0, 0, kChoiceListWidth,
                 droppedListHeight(closed.bottom - closed.top, itemHeight, field.choiceCount),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

bool isDroppedList(HWND target) {
    const MainWindowState& s = mainWindowState;
    for (int32_t i = 0; i < shownInputCount(*s.tool); ++i)
        if (s.inputEdits[i] == target && s.tool->inputs[i].choiceCount > 0)
            return SendMessageW(target, CB_GETDROPPEDSTATE, 0, 0) != FALSE;
    return false;
}

void moveFocusByTab(HWND from, int32_t step) {
    TabOrder order;
    buildTabOrder(*mainWindowState.tool, order);
    moveFocusAmong(mainWindowState.mainWindow, order.ids, order.count, from, step);
}

void runMessageLoop() {
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        const HWND window = mainWindowState.mainWindow;
        const int32_t tabStep = tabStepOf(message.message, message.wParam,
                                          message.hwnd == window || IsChild(window, message.hwnd) != FALSE,
                                          GetKeyState(VK_SHIFT) < 0);
        if (tabStep != 0) {
            moveFocusByTab(message.hwnd, tabStep);
            continue;
        }
        const bool calculateKey = isCalculateKey(message.message, message.wParam,
                                                 IsChild(mainWindowState.mainWindow, message.hwnd) != FALSE,
                                                 isDroppedList(message.hwnd));
        if (calculateKey) {
            calculateCommand();
            continue;
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

LRESULT onCreate(HWND window) {
    createControls(window);
    return 0;
}

LRESULT onDestroy() {
    PostQuitMessage(0);
    return 0;
}

// The window keeps its client area: neither smaller nor larger than its frame.
LRESULT onGetMinMaxInfo(MINMAXINFO* info) {
    const SIZE size = mainWindowSize();
    info->ptMinTrackSize = POINT{size.cx, size.cy};
    info->ptMaxTrackSize = POINT{size.cx, size.cy};
    return 0;
}

LRESULT onPaint(HWND window) {
    paintMainWindow(window);
    return 0;
}

// The paint covers the whole client area.
LRESULT onEraseBackground() {
    return 1;
}

LRESULT onDrawItem(const DRAWITEMSTRUCT* item) {
    drawOwnerButton(*item);
    return TRUE;
}

// False for ids that are not one of the five buttons.
bool onCommand(int32_t id) {
    switch (id) {
    case kCalculateId:
        calculateCommand();
        return true;
    case kSaveId:
        saveRecord();
        return true;
    case kCopyId:
        copyResultCommand();
        return true;
    case kResetId:
        resetCommand();
        return true;
    case kAboutId:
        aboutCommand();
        return true;
    default:
        return false;
    }
}

// Text that needs more lines than its box shows gets a scroll bar.
void giveScrollBarIfCut(HWND box) {
    RECT area;
    SendMessageW(box, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&area));
    HDC dc = GetDC(box);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(box, WM_GETFONT, 0, 0)));
    TEXTMETRICW metrics;
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, old);
    ReleaseDC(box, dc);
    const LRESULT lines = SendMessageW(box, EM_GETLINECOUNT, 0, 0);
    if (lines * metrics.tmHeight <= area.bottom - area.top) return;
    SetWindowLongPtrW(box, GWL_STYLE, GetWindowLongPtrW(box, GWL_STYLE) | WS_VSCROLL);
    SetWindowPos(box, nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

} // namespace

void createControls(HWND window) {
    MainWindowState& s = mainWindowState;
    s.mainWindow = window;
    ControlTable table;
    buildControlTable(*s.tool, table);
    for (int32_t i = 0; i < table.count; ++i) {
        const ControlRow& row = table.controls[i];
        HWND control =
            CreateWindowExW(row.exStyle, row.className, row.textAfterFont ? L"" : row.text, row.style, row.x,
                            row.y, row.width, row.height, window,
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(row.id)), s.instance, nullptr);
        HFONT font = fontFor(row.font);
        if (font != nullptr) SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
        if (row.textAfterFont) SetWindowTextW(control, row.text);
        if (row.slot == ControlSlot::InputList) fillChoiceList(control, s.tool->inputs[row.slotIndex]);
        keepControl(row, control);
    }
    giveScrollBarIfCut(s.cautionLabel);
    copyText(s.statusText, kStatusTextCapacity, kReadyStatus);
}

void focusFirstStop() {
    TabOrder order;
    buildTabOrder(*mainWindowState.tool, order);
    focusStop(GetDlgItem(mainWindowState.mainWindow, order.ids[0]));
}

LRESULT CALLBACK mainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        return onCreate(window);
    case WM_DESTROY:
        return onDestroy();
    case WM_GETMINMAXINFO:
        return onGetMinMaxInfo(reinterpret_cast<MINMAXINFO*>(lParam));
    case WM_PAINT:
        return onPaint(window);
    case WM_ERASEBKGND:
        return onEraseBackground();
    case WM_DRAWITEM:
        return onDrawItem(reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
    case WM_CTLCOLOREDIT:
        return reinterpret_cast<LRESULT>(colourEditControl(reinterpret_cast<HDC>(wParam)));
    case WM_CTLCOLORSTATIC:
        return reinterpret_cast<LRESULT>(
            colourStaticControl(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam)));
    case WM_COMMAND:
        if (onCommand(LOWORD(wParam))) return 0;
        break;
    default:
        break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

int runMainWindow(HINSTANCE instance, const ToolDef* tool) {
    MainWindowState& s = mainWindowState;
    s.instance = instance;
    s.tool = tool;
    s.level = 0;
    s.reportCopy[0] = L'\0';
    createFontsAndBrushes();
    registerWindowClass(instance);
    const SIZE size = mainWindowSize();
    const int x = centred(GetSystemMetrics(SM_CXSCREEN), size.cx);
    const int y = centred(GetSystemMetrics(SM_CYSCREEN), size.cy);
    HWND window = CreateWindowExW(0, kWindowClassName, tool->name, kMainWindowStyle, x, y, size.cx, size.cy,
                                  nullptr, nullptr, instance, nullptr);
    if (window == nullptr) return 1;
    ShowWindow(window, SW_SHOW);
    UpdateWindow(window);
    focusFirstStop();
    runMessageLoop();
    return 0;
}
