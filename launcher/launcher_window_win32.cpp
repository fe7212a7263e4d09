// The launcher's window: construction, message loop, window procedure,
// commands and painting.
#include "launcher/launcher_window_win32.h"

#include "engine/text.h"
#include "launcher/launcher_model.h"
#include "launcher/recent_file_win32.h"
#include "ui/gdi_win32.h"

static_assert(launcher_bits::ListNotify == LBS_NOTIFY && launcher_bits::ListUseTabStops == LBS_USETABSTOPS &&
                  launcher_bits::ListKeepScrollBar == LBS_DISABLENOSCROLL,
              "list styles");
static_assert(launcher_bits::UpKey == VK_UP && launcher_bits::DownKey == VK_DOWN &&
                  launcher_bits::EscapeKey == VK_ESCAPE,
              "keys");

namespace {

struct LauncherState {
    HINSTANCE instance;
    HWND window, searchBox, list, detail, status;
    HWND focus; // the box or the list, whichever had the focus last
    WNDPROC searchBoxProc;
    HFONT fonts[kFontCount];
    HBRUSH panelBrush;
    int32_t toolCount;
    const ToolDef* ordered[kMaxLauncherTools];
    int32_t shownCount;
    const ToolDef* shown[kMaxLauncherTools];
    int32_t lineCount; // the shown tools, with the recent ones and two headings above them
    LauncherLine lines[kMaxLauncherLines];
    int32_t selectedLine; // the last line selected, never a heading
    bool headingClicked;  // the list's last own selection was a heading, moved off it
    int32_t recentCount;
    int32_t recent[kMaxRecentTools];
};

LauncherState launcher;

HFONT fontOf(FontRole role) {
    const int32_t index = static_cast<int32_t>(role);
    return index >= 0 && index < kFontCount ? launcher.fonts[index] : nullptr;
}

void createFontsAndBrush() {
    for (int32_t i = 0; i < kFontCount; ++i)
        launcher.fonts[i] = createFont(kFontTable[i]);
    launcher.panelBrush = CreateSolidBrush(colorRef(colours::Panel));
}

// ---- The list

int32_t selectedIndex() {
    const LRESULT selected = SendMessageW(launcher.list, LB_GETCURSEL, 0, 0);
    return selected == LB_ERR || selected >= launcher.lineCount ? -1 : static_cast<int32_t>(selected);
}

// The selected line's tool; null on a heading or with nothing selected.
const ToolDef* selectedTool() {
    const int32_t selected = selectedIndex();
    return selected >= 0 ? launcher.lines[selected].tool : nullptr;
}

void showDetail() {
    const ToolDef* tool = selectedTool();
    wchar_t detail[kToolDetailCapacity] = L"";
    if (tool != nullptr) composeToolDetail(*tool, detail, kToolDetailCapacity);
    SetWindowTextW(launcher.detail, detail);
}

void selectLine(int32_t index) {
    SendMessageW(launcher.list, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
    launcher.selectedLine = index;
    launcher.headingClicked = false;
    showDetail();
}

void showFiltered() {
    wchar_t search[kSearchTextCapacity];
    GetWindowTextW(launcher.searchBox, search, kSearchTextCapacity);
    launcher.shownCount =
        filterTools(launcher.ordered, launcher.toolCount, search, launcher.shown, kMaxLauncherTools);
    launcher.lineCount = composeLauncherLines(launcher.shown, launcher.shownCount, launcher.ordered,
                                              launcher.toolCount, launcher.recent, launcher.recentCount,
                                              search, launcher.lines, kMaxLauncherLines);
    SendMessageW(launcher.list, WM_SETREDRAW, FALSE, 0);
    SendMessageW(launcher.list, LB_RESETCONTENT, 0, 0);
    for (int32_t i = 0; i < launcher.lineCount; ++i) {
        wchar_t line[kListLineCapacity];
        if (launcher.lines[i].tool != nullptr)
            composeListLine(*launcher.lines[i].tool, line, kListLineCapacity);
        else
            copyText(line, kListLineCapacity, launcher.lines[i].heading);
        SendMessageW(launcher.list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line));
    }
    SendMessageW(launcher.list, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(launcher.list, nullptr, TRUE);
    selectLine(firstToolLine(launcher.lines, launcher.lineCount));
    wchar_t status[kLauncherStatusCapacity];
    composeLauncherStatus(search, launcher.shownCount, status, kLauncherStatusCapacity);
    SetWindowTextW(launcher.status, status);
}

// ---- Commands

void showStartError(const wchar_t* name, const wchar_t* reason) {
    wchar_t message[kLauncherMessageCapacity];
    composeStartError(name, reason, message, kLauncherMessageCapacity);
    MessageBoxW(launcher.window, message, kLauncherTitle, MB_OK | MB_ICONWARNING);
}

// The system's own words for a failed start.
void systemReason(DWORD error, wchar_t* reason, int32_t capacity) {
    const DWORD length = FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                                        error, 0, reason, static_cast<DWORD>(capacity), nullptr);
    if (length == 0) formatText(reason, capacity, L"错误 %lu", static_cast<unsigned long>(error));
}

// Remembered first in 最近使用; a file that cannot be written changes nothing else.
void rememberOpened(const ToolDef& tool) {
    launcher.recentCount = rememberRecentTool(launcher.recent, launcher.recentCount, tool.number);
    saveRecentTools(launcher.recent, launcher.recentCount);
    if (GetWindowTextLengthW(launcher.searchBox) == 0) showFiltered();
}

void openCommand() {
    const ToolDef* selected = selectedTool();
    if (selected == nullptr) return;
    const ToolDef& tool = *selected;
    wchar_t self[kProgramPathCapacity];
    wchar_t program[kProgramPathCapacity];
    wchar_t folder[kProgramPathCapacity];
    const DWORD selfLength = GetModuleFileNameW(nullptr, self, kProgramPathCapacity);
    if (selfLength == 0 || selfLength >= kProgramPathCapacity - 1 ||
        !composeProgramPaths(self, tool.name, program, folder, kProgramPathCapacity)) {
        showStartError(tool.name, kProgramNotFound);
        return;
    }
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    wchar_t commandLine[kProgramPathCapacity + 2];
    formatText(commandLine, kProgramPathCapacity + 2, L"\"%ls\"", program);
    if (!CreateProcessW(program, commandLine, nullptr, nullptr, FALSE, 0, nullptr, folder, &startup,
                        &process)) {
        const DWORD error = GetLastError();
        wchar_t reason[kLauncherMessageCapacity / 2];
        if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND)
            copyText(reason, kLauncherMessageCapacity / 2, kProgramNotFound);
        else
            systemReason(error, reason, kLauncherMessageCapacity / 2);
        showStartError(tool.name, reason);
        return;
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    rememberOpened(tool);
}

void aboutCommand() {
    wchar_t text[kAboutTextCapacity];
    composeLauncherAbout(text, kAboutTextCapacity);
    MessageBoxW(launcher.window, text, kLauncherAboutCaption, MB_OK | MB_ICONINFORMATION);
}

void moveCommand(int32_t step) {
    const int32_t moved = movedToolLine(launcher.lines, launcher.lineCount, selectedIndex(), step);
    if (moved >= 0) selectLine(moved);
}

// The list's own keys and clicks may land on a heading: on to the next tool
// line the way the selection went.
void onListSelectionChange() {
    const int32_t selected = selectedIndex();
    if (selected >= 0 && launcher.lines[selected].tool == nullptr) {
        const int32_t step = selected >= launcher.selectedLine ? 1 : -1;
        selectLine(toolLineNear(launcher.lines, launcher.lineCount, selected, step));
        launcher.headingClicked = true;
        return;
    }
    launcher.selectedLine = selected;
    launcher.headingClicked = false;
    showDetail();
}

void clearCommand() {
    // The box's change notice filters the list again.
    SetWindowTextW(launcher.searchBox, L"");
    SetFocus(launcher.searchBox);
}

// ---- The search box: the cue is drawn over the empty box after its own paint.

void drawSearchCue(HWND box) {
    if (GetWindowTextLengthW(box) > 0) return;
    RECT area;
    SendMessageW(box, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&area));
    HDC dc = GetDC(box);
    drawText(dc, area, kSearchCue, colours::MutedText, fontOf(FontRole::Input),
             DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
    ReleaseDC(box, dc);
}

// Some edit controls repaint themselves outside WM_PAINT when the focus comes
// or goes, wiping the cue: a paint of our own puts it back.
void onSearchBoxFocus(HWND box) {
    if (GetWindowTextLengthW(box) == 0) InvalidateRect(box, nullptr, TRUE);
}

LRESULT CALLBACK searchBoxProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam) {
    const LRESULT result = CallWindowProcW(launcher.searchBoxProc, box, message, wParam, lParam);
    switch (message) {
    case WM_PAINT:
        drawSearchCue(box);
        break;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        onSearchBoxFocus(box);
        break;
    default:
        break;
    }
    return result;
}

// ---- Construction

void keepControl(int32_t id, HWND control) {
    switch (id) {
    case kSearchBoxId:
        launcher.searchBox = control;
        break;
    case kToolListId:
        launcher.list = control;
        break;
    case kToolDetailId:
        launcher.detail = control;
        break;
    case kLauncherStatusId:
        launcher.status = control;
        break;
    default:
        break;
    }
}

void createControls(HWND window) {
    launcher.window = window;
    for (const ControlRow& row : kLauncherControls) {
        HWND control = CreateWindowExW(
            row.exStyle, row.className, row.text, row.style, row.x, row.y, row.width, row.height, window,
            reinterpret_cast<HMENU>(static_cast<INT_PTR>(row.id)), launcher.instance, nullptr);
        HFONT font = fontOf(row.font);
        if (font != nullptr) SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
        keepControl(row.id, control);
    }
    // Set after the font: created with the system font, the list would cut its last row.
    RECT outer;
    RECT inner;
    GetWindowRect(launcher.list, &outer);
    GetClientRect(launcher.list, &inner);
    const ControlRow& listRow = kLauncherControls[1];
    const int32_t itemHeight = static_cast<int32_t>(SendMessageW(launcher.list, LB_GETITEMHEIGHT, 0, 0));
    SetWindowPos(launcher.list, nullptr, 0, 0, listRow.width,
                 wholeRowsListHeight(listRow.height, itemHeight, (outer.bottom - outer.top) - inner.bottom),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    int tabStops[sizeof kListTabStops / sizeof kListTabStops[0]];
    for (size_t i = 0; i < sizeof kListTabStops / sizeof kListTabStops[0]; ++i)
        tabStops[i] = kListTabStops[i];
    SendMessageW(launcher.list, LB_SETTABSTOPS, sizeof tabStops / sizeof tabStops[0],
                 reinterpret_cast<LPARAM>(tabStops));
    launcher.searchBoxProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(launcher.searchBox, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(searchBoxProc)));
    showFiltered();
}

// ---- Messages

void paintLauncher(HWND window) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    for (const PaintStep& step : kLauncherPaint)
        paintStep(dc, step, fontOf(step.font));
    EndPaint(window, &paint);
}

void drawButton(const DRAWITEMSTRUCT& item) {
    // Open stands out as Calculate does in the tools.
    drawButtonFace(item, buttonColours(item.CtlID == kOpenToolId ? kCalculateId : kAboutId),
                   fontOf(FontRole::Button));
}

// The search box and the list: opaque, so that typing leaves no trace.
HBRUSH colourBox(HDC dc) {
    SetTextColor(dc, colorRef(colours::BodyText));
    SetBkColor(dc, colorRef(colours::Panel));
    return launcher.panelBrush;
}

HBRUSH colourLabel(HDC dc, HWND control) {
    SetBkMode(dc, TRANSPARENT);
    if (control == launcher.status) {
        // The status sits on the footer band.
        SetTextColor(dc, colorRef(colours::MutedText));
        SetDCBrushColor(dc, colorRef(colours::FooterBand));
        return static_cast<HBRUSH>(GetStockObject(DC_BRUSH));
    }
    SetTextColor(dc, colorRef(colours::BodyText));
    return launcher.panelBrush;
}

LRESULT onCreate(HWND window) {
    createControls(window);
    return 0;
}

LRESULT onDestroy() {
    PostQuitMessage(0);
    return 0;
}

LRESULT onPaint(HWND window) {
    paintLauncher(window);
    return 0;
}

// The paint covers the whole client area.
LRESULT onEraseBackground() {
    return 1;
}

LRESULT onDrawItem(const DRAWITEMSTRUCT* item) {
    drawButton(*item);
    return TRUE;
}

// A plain window gives the focus to itself when activated, and a clicked
// button takes it: back to where the user was typing or choosing.
void restoreFocus() {
    SetFocus(launcher.focus != nullptr ? launcher.focus : launcher.searchBox);
}

LRESULT onSetFocus() {
    restoreFocus();
    return 0;
}

LRESULT onGetMinMaxInfo(MINMAXINFO* info) {
    const SIZE size = outerWindowSize(kLauncherClientWidth, kLauncherClientHeight);
    info->ptMinTrackSize = POINT{size.cx, size.cy};
    info->ptMaxTrackSize = POINT{size.cx, size.cy};
    return 0;
}

// False for what is not one of the launcher's own notices.
bool onCommand(int32_t id, int32_t notice) {
    if (id == kSearchBoxId && notice == EN_CHANGE) {
        // The whole box again: the cue comes or goes with the first character.
        InvalidateRect(launcher.searchBox, nullptr, TRUE);
        showFiltered();
        return true;
    }
    if ((id == kSearchBoxId && notice == EN_SETFOCUS) || (id == kToolListId && notice == LBN_SETFOCUS)) {
        launcher.focus = id == kSearchBoxId ? launcher.searchBox : launcher.list;
        return true;
    }
    if (id == kToolListId && notice == LBN_SELCHANGE) {
        onListSelectionChange();
        return true;
    }
    if (id == kToolListId && notice == LBN_DBLCLK && launcher.headingClicked)
        return true; // a heading opens nothing
    if ((id == kToolListId && notice == LBN_DBLCLK) || (id == kOpenToolId && notice == BN_CLICKED)) {
        openCommand();
        if (id == kOpenToolId) restoreFocus();
        return true;
    }
    if (id == kLauncherAboutId && notice == BN_CLICKED) {
        aboutCommand();
        restoreFocus();
        return true;
    }
    return false;
}

LRESULT CALLBACK launcherWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        return onCreate(window);
    case WM_DESTROY:
        return onDestroy();
    case WM_SETFOCUS:
        return onSetFocus();
    case WM_GETMINMAXINFO:
        return onGetMinMaxInfo(reinterpret_cast<MINMAXINFO*>(lParam));
    case WM_PAINT:
        return onPaint(window);
    case WM_ERASEBKGND:
        return onEraseBackground();
    case WM_DRAWITEM:
        return onDrawItem(reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
        return reinterpret_cast<LRESULT>(colourBox(reinterpret_cast<HDC>(wParam)));
    case WM_CTLCOLORSTATIC:
        return reinterpret_cast<LRESULT>(
            colourLabel(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam)));
    case WM_COMMAND:
        if (onCommand(LOWORD(wParam), HIWORD(wParam))) return 0;
        break;
    default:
        break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

// The search box reached by the keyboard has its text selected; the list keeps its selection.
void moveFocusByTab(HWND from, int32_t step) {
    moveFocusAmong(launcher.window, kLauncherTabStops, countOf(kLauncherTabStops), from, step);
}

bool isButton(HWND control) {
    const int32_t id = GetDlgCtrlID(control);
    return IsChild(launcher.window, control) && (id == kOpenToolId || id == kLauncherAboutId);
}

void runMessageLoop() {
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        const int32_t tabStep =
            tabStepOf(message.message, message.wParam,
                      message.hwnd == launcher.window || IsChild(launcher.window, message.hwnd),
                      GetKeyState(VK_SHIFT) < 0);
        if (tabStep != 0) {
            moveFocusByTab(message.hwnd, tabStep);
            continue;
        }
        switch (launcherKeyOf(message.message, message.wParam, message.hwnd == launcher.searchBox,
                              message.hwnd == launcher.list, isButton(message.hwnd))) {
        case LauncherKey::Press:
            SendMessageW(message.hwnd, BM_CLICK, 0, 0);
            continue;
        case LauncherKey::Open:
            openCommand();
            continue;
        case LauncherKey::Up:
            moveCommand(-1);
            continue;
        case LauncherKey::Down:
            moveCommand(1);
            continue;
        case LauncherKey::Clear:
            clearCommand();
            continue;
        case LauncherKey::None:
            break;
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

} // namespace

int runLauncherWindow(HINSTANCE instance, const ToolDef* const* tools, int32_t count) {
    launcher.instance = instance;
    launcher.toolCount = orderTools(tools, count, launcher.ordered, kMaxLauncherTools);
    launcher.recentCount = loadRecentTools(launcher.ordered, launcher.toolCount, launcher.recent);
    createFontsAndBrush();
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = launcherWindowProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(1));
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.lpszClassName = kLauncherClassName;
    RegisterClassExW(&windowClass);
    const SIZE size = outerWindowSize(kLauncherClientWidth, kLauncherClientHeight);
    HWND window = CreateWindowExW(0, kLauncherClassName, kLauncherTitle, kMainWindowStyle,
                                  centred(GetSystemMetrics(SM_CXSCREEN), size.cx),
                                  centred(GetSystemMetrics(SM_CYSCREEN), size.cy), size.cx, size.cy, nullptr,
                                  nullptr, instance, nullptr);
    if (window == nullptr) return 1;
    ShowWindow(window, SW_SHOW);
    UpdateWindow(window);
    SetFocus(launcher.searchBox);
    runMessageLoop();
    return 0;
}
