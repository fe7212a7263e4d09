// End-to-end test of the suite's windows: starts each real program and drives
// it as a user would, through window messages, mouse, keyboard and the
// clipboard, and reads the screen and the record file.
// Usage: window_driver <artifact folder> <tool number> <program.exe> [<tool number> <program.exe> ...]
//        [launcher <launcher.exe>]
#include <windows.h>

#include <shlobj.h>

#include <algorithm>
#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <cwctype>
#include <memory>
#include <string>
#include <vector>

#include "app/worked_examples.h"
#include "engine/calculation.h"
#include "engine/calendar.h"
#include "launcher/launcher_model.h"
#include "launcher/recent_tools.h"
#include "tools/suite.h"
#include "ui/gdi_win32.h"

namespace {

// ---- Reporting

int passedCount = 0;
int failedCount = 0;

std::string utf8(const std::wstring& text) {
    if (text.empty()) return {};
    const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                                         nullptr, nullptr);
    std::string bytes(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), bytes.data(), size, nullptr,
                        nullptr);
    return bytes;
}

std::wstring widen(const std::string& bytes) {
    if (bytes.empty()) return {};
    const int size =
        MultiByteToWideChar(CP_UTF8, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
    std::wstring text(static_cast<size_t>(size), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, bytes.data(), static_cast<int>(bytes.size()), text.data(), size);
    return text;
}

// Line ends made visible, so a failure shows exactly what differs.
std::string shown(const std::wstring& text) {
    std::wstring visible;
    for (wchar_t c : text) {
        if (c == L'\r')
            visible += L"\\r";
        else if (c == L'\n')
            visible += L"\\n";
        else
            visible += c;
    }
    return "\"" + utf8(visible) + "\"";
}

// Short texts whole; long ones by their lengths and around the first difference.
std::string difference(const std::wstring& actual, const std::wstring& expected) {
    if (actual.size() + expected.size() < 600)
        return "expected " + shown(expected) + ", got " + shown(actual);
    size_t at = 0;
    while (at < actual.size() && at < expected.size() && actual[at] == expected[at])
        ++at;
    const size_t from = at < 40 ? 0 : at - 40;
    return "expected " + std::to_string(expected.size()) + " units, got " + std::to_string(actual.size()) +
           "; from unit " + std::to_string(from) + " expected " + shown(expected.substr(from, 100)) +
           ", got " + shown(actual.substr(from, 100));
}

std::string context = "start";
int toolNumber = 0;

void step(const std::string& name) {
    context = std::to_string(toolNumber) + " " + name;
}

void say(const char* format, ...) {
    va_list args;
    va_start(args, format);
    std::vfprintf(stdout, format, args);
    va_end(args);
    std::fflush(stdout);
}

bool expect(bool ok, const std::string& what, const std::string& detail = std::string()) {
    if (ok) {
        ++passedCount;
    } else {
        ++failedCount;
        say("FAIL [%s] %s%s%s\n", context.c_str(), what.c_str(), detail.empty() ? "" : ": ", detail.c_str());
    }
    return ok;
}

bool expectText(const std::wstring& actual, const std::wstring& expected, const std::string& what) {
    return expect(actual == expected, what, difference(actual, expected));
}

bool expectContains(const std::wstring& text, const std::wstring& part, const std::string& what) {
    return expect(text.find(part) != std::wstring::npos, what, shown(part) + " not in " + shown(text));
}

bool expectNumber(long long actual, long long expected, const std::string& what) {
    return expect(actual == expected, what,
                  "expected " + std::to_string(expected) + ", got " + std::to_string(actual));
}

std::string hex(unsigned long value) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%08lX", value);
    return text;
}

// ---- Waiting: every wait has a time-out.

template <typename Condition> bool waitUntil(Condition condition, DWORD milliseconds) {
    const ULONGLONG deadline = GetTickCount64() + milliseconds;
    for (;;) {
        if (condition()) return true;
        if (GetTickCount64() > deadline) return false;
        Sleep(20);
    }
}

constexpr DWORD kSendTimeout = 5000;

LRESULT sendTo(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutW(window, message, wParam, lParam, SMTO_ABORTIFHUNG, kSendTimeout, &result))
        return -1;
    return static_cast<LRESULT>(result);
}

std::wstring textOf(HWND window) {
    const LRESULT length = sendTo(window, WM_GETTEXTLENGTH, 0, 0);
    if (length < 0) return L"<no answer>";
    std::vector<wchar_t> buffer(static_cast<size_t>(length) + 2, L'\0');
    sendTo(window, WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(buffer.data()));
    return buffer.data();
}

// Whether an edit box has no selection and its caret after its last character.
bool caretAtEnd(HWND box) {
    const LRESULT range = sendTo(box, EM_GETSEL, 0, 0);
    const LRESULT length = sendTo(box, WM_GETTEXTLENGTH, 0, 0);
    return range >= 0 && LOWORD(range) == length && HIWORD(range) == length;
}

void setText(HWND window, const wchar_t* text) {
    sendTo(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
}

std::wstring classOf(HWND window) {
    wchar_t name[64] = L"";
    GetClassNameW(window, name, 64);
    return name;
}

// ---- The program under test

struct App {
    PROCESS_INFORMATION process;
    HWND main;
    DWORD thread;
    std::vector<HWND> children; // in creation order
    HWND inputs[kMaxInputs];
    int inputCount;
    HWND report, verdict, caution, reference;
    HWND calculate, save, copy, reset, about;
    unsigned barrier;
};

App app{};

// The program being driven: its name as written out here, its tool in the core, its record file.
struct Driven {
    const wchar_t* name;
    const ToolDef* tool;
    std::wstring recordFile;
};

Driven current{};

struct WindowSearch {
    DWORD processId;
    const wchar_t* className;
    HWND owner; // null: any owner
    bool visibleOnly;
    HWND found;
    int count;
};

BOOL CALLBACK matchTopWindow(HWND window, LPARAM data) {
    auto* find = reinterpret_cast<WindowSearch*>(data);
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    if (processId != find->processId || (find->visibleOnly && !IsWindowVisible(window))) return TRUE;
    if (classOf(window) != find->className) return TRUE;
    if (find->owner != nullptr && GetWindow(window, GW_OWNER) != find->owner) return TRUE;
    if (find->found == nullptr) find->found = window;
    ++find->count;
    return TRUE;
}

WindowSearch searchTopWindows(const wchar_t* className, HWND owner, bool visibleOnly) {
    WindowSearch find{app.process.dwProcessId, className, owner, visibleOnly, nullptr, 0};
    EnumWindows(matchTopWindow, reinterpret_cast<LPARAM>(&find));
    return find;
}

HWND findTopWindow(const wchar_t* className, HWND owner) {
    return searchTopWindows(className, owner, true).found;
}

bool programRunning() {
    return WaitForSingleObject(app.process.hProcess, 0) == WAIT_TIMEOUT;
}

// Ends the program if it is still there and lets go of it.
void endProgram() {
    if (app.process.hProcess == nullptr) return;
    if (programRunning()) {
        say("the program is still running: ending it\n");
        TerminateProcess(app.process.hProcess, 3);
        WaitForSingleObject(app.process.hProcess, 5000);
    }
    CloseHandle(app.process.hProcess);
    CloseHandle(app.process.hThread);
    app = App{};
}

// Prints the tally; the exit code.
int finish() {
    endProgram();
    say("window end-to-end: %d passed, %d failed\n", passedCount, failedCount);
    return failedCount == 0 && passedCount > 0 ? 0 : 1;
}

// Posted messages are handled in order: once this one is, so is everything
// posted before it, even inside a message box's modal loop.
void sync() {
    const WPARAM mark = 20000 + (++app.barrier % 1000);
    PostMessageW(app.report, EM_SETLIMITTEXT, mark, 0);
    const bool done = waitUntil(
        [&] { return sendTo(app.report, EM_GETLIMITTEXT, 0, 0) == static_cast<LRESULT>(mark); }, 10000);
    // A program that no longer answers would only make every later step wait.
    if (!expect(done, "the program answers")) std::exit(finish());
}

HWND focusOfProgram() {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(app.thread, &info)) return nullptr;
    return info.hwndFocus;
}

void postKey(HWND window, WPARAM key) {
    PostMessageW(window, WM_KEYDOWN, key, 1);
    PostMessageW(window, WM_KEYUP, key, static_cast<LPARAM>(0xC0000001u));
}

void click(HWND button) {
    PostMessageW(button, BM_CLICK, 0, 0);
}

// Through the system's input queue, as the mouse and the keyboard deliver them.
void mouseClick(HWND control) {
    RECT box;
    GetWindowRect(control, &box);
    SetCursorPos((box.left + box.right) / 2, (box.top + box.bottom) / 2);
    INPUT input[2]{};
    input[0].type = input[1].type = INPUT_MOUSE;
    input[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    input[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(2, input, sizeof(INPUT));
}

void pressKey(WORD key) {
    INPUT input[2]{};
    input[0].type = input[1].type = INPUT_KEYBOARD;
    input[0].ki.wVk = input[1].ki.wVk = key;
    input[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, input, sizeof(INPUT));
}

struct MessageBoxSeen {
    bool shown;
    std::wstring caption;
    std::wstring text;
};

// Waits for a message box owned by the main window, reads it and closes it.
MessageBoxSeen takeMessageBox() {
    MessageBoxSeen seen{false, {}, {}};
    HWND box = nullptr;
    if (!waitUntil([&] { return (box = findTopWindow(L"#32770", app.main)) != nullptr; }, 10000)) return seen;
    seen.shown = true;
    wchar_t caption[256] = L"";
    GetWindowTextW(box, caption, 256);
    seen.caption = caption;
    waitUntil([&] { return !textOf(GetDlgItem(box, 0xFFFF)).empty(); }, 5000);
    seen.text = textOf(GetDlgItem(box, 0xFFFF));
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    expect(waitUntil([&] { return !IsWindow(box); }, 10000), "the message box closes");
    sync();
    return seen;
}

void expectMessageBox(const wchar_t* caption, const std::wstring& text, const std::string& what) {
    const MessageBoxSeen seen = takeMessageBox();
    if (!expect(seen.shown, what + ": a message box appears")) return;
    expectText(seen.caption, caption, what + ": caption");
    expectText(seen.text, text, what + ": text");
}

// A box is created before its modal loop runs, so once sync() returns any box
// there is to see exists, shown or not yet.
void expectNoMessageBox(const std::string& what) {
    sync();
    HWND box = searchTopWindows(L"#32770", nullptr, false).found;
    if (!expect(box == nullptr, what + ": no message box")) PostMessageW(box, WM_COMMAND, IDOK, 0);
}

// ---- Clipboard

HWND clipboardOwner = nullptr;

bool openClipboard() {
    return waitUntil([] { return OpenClipboard(clipboardOwner) != FALSE; }, 5000);
}

bool putOnClipboard(const std::wstring& text) {
    if (!openClipboard()) return false;
    EmptyClipboard();
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
    bool ok = false;
    if (block != nullptr) {
        auto* target = static_cast<wchar_t*>(GlobalLock(block));
        std::wmemcpy(target, text.c_str(), text.size() + 1);
        GlobalUnlock(block);
        ok = SetClipboardData(CF_UNICODETEXT, block) != nullptr;
        if (!ok) GlobalFree(block);
    }
    CloseClipboard();
    return ok;
}

std::wstring clipboardText() {
    if (!openClipboard()) return L"<clipboard busy>";
    std::wstring text = L"<no text>";
    HANDLE data = GetClipboardData(CF_UNICODETEXT);
    if (data != nullptr) {
        const auto* words = static_cast<const wchar_t*>(GlobalLock(data));
        if (words != nullptr) text = words;
        GlobalUnlock(data);
    }
    CloseClipboard();
    return text;
}

// ---- Screen

struct Shot {
    int width = 0, height = 0;
    std::vector<DWORD> pixels; // 0x00RRGGBB, top row first
    COLORREF at(int x, int y) const {
        const DWORD p = pixels[static_cast<size_t>(y) * width + x];
        return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
    }
};

Shot grabScreen(int x, int y, int width, int height) {
    Shot shot;
    shot.width = width;
    shot.height = height;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, x, y, SRCCOPY);
    GdiFlush();
    const auto* source = static_cast<const DWORD*>(bits);
    shot.pixels.assign(source, source + static_cast<size_t>(width) * height);
    for (DWORD& p : shot.pixels)
        p &= 0x00FFFFFF;
    SelectObject(memory, previous);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return shot;
}

bool paintPending() {
    if (GetUpdateRect(app.main, nullptr, FALSE)) return true;
    for (HWND child : app.children)
        if (GetUpdateRect(child, nullptr, FALSE)) return true;
    return false;
}

Shot grabArea(const RECT& area) {
    return grabScreen(area.left, area.top, area.right - area.left, area.bottom - area.top);
}

// The screen once the program has painted and the picture holds still.
Shot settledShot(const RECT& area) {
    sync();
    waitUntil([] { return !paintPending(); }, 5000);
    Sleep(150);
    Shot last = grabArea(area);
    for (int i = 0; i < 30; ++i) {
        Sleep(100);
        Shot next = grabArea(area);
        if (next.pixels == last.pixels) return next;
        last = next;
    }
    return last; // a blinking caret never holds still
}

// A settled picture that shows what is expected, or the last one after a time-out.
template <typename Condition> Shot shotShowing(const RECT& area, Condition condition) {
    Shot shot = settledShot(area);
    const ULONGLONG deadline = GetTickCount64() + 5000;
    while (!condition(shot) && GetTickCount64() < deadline) {
        Sleep(200);
        shot = grabArea(area);
    }
    return shot;
}

RECT clientOnScreen() {
    POINT origin{0, 0};
    ClientToScreen(app.main, &origin);
    return RECT{origin.x, origin.y, origin.x + 1020, origin.y + 720};
}

std::wstring artifactFolder;

void writeBmp(const Shot& shot, const std::wstring& name) {
    const std::wstring path = artifactFolder + L"\\" + name;
    FILE* file = _wfopen(path.c_str(), L"wb");
    if (!expect(file != nullptr, "artifact " + utf8(path) + " can be written")) return;
    const DWORD imageBytes = static_cast<DWORD>(shot.pixels.size() * 4);
    BITMAPFILEHEADER header{};
    header.bfType = 0x4D42;
    header.bfOffBits = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER);
    header.bfSize = header.bfOffBits + imageBytes;
    BITMAPINFOHEADER info{};
    info.biSize = sizeof info;
    info.biWidth = shot.width;
    info.biHeight = -shot.height;
    info.biPlanes = 1;
    info.biBitCount = 32;
    info.biCompression = BI_RGB;
    info.biSizeImage = imageBytes;
    std::fwrite(&header, sizeof header, 1, file);
    std::fwrite(&info, sizeof info, 1, file);
    std::fwrite(shot.pixels.data(), 4, shot.pixels.size(), file);
    std::fclose(file);
}

std::string colourName(COLORREF c) {
    return "RGB(" + std::to_string(GetRValue(c)) + "," + std::to_string(GetGValue(c)) + "," +
           std::to_string(GetBValue(c)) + ")";
}

void expectPixel(const Shot& shot, int x, int y, COLORREF expected, const std::string& what) {
    const COLORREF actual = shot.at(x, y);
    expect(actual == expected, what + " at (" + std::to_string(x) + "," + std::to_string(y) + ")",
           "expected " + colourName(expected) + ", got " + colourName(actual));
}

int countPixels(const Shot& shot, const RECT& box, COLORREF colour) {
    int count = 0;
    for (int y = box.top; y < box.bottom; ++y)
        for (int x = box.left; x < box.right; ++x)
            count += shot.at(x, y) == colour;
    return count;
}

// Pixels of the box that are not the given background.
int countInk(const Shot& shot, const RECT& box, COLORREF background) {
    const int all = (box.right - box.left) * (box.bottom - box.top);
    return all - countPixels(shot, box, background);
}

// Pixels of the box where text of the colour over the background shows in full. Text is drawn
// smoothed, in the colour only where a stroke covers a whole pixel: at least 80 % of the way from the
// background in its strongest channel, no channel past the colour by more than 10 %.
int countTextPixels(const Shot& shot, const RECT& box, COLORREF colour, COLORREF background) {
    int count = 0;
    for (int y = box.top; y < box.bottom; ++y)
        for (int x = box.left; x < box.right; ++x) {
            const COLORREF p = shot.at(x, y);
            double strongest = 0, furthest = 0;
            for (int shift = 0; shift < 24; shift += 8) {
                const int b = (background >> shift) & 0xFF, c = (colour >> shift) & 0xFF;
                if (std::abs(b - c) < 32) continue;
                const double part = static_cast<double>(b - static_cast<int>((p >> shift) & 0xFF)) / (b - c);
                strongest = std::max(strongest, part);
                furthest = std::max(furthest, std::abs(part - 0.5));
            }
            count += strongest >= 0.8 && furthest <= 0.6;
        }
    return count;
}

constexpr COLORREF kBackground = RGB(244, 247, 249);
constexpr COLORREF kHeader = RGB(0, 108, 150);
constexpr COLORREF kAccent = RGB(0, 132, 176);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kOutline = RGB(218, 226, 232);
constexpr COLORREF kUnderline = RGB(228, 234, 238);
constexpr COLORREF kFooter = RGB(236, 241, 244);
constexpr COLORREF kMuted = RGB(120, 132, 142);
constexpr COLORREF kBody = RGB(44, 56, 66);
constexpr COLORREF kLevelColours[] = {RGB(0, 128, 96), RGB(176, 132, 0), RGB(214, 108, 0), RGB(190, 30, 45)};
constexpr RECT kVerdictBox{492, 142, 984, 188};
constexpr RECT kStatusBox{740, 704, 1004, 720};

bool hasUnit(const InputField& field) {
    return field.unit != nullptr && field.unit[0] != L'\0';
}

void checkLayoutPixels(const Shot& shot) {
    expectPixel(shot, 760, 60, kHeader, "header band");
    expectPixel(shot, 1010, 80, kHeader, "header band, right end");
    expectPixel(shot, 3, 44, kAccent, "accent strip");
    expectPixel(shot, 8, 44, kHeader, "header band after the accent strip");
    expectPixel(shot, 10, 92, kBackground, "background under the header");
    expectPixel(shot, 468, 300, kBackground, "background between the panels");
    expectPixel(shot, 500, 654, kBackground, "background above the footer");
    expectPixel(shot, 30, 600, kWhite, "input panel");
    expectPixel(shot, 20, 300, kOutline, "input panel outline, left");
    expectPixel(shot, 459, 300, kOutline, "input panel outline, right");
    expectPixel(shot, 200, 96, kOutline, "input panel outline, top");
    expectPixel(shot, 200, 647, kOutline, "input panel outline, bottom");
    expectPixel(shot, 990, 600, kWhite, "result panel");
    expectPixel(shot, 476, 300, kOutline, "result panel outline, left");
    expectPixel(shot, 999, 300, kOutline, "result panel outline, right");
    expectPixel(shot, 400, 133, kUnderline, "left heading underline");
    expectPixel(shot, 900, 133, kUnderline, "right heading underline");
    expectPixel(shot, 900, 680, kFooter, "footer band");
    expectPixel(shot, 10, 662, kFooter, "footer band, left");
    expectPixel(shot, 24, 672, RGB(0, 122, 168), "Calculate button fill");
    expectPixel(shot, 20, 668, RGB(0, 106, 148), "Calculate button outline");
    expectPixel(shot, 190, 672, kWhite, "Save button fill");
    expectPixel(shot, 184, 668, RGB(206, 216, 224), "Save button outline");
    expect(countPixels(shot, RECT{26, 12, 726, 50}, kWhite) > 100, "the title is drawn in white");
    expect(countInk(shot, RECT{780, 8, 994, 34}, kHeader) > 20, "the web address is drawn");
    expect(countTextPixels(shot, RECT{36, 104, 336, 133}, kHeader, kWhite) > 20, "the left heading is drawn");
    expect(countTextPixels(shot, RECT{20, 668, 172, 708}, kWhite, RGB(0, 122, 168)) > 20,
           "the Calculate caption is white");
    expect(countInk(shot, kStatusBox, kFooter) > 20, "the status line is drawn");

    // Control colours: every control on a white background, texts by role;
    // the input rows' boxes cover the first two rows, where a tool has them.
    const ToolDef& tool = *current.tool;
    const bool rows = tool.inputCount > 0;
    const bool units = (rows && hasUnit(tool.inputs[0])) || (tool.inputCount > 1 && hasUnit(tool.inputs[1]));
    const struct {
        bool present;
        RECT box;
        COLORREF colour;
        const char* what;
    } texts[] = {
        {rows, {24, 151, 208, 173}, kMuted, "input labels"},
        {units, {374, 150, 452, 206}, kMuted, "unit labels"},
        {rows, {218, 148, 366, 205}, kBody, "input texts"},
        {true, {494, 198, 966, 426}, kBody, "report text"},
        {true, {492, 444, 984, 564}, kBody, "caution note"},
        {true, {492, 576, 984, 632}, kMuted, "reference line"},
    };
    for (const auto& t : texts) {
        if (!t.present) continue;
        const int count = countTextPixels(shot, t.box, t.colour, kWhite);
        expect(count > 5, std::string(t.what) + " in " + colourName(t.colour),
               std::to_string(count) + " pixels");
    }
    expectPixel(shot, 980, 146, kWhite, "verdict label background");
    expectPixel(shot, 980, 560, kWhite, "caution label background");
}

bool verdictInColour(const Shot& shot, const RECT& box, int level) {
    for (int other = 0; other < 4; ++other) {
        const int count = countPixels(shot, box, kLevelColours[other]);
        if (other == level ? count <= 30 : count != 0) return false;
    }
    return true;
}

void checkVerdictColour(const Shot& shot, int level, const RECT& box = kVerdictBox) {
    for (int other = 0; other < 4; ++other) {
        const int count = countPixels(shot, box, kLevelColours[other]);
        if (other == level)
            expect(count > 30, "verdict drawn in the colour of level " + std::to_string(level),
                   std::to_string(count) + " pixels");
        else
            expectNumber(count, 0, "no verdict pixels in the colour of level " + std::to_string(other));
    }
}

Shot verdictShot(const RECT& area, int level) {
    return shotShowing(area, [level](const Shot& shot) {
        return countPixels(shot, kVerdictBox, kLevelColours[level]) > 30;
    });
}

// The verdict label alone, grabbed until it shows the level (or a time-out):
// far quicker than a settled picture of the whole window.
void checkVerdictLevel(int level) {
    sync();
    waitUntil([] { return !paintPending(); }, 5000);
    POINT origin{kVerdictBox.left, kVerdictBox.top};
    ClientToScreen(app.main, &origin);
    const RECT box{0, 0, kVerdictBox.right - kVerdictBox.left, kVerdictBox.bottom - kVerdictBox.top};
    Shot shot;
    waitUntil(
        [&] {
            shot = grabScreen(origin.x, origin.y, box.right, box.bottom);
            return verdictInColour(shot, box, level);
        },
        5000);
    checkVerdictColour(shot, level, box);
}

// Ink left of x 880 in the status line: the copy failure text reaches there,
// the success text does not.
constexpr RECT kStatusLeft{760, 704, 880, 720};

Shot statusShot(const RECT& area, bool longText) {
    return shotShowing(area, [longText](const Shot& shot) {
        return (countInk(shot, kStatusLeft, kFooter) > 20) == longText;
    });
}

// ---- Record file

std::wstring recordFilePath(int number) {
    wchar_t appData[MAX_PATH] = L"";
    SHGetFolderPathW(nullptr, CSIDL_LOCAL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, appData);
    wchar_t name[32];
    std::swprintf(name, 32, L"T%03d.csv", number);
    return std::wstring(appData) + L"\\TavoMedSuite\\records\\" + name;
}

std::string readFile(const std::wstring& path) {
    std::string bytes;
    FILE* file = _wfopen(path.c_str(), L"rb");
    if (file == nullptr) return bytes;
    char buffer[4096];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, file)) > 0)
        bytes.append(buffer, n);
    std::fclose(file);
    return bytes;
}

std::wstring localTimeText() {
    SYSTEMTIME t;
    GetLocalTime(&t);
    wchar_t text[32];
    std::swprintf(text, 32, L"%04u-%02u-%02u %02u:%02u:%02u", t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute,
                  t.wSecond);
    return text;
}

// ---- Steps shared by every program

constexpr wchar_t kPrompt[] = L"填写左侧参数，点击“计算”";
constexpr wchar_t kNoResultCopy[] = L"请先点击“计算”生成结果。";
constexpr wchar_t kNoResultSave[] = L"请先点击“计算”生成结果，再保存记录。";
constexpr wchar_t kSaved[] = L"本次结果已追加保存到本地记录（CSV，可用 Excel 打开）。";

struct WantedControl {
    const wchar_t* className;
    DWORD exStyle, style;
    int x, y, width, height, id;
    std::wstring text;
};

std::wstring defaultText(double value) {
    wchar_t text[64];
    std::swprintf(text, 64, L"%.6g", value);
    return text;
}

std::wstring choiceText(const InputChoice& choice) {
    wchar_t text[200];
    std::swprintf(text, 200, L"%g %ls", choice.value, choice.text);
    return text;
}

int defaultChoice(const InputField& field) {
    for (int c = 0; c < field.choiceCount; ++c)
        if (field.choices[c].value == field.defaultValue) return c;
    return -1;
}

std::wstring dateText(int64_t day) {
    const CivilDate date = civilFromDays(day);
    wchar_t text[32];
    std::swprintf(text, 32, L"%04lld-%02d-%02d", static_cast<long long>(date.year), date.month, date.day);
    return text;
}

// The system's date, read here, not through the program's clock.
std::wstring systemDateText() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    wchar_t text[32];
    std::swprintf(text, 32, L"%04u-%02u-%02u", now.wYear, now.wMonth, now.wDay);
    return text;
}

// A box's text at start and after Reset: today for a fillToday date, a date as YYYY-MM-DD.
std::wstring boxDefault(const InputField& field) {
    if (field.fillToday) return systemDateText();
    if (field.isDate) return dateText(static_cast<int64_t>(field.defaultValue));
    return defaultText(field.defaultValue);
}

// The text a box shows, or the item a list shows, for the input's default.
std::wstring defaultShown(const InputField& field) {
    const int c = defaultChoice(field);
    return field.choiceCount == 0 ? boxDefault(field)
           : c < 0                ? L"<no default item>"
                                  : choiceText(field.choices[c]);
}

// The controls the window should have for a tool, in creation order.
std::vector<WantedControl> expectedControls(const ToolDef& tool) {
    std::vector<WantedControl> rows;
    for (int i = 0; i < tool.inputCount; ++i) {
        const InputField& field = tool.inputs[i];
        const int top = 150 + (tool.inputCount > 15 ? 31 : 34) * i; // sixteen rows close up
        rows.push_back({L"Static", 0, 0x50000002, 24, top + 1, 184, 22, 0, field.label});
        // A list's closed height follows its font: not written out. The system
        // hands WS_VSCROLL on to the dropped list.
        if (field.choiceCount > 0) {
            rows.push_back(
                {L"ComboBox", 0, 0x50000003, 216, top - 4, 236, -1, 2000 + i, defaultShown(field)});
            continue;
        }
        rows.push_back({L"Edit", 0x200, 0x50000080, 216, top - 4, 152, 27, 2000 + i, boxDefault(field)});
        if (hasUnit(field)) rows.push_back({L"Static", 0, 0x50000000, 374, top, 78, 22, 0, field.unit});
    }
    const WantedControl rest[] = {
        {L"Static", 0, 0x50000000, 492, 142, 492, 46, 0, kPrompt},
        {L"Edit", 0x200, 0x50200844, 492, 196, 492, 232, 3000, L""},
        {L"Edit", 0, 0x50000804, 492, 444, 492, 120, 0, tool.caution != nullptr ? tool.caution : L""},
        {L"Static", 0, 0x50000000, 492, 576, 492, 56, 0, std::wstring(L"参考依据：") + tool.reference},
        {L"Button", 0, 0x5000000B, 20, 668, 152, 40, 1001, L"计算 (F5)"},
        {L"Button", 0, 0x5000000B, 184, 668, 132, 40, 1002, L"保存记录"},
        {L"Button", 0, 0x5000000B, 328, 668, 132, 40, 1003, L"复制结果"},
        {L"Button", 0, 0x5000000B, 472, 668, 132, 40, 1004, L"清空重填"},
        {L"Button", 0, 0x5000000B, 616, 668, 110, 40, 1005, L"关于"},
    };
    rows.insert(rows.end(), std::begin(rest), std::end(rest));
    return rows;
}

// Starts the program and waits for its window of the class; a start may fail
// under load before the program shows anything: it is tried once more.
bool launchProgram(const std::wstring& program, const wchar_t* className) {
    for (int attempt = 1;; ++attempt) {
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        std::wstring commandLine = L"\"" + program + L"\"";
        if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                            &startup, &app.process)) {
            const DWORD error = GetLastError();
            if (attempt == 1) {
                say("[%s] CreateProcessW error %lu: starting it once more\n", context.c_str(), error);
                continue;
            }
            expect(false, "the program starts", "CreateProcessW error " + std::to_string(error));
            return false;
        }
        WaitForInputIdle(app.process.hProcess, 30000);
        waitUntil(
            [&] { return (app.main = findTopWindow(className, nullptr)) != nullptr || !programRunning(); },
            30000);
        if (app.main != nullptr) break;
        const bool ended = !programRunning();
        DWORD code = 0;
        GetExitCodeProcess(app.process.hProcess, &code);
        if (attempt == 1 && ended) {
            say("[%s] the program ended at start with exit code %lu: starting it once more\n",
                context.c_str(), code);
            endProgram();
            continue;
        }
        expect(false, "the main window appears", ended ? "exit code " + std::to_string(code) : "time-out");
        return false;
    }
    app.thread = GetWindowThreadProcessId(app.main, nullptr);
    for (HWND child = GetWindow(app.main, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT))
        app.children.push_back(child);
    return true;
}

bool start(const std::wstring& program, const std::vector<WantedControl>& controls) {
    if (!launchProgram(program, L"TavoMedToolWnd")) return false;
    if (!expectNumber(static_cast<long long>(app.children.size()), static_cast<long long>(controls.size()),
                      "child controls"))
        return false;
    const size_t rows = controls.size() - 9;
    for (size_t i = 0; i < rows; ++i)
        if (controls[i].id >= 2000) app.inputs[app.inputCount++] = app.children[i];
    HWND* const fixed[] = {&app.verdict, &app.report, &app.caution, &app.reference, &app.calculate,
                           &app.save,    &app.copy,   &app.reset,   &app.about};
    for (size_t i = 0; i < 9; ++i)
        *fixed[i] = app.children[rows + i];
    return true;
}

void checkWindow(const wchar_t* name) {
    step("window");
    expectText(classOf(app.main), L"TavoMedToolWnd", "class");
    wchar_t title[128] = L"";
    GetWindowTextW(app.main, title, 128);
    expectText(title, name, "title");
    const DWORD style = static_cast<DWORD>(GetWindowLongW(app.main, GWL_STYLE));
    // The system adds WS_CLIPSIBLINGS to every top-level window.
    expect((style & ~static_cast<DWORD>(WS_CLIPSIBLINGS)) == (0x00CA0000 | WS_VISIBLE), "style",
           "got " + hex(style));
    const DWORD exStyle = static_cast<DWORD>(GetWindowLongW(app.main, GWL_EXSTYLE));
    expect((exStyle & ~static_cast<DWORD>(WS_EX_WINDOWEDGE)) == 0, "extended style", "got " + hex(exStyle));

    RECT client;
    GetClientRect(app.main, &client);
    expectNumber(client.right - client.left, 1020, "client width");
    expectNumber(client.bottom - client.top, 720, "client height");
    RECT frame{0, 0, 1020, 720};
    AdjustWindowRect(&frame, 0x00CA0000, FALSE);
    RECT window;
    GetWindowRect(app.main, &window);
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    expectNumber(window.right - window.left, width, "window width");
    expectNumber(window.bottom - window.top, height, "window height");
    const int x = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
    const int y = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
    expectNumber(window.left, x < 0 ? 0 : x, "centred horizontally");
    expectNumber(window.top, y < 0 ? 0 : y, "centred vertically");

    // Neither larger nor smaller: the tracking size holds the frame.
    const SIZE tries[] = {{width + 200, height + 150}, {width - 300, height - 200}};
    for (const SIZE& size : tries) {
        SetWindowPos(app.main, nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        sync();
        GetClientRect(app.main, &client);
        expect(client.right == 1020 && client.bottom == 720, "the client area keeps its size",
               "asked for " + std::to_string(size.cx) + " x " + std::to_string(size.cy) + ", got " +
                   std::to_string(client.right) + " x " + std::to_string(client.bottom));
    }
    expect((style & (WS_THICKFRAME | WS_MAXIMIZEBOX)) == 0, "no sizing border, no maximize box");
    if (app.inputCount > 0)
        expect(focusOfProgram() == app.inputs[0], "the first input box has the focus");
    else
        expect(focusOfProgram() == app.calculate, "a tool without inputs has the focus on Calculate");
}

void checkControls(const std::vector<WantedControl>& expected) {
    for (size_t i = 0; i < app.children.size() && i < expected.size(); ++i) {
        const WantedControl& e = expected[i];
        HWND control = app.children[i];
        const std::string what = "control " + std::to_string(i) + " " + utf8(e.text);
        expect(_wcsicmp(classOf(control).c_str(), e.className) == 0, what + ": class",
               "got " + utf8(classOf(control)));
        expectNumber(GetDlgCtrlID(control), e.id, what + ": id");
        RECT box;
        GetWindowRect(control, &box);
        MapWindowPoints(nullptr, app.main, reinterpret_cast<POINT*>(&box), 2);
        expect(box.left == e.x && box.top == e.y && box.right - box.left == e.width &&
                   (e.height < 0 || box.bottom - box.top == e.height),
               what + ": position and size",
               "got " + std::to_string(box.left) + "," + std::to_string(box.top) + " " +
                   std::to_string(box.right - box.left) + " x " + std::to_string(box.bottom - box.top));
        DWORD style = static_cast<DWORD>(GetWindowLongW(control, GWL_STYLE));
        // The caution's scroll bar comes with its length; checkCautionReadable() holds it to that.
        if (control == app.caution) style &= ~static_cast<DWORD>(WS_VSCROLL);
        expect(style == e.style, what + ": style", "expected " + hex(e.style) + ", got " + hex(style));
        const DWORD exStyle = static_cast<DWORD>(GetWindowLongW(control, GWL_EXSTYLE));
        expect(exStyle == e.exStyle, what + ": extended style",
               "expected " + hex(e.exStyle) + ", got " + hex(exStyle));
        expectText(textOf(control), e.text, what + ": text");
    }
}

// A font of the windows' own table, made here: their font handles belong to their process.
HFONT ownFont(FontRole role) {
    static HFONT fonts[kFontCount] = {};
    const int index = static_cast<int>(role);
    if (fonts[index] == nullptr) fonts[index] = createFont(kFontTable[index]);
    return fonts[index];
}

// Pixels of one character drawn alone, black on white, in a picture like the screen's,
// that are at least a quarter dark in some channel.
int glyphInk(HDC dc, const DWORD* pixels, int side, wchar_t c) {
    const RECT all{0, 0, side, side};
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    TextOutW(dc, 4, 4, &c, 1);
    GdiFlush();
    int ink = 0;
    for (int i = 0; i < side * side; ++i) {
        const DWORD p = pixels[i];
        ink += std::min({p & 0xFF, (p >> 8) & 0xFF, (p >> 16) & 0xFF}) <= 191;
    }
    return ink;
}

// Every character of the windows' texts leaves ink at its font: drawn in black and white,
// a stroke thinner than a pixel (a dash at 12 to 14 px) can fall between pixel centres and vanish.
void checkGlyphs() {
    step("glyphs");
    struct Text {
        FontRole font;
        std::wstring text;
        int tool;
    };
    std::vector<Text> texts;
    auto table = std::make_unique<ControlTable>();
    auto plan = std::make_unique<PaintPlan>();
    wchar_t line[kToolDetailCapacity];
    for (const SuiteTool& t : kSuiteTools) {
        buildControlTable(t.tool(), *table);
        for (int i = 0; i < table->count; ++i)
            if (table->controls[i].font != FontRole::None && table->controls[i].text != nullptr)
                texts.push_back({table->controls[i].font, table->controls[i].text, t.number});
        wchar_t calculated[kStatusTextCapacity];
        composeCalculatedStatus(t.tool(), calculated, kStatusTextCapacity);
        for (const wchar_t* status :
             {kReadyStatus, static_cast<const wchar_t*>(calculated), kCopyFailedStatus}) {
            buildPaintPlan(t.tool(), status, 1020, 720, *plan);
            for (const PaintStep& s : plan->steps)
                if (s.kind == PaintKind::Text && s.text != nullptr)
                    texts.push_back({s.font, s.text, t.number});
        }
        composeToolDetail(t.tool(), line, kToolDetailCapacity);
        texts.push_back({FontRole::Label, line, t.number}); // the launcher's detail panel
        composeListLine(t.tool(), line, kToolDetailCapacity);
        texts.push_back({FontRole::Input, line, t.number}); // and its list
    }
    const char* const roles[kFontCount] = {"title",   "heading", "label",  "input",
                                           "verdict", "report",  "button", "small"};
    constexpr int kSide = 64;
    BITMAPINFO info{};
    info.bmiHeader = {sizeof info.bmiHeader, kSide, -kSide, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ oldBitmap = SelectObject(dc, bitmap);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(0, 0, 0));
    std::vector<bool> seen(static_cast<size_t>(kFontCount) << 16);
    std::string blank[kFontCount];
    int drawn = 0;
    for (const Text& t : texts) {
        const int role = static_cast<int>(t.font);
        SelectObject(dc, ownFont(t.font));
        for (wchar_t c : t.text) {
            if (std::iswspace(c) || c == L'\u3000' || seen[(static_cast<size_t>(role) << 16) | c]) continue;
            seen[(static_cast<size_t>(role) << 16) | c] = true;
            ++drawn;
            if (glyphInk(dc, static_cast<const DWORD*>(bits), kSide, c) == 0)
                blank[role] += " " + utf8(std::wstring(1, c)) + " (" + hex(c).substr(6) + ", tool " +
                               std::to_string(t.tool) + ")";
        }
    }
    SelectObject(dc, oldBitmap);
    DeleteObject(bitmap);
    DeleteDC(dc);
    for (int role = 0; role < kFontCount; ++role)
        expect(blank[role].empty(), std::string("every character leaves ink at the ") + roles[role] + " font",
               "blank:" + blank[role]);
    expect(drawn > 1000, "the windows' characters are drawn", std::to_string(drawn) + " drawn");
}

// Every line of the caution shows, or a scroll bar reaches it.
void checkCautionReadable() {
    RECT area;
    sendTo(app.caution, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&area));
    HDC dc = GetDC(app.caution);
    HGDIOBJ old = SelectObject(dc, ownFont(FontRole::Small));
    TEXTMETRICW metrics;
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, old);
    ReleaseDC(app.caution, dc);
    const long long lines = sendTo(app.caution, EM_GETLINECOUNT, 0, 0);
    const bool scrolls = (GetWindowLongW(app.caution, GWL_STYLE) & WS_VSCROLL) != 0;
    expect(scrolls || lines * metrics.tmHeight <= area.bottom - area.top, "the caution can be read whole",
           std::to_string(lines) + " lines");
    expect(!scrolls || lines * metrics.tmHeight > area.bottom - area.top, "a scroll bar only when needed");
}

void checkRefusalsBeforeAResult(const std::string& name) {
    step(name);
    expect(putOnClipboard(L"剪贴板原有内容"), "the driver can fill the clipboard");
    click(app.copy);
    expectMessageBox(L"提示", kNoResultCopy, "Copy");
    expectText(clipboardText(), L"剪贴板原有内容", "Copy leaves the clipboard alone");

    const std::string before = readFile(current.recordFile);
    click(app.save);
    expectMessageBox(L"提示", kNoResultSave, "Save");
    expect(readFile(current.recordFile) == before, "Save writes nothing");
}

void checkCopyGives(const std::wstring& expected) {
    expect(putOnClipboard(L"旧内容"), "the driver can fill the clipboard");
    click(app.copy);
    expectNoMessageBox("Copy");
    expectText(clipboardText(), expected, "clipboard after Copy");
}

// Saves and reads what the record file gained: the header when the file is
// new, then one record, its time the time of saving.
void checkSaveAppends(const std::wstring& header, const std::wstring& afterTime) {
    const std::string before = readFile(current.recordFile);
    const std::wstring earliest = localTimeText();
    click(app.save);
    expectMessageBox(L"已保存", kSaved, "Save");
    const std::wstring latest = localTimeText();
    const std::string after = readFile(current.recordFile);
    if (!expect(after.size() > before.size() && after.compare(0, before.size(), before) == 0,
                "the record file grows by appending", utf8(current.recordFile)))
        return;
    std::string added = after.substr(before.size());
    if (before.empty()) {
        const std::string head = "\xEF\xBB\xBF" + utf8(header);
        if (!expect(added.compare(0, head.size(), head) == 0, "a new file starts with BOM and header",
                    difference(widen(added.substr(0, head.size())), widen(head))))
            return;
        added = added.substr(head.size());
    }
    const std::wstring record = widen(added);
    const std::wstring time = record.substr(0, 19);
    expect(time.size() == 19 && time >= earliest && time <= latest, "the record's time is the time of saving",
           utf8(time) + " not in " + utf8(earliest) + " .. " + utf8(latest));
    expectText(record.size() > 19 ? record.substr(19) : record, afterTime, "the record after the time");
}

void checkAboutText(const std::wstring& text) {
    step("about");
    click(app.about);
    expectMessageBox(L"关于本工具", text, "About");
}

void checkClose() {
    step("close");
    PostMessageW(app.main, WM_CLOSE, 0, 0);
    const bool ended = WaitForSingleObject(app.process.hProcess, 15000) == WAIT_OBJECT_0;
    if (expect(ended, "the program ends after WM_CLOSE")) {
        DWORD code = 99;
        GetExitCodeProcess(app.process.hProcess, &code);
        expectNumber(code, 0, "exit code");
    }
}

// ---- Tab and Shift+Tab, as real key presses

void sendKeys(std::vector<INPUT> keys) {
    SetForegroundWindow(app.main);
    SendInput(static_cast<UINT>(keys.size()), keys.data(), sizeof(INPUT));
}

INPUT keyInput(WORD key, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    return input;
}

void pressTab(bool back) {
    std::vector<INPUT> keys;
    if (back) keys.push_back(keyInput(VK_SHIFT, false));
    keys.push_back(keyInput(VK_TAB, false));
    keys.push_back(keyInput(VK_TAB, true));
    if (back) keys.push_back(keyInput(VK_SHIFT, true));
    sendKeys(keys);
}

// Each character by its own key, Shift held where the layout needs it.
void typeKeys(const std::wstring& text) {
    std::vector<INPUT> keys;
    for (wchar_t c : text) {
        const SHORT scan = VkKeyScanW(c);
        const bool shift = (scan & 0x100) != 0;
        if (shift) keys.push_back(keyInput(VK_SHIFT, false));
        keys.push_back(keyInput(static_cast<WORD>(scan & 0xFF), false));
        keys.push_back(keyInput(static_cast<WORD>(scan & 0xFF), true));
        if (shift) keys.push_back(keyInput(VK_SHIFT, true));
    }
    sendKeys(keys);
}

// Input events come after posted messages: wait for what they do, not for sync().
bool focusReaches(HWND control) {
    return waitUntil([&] { return focusOfProgram() == control; }, 5000);
}

// The focus is on the control, a box with its whole text selected.
void expectFocusOn(HWND control, const std::string& what) {
    if (!expect(focusReaches(control), what + ": the focus", hex(GetDlgCtrlID(focusOfProgram())))) return;
    if (classOf(control) != L"Edit") return;
    const LRESULT selection = sendTo(control, EM_GETSEL, 0, 0);
    expect(LOWORD(selection) == 0 && HIWORD(selection) == textOf(control).size(),
           what + ": the whole text selected",
           std::to_string(LOWORD(selection)) + ".." + std::to_string(HIWORD(selection)));
}

std::vector<HWND> tabStops() {
    std::vector<HWND> stops(app.inputs, app.inputs + app.inputCount);
    for (HWND button : {app.calculate, app.save, app.copy, app.reset, app.about})
        stops.push_back(button);
    return stops;
}

// Once round and back: the inputs in table order, then the buttons; both wrap.
void checkTabOrder() {
    step("tab order");
    const std::vector<HWND> stops = tabStops();
    const size_t n = stops.size();
    expectFocusOn(stops[0], "on opening");
    for (size_t i = 1; i <= n; ++i) {
        pressTab(false);
        expectFocusOn(stops[i % n], "Tab " + std::to_string(i));
    }
    pressTab(true);
    expectFocusOn(stops[n - 1], "Shift+Tab from the first stop");
    pressTab(true);
    expectFocusOn(stops[n - 2], "Shift+Tab again");
    pressTab(false);
    pressTab(false);
    expectFocusOn(stops[0], "Tab twice, round to the first stop");
    expectText(textOf(app.report), L"", "Tab calculates nothing");
}

// ---- The steps of tool 119, written out in full

constexpr wchar_t kCaution[] = L"运动员、水肿、妊娠、肌肉减少人群需结合人体成分判断。";

struct Outcome {
    const wchar_t* height;
    const wchar_t* weight;
    const wchar_t* report;
    const wchar_t* verdict;
    int level;
};

constexpr Outcome kDefaults{L"170", L"65",
                            L"BMI：22.49 kg/m2\r\n理想体重：65.0 kg\r\n与理想体重差：0.0 %\r\n",
                            L"体重正常，保持均衡饮食与运动", 0};
constexpr Outcome kUnderweight{L"170", L"50",
                               L"BMI：17.30 kg/m2\r\n理想体重：65.0 kg\r\n与理想体重差：-23.1 %\r\n",
                               L"体重偏低，建议 NRS2002 筛查", 1};
constexpr Outcome kOverweight{L"170", L"75",
                              L"BMI：25.95 kg/m2\r\n理想体重：65.0 kg\r\n与理想体重差：15.4 %\r\n",
                              L"超重，控制总能量并增加有氧运动", 1};
constexpr Outcome kObese{L"170", L"90", L"BMI：31.14 kg/m2\r\n理想体重：65.0 kg\r\n与理想体重差：38.5 %\r\n",
                         L"肥胖，评估代谢指标并制定减重计划", 2};

void setInputs(const wchar_t* height, const wchar_t* weight) {
    setText(app.inputs[0], height);
    setText(app.inputs[1], weight);
}

void expectShown(const Outcome& outcome, const std::string& what) {
    expectText(textOf(app.report), outcome.report, what + ": report");
    expectText(textOf(app.verdict), outcome.verdict, what + ": verdict");
}

void checkControls119() {
    step("controls");
    checkControls({
        {L"Static", 0, 0x50000002, 24, 151, 184, 22, 0, L"身高"},
        {L"Edit", 0x200, 0x50000080, 216, 146, 152, 27, 2000, L"170"},
        {L"Static", 0, 0x50000000, 374, 150, 78, 22, 0, L"cm"},
        {L"Static", 0, 0x50000002, 24, 185, 184, 22, 0, L"体重"},
        {L"Edit", 0x200, 0x50000080, 216, 180, 152, 27, 2001, L"65"},
        {L"Static", 0, 0x50000000, 374, 184, 78, 22, 0, L"kg"},
        {L"Static", 0, 0x50000000, 492, 142, 492, 46, 0, kPrompt},
        {L"Edit", 0x200, 0x50200844, 492, 196, 492, 232, 3000, L""},
        {L"Edit", 0, 0x50000804, 492, 444, 492, 120, 0, kCaution},
        {L"Static", 0, 0x50000000, 492, 576, 492, 56, 0, L"参考依据：《中国成人超重和肥胖症预防控制指南》"},
        {L"Button", 0, 0x5000000B, 20, 668, 152, 40, 1001, L"计算 (F5)"},
        {L"Button", 0, 0x5000000B, 184, 668, 132, 40, 1002, L"保存记录"},
        {L"Button", 0, 0x5000000B, 328, 668, 132, 40, 1003, L"复制结果"},
        {L"Button", 0, 0x5000000B, 472, 668, 132, 40, 1004, L"清空重填"},
        {L"Button", 0, 0x5000000B, 616, 668, 110, 40, 1005, L"关于"},
    });
}

void checkCalculate(const RECT& screenClient) {
    step("calculate by the button");
    click(app.calculate);
    expectNoMessageBox("Calculate");
    expectShown(kDefaults, "defaults");
    expect(focusOfProgram() == app.main, "the focus is on the main window");
    Shot shot = verdictShot(screenClient, 0);
    writeBmp(shot, L"window-after-calculate.bmp");
    checkLayoutPixels(shot);
    checkVerdictColour(shot, 0);

    step("keys while the main window has the focus");
    setInputs(kObese.height, kObese.weight);
    postKey(app.main, VK_F5);
    postKey(app.main, VK_RETURN);
    sync();
    expectShown(kDefaults, "F5 and Enter to the main window");

    step("F5 in an input box");
    postKey(app.inputs[1], VK_F5);
    sync();
    expectShown(kObese, "obese");
    shot = verdictShot(screenClient, 2);
    writeBmp(shot, L"window-level-2.bmp");
    checkVerdictColour(shot, 2);

    step("Enter in an input box");
    setInputs(kUnderweight.height, kUnderweight.weight);
    postKey(app.inputs[0], VK_RETURN);
    sync();
    expectShown(kUnderweight, "underweight");
    shot = verdictShot(screenClient, 1);
    writeBmp(shot, L"window-level-1.bmp");
    checkVerdictColour(shot, 1);

    step("Enter on a button");
    setInputs(kOverweight.height, kOverweight.weight);
    postKey(app.about, VK_RETURN);
    expectNoMessageBox("Enter on the About button runs Calculate only");
    expectShown(kOverweight, "overweight");
    step("F5 in the report box");
    setInputs(kDefaults.height, kDefaults.weight);
    postKey(app.report, VK_F5);
    sync();
    expectShown(kDefaults, "defaults again");
}

void checkInputErrors() {
    step("input errors");
    setInputs(kObese.height, kObese.weight);
    click(app.calculate);
    sync();
    expectShown(kObese, "a result to keep");
    const struct {
        const wchar_t* height;
        const wchar_t* weight;
        int field;
        const wchar_t* message;
        int how; // 0 button, 1 F5, 2 Enter
    } cases[] = {
        {L"inf", L"65", 0, L"第 1 项“身高”请输入数字。", 0},
        {L"170", L"1e999", 1, L"第 2 项“体重”请输入数字。", 1},
        {L"nan", L"65", 0, L"第 1 项“身高”请输入数字。", 2},
        {L" 170", L"-NaN", 1, L"第 2 项“体重”请输入数字。", 0},
    };
    for (const auto& c : cases) {
        const std::string what = utf8(c.height) + " / " + utf8(c.weight);
        setInputs(c.height, c.weight);
        if (c.how == 0)
            click(app.calculate);
        else
            postKey(app.inputs[1 - c.field], c.how == 1 ? VK_F5 : VK_RETURN);
        if (c.how == 1) {
            // Keys in a message box are the box's own: no second Calculate.
            HWND box = nullptr;
            if (waitUntil([&] { return (box = findTopWindow(L"#32770", app.main)) != nullptr; }, 10000)) {
                postKey(box, VK_F5);
                sync();
                expectNumber(searchTopWindows(L"#32770", nullptr, false).count, 1, what + ": F5 in the box");
            }
        }
        expectMessageBox(L"输入有误", c.message, what);
        expect(focusOfProgram() == app.inputs[c.field], what + ": the focus is on the rejected box");
        expectShown(kObese, what + ": the previous result stays");
    }

    step("texts that are not quite numbers");
    const struct {
        const wchar_t* height;
        const wchar_t* weight;
        const wchar_t* report;
        const wchar_t* verdict;
    } lenient[] = {
        {L"170", L"12abc", L"BMI：4.15 kg/m2\r\n理想体重：65.0 kg\r\n与理想体重差：-81.5 %\r\n",
         L"体重偏低，建议 NRS2002 筛查"},
        // Empty boxes read 0: outside the plausible range, so the range verdict, not a clinical one.
        {L"170", L"", L"BMI：0.00 kg/m2\r\n理想体重：65.0 kg\r\n与理想体重差：-100.0 %\r\n",
         L"“体重”超出合理范围（0.2–700 kg），请核对数值与单位"},
        {L"   ", L"65",
         L"BMI：0.00 kg/m2\r\n理想体重：-105.0 kg\r\n与理想体重差：-161.9 "
         L"%\r\n（部分结果无法计算，请检查输入是否合理）\r\n",
         L"“身高”超出合理范围（110–280 cm），请核对数值与单位"},
        {L"1.7e2", L"6.5e1kg", kDefaults.report, kDefaults.verdict},
    };
    for (const auto& c : lenient) {
        const std::string what = utf8(c.height) + " / " + utf8(c.weight);
        setInputs(c.height, c.weight);
        click(app.calculate);
        expectNoMessageBox(what);
        expectText(textOf(app.report), c.report, what + ": report");
        expectText(textOf(app.verdict), c.verdict, what + ": verdict");
    }
}

void checkCopy(const RECT& screenClient) {
    step("copy");
    setInputs(kDefaults.height, kDefaults.weight);
    click(app.calculate);
    sync();
    expectShown(kDefaults, "defaults");
    checkCopyGives(L"BMI 与体型判读\r\nBMI：22.49 kg/m2\r\n理想体重：65.0 kg\r\n与理想体重差：0.0 %\r\n—— "
                   L"体重正常，保持均衡饮食与运动");
    expectNumber(countInk(statusShot(screenClient, false), kStatusLeft, kFooter), 0,
                 "the short success status");

    step("copy while the clipboard is held");
    expect(putOnClipboard(L"占用中"), "the driver can fill the clipboard");
    if (expect(openClipboard(), "the driver holds the clipboard")) {
        click(app.copy);
        expectNoMessageBox("Copy");
        const Shot shot = statusShot(screenClient, true);
        writeBmp(shot, L"window-copy-failed.bmp");
        expect(countInk(shot, kStatusLeft, kFooter) > 20, "the status line reports the failure");
        CloseClipboard();
    }
    expectText(clipboardText(), L"占用中", "the clipboard is untouched");
}

void checkSave() {
    step("save");
    setInputs(kDefaults.height, kDefaults.weight);
    click(app.calculate);
    sync();
    expectShown(kDefaults, "defaults");
    // The record holds the values of the last Calculate, not the boxes' texts.
    setInputs(L"180", L"90");
    checkSaveAppends(
        L"时间,工具,身高,体重,结果\r\n",
        L",BMI 与体型判读,身高=170,体重=65,\"BMI：22.49 kg/m2\r\n理想体重：65.0 kg\r\n与理想体重差：0.0 "
        L"%\r\n\"\r\n");
}

void checkReset(const RECT& screenClient) {
    step("reset");
    setInputs(kObese.height, kObese.weight);
    click(app.calculate);
    sync();
    expectShown(kObese, "a result to forget");
    setInputs(L"1", L"2");
    click(app.reset);
    sync();
    expectFocusOn(app.inputs[0], "after Reset");
    expectText(textOf(app.inputs[0]), L"170", "height default");
    expectText(textOf(app.inputs[1]), L"65", "weight default");
    expectText(textOf(app.report), L"", "report emptied");
    expectText(textOf(app.verdict), kPrompt, "verdict prompt");
    expectText(textOf(app.caution), kCaution, "caution");
    checkVerdictColour(verdictShot(screenClient, 0), 0);
    checkRefusalsBeforeAResult("after reset");
}

void checkSteps119(const RECT& screenClient) {
    checkControls119();
    checkCalculate(screenClient);
    checkInputErrors();
    checkCopy(screenClient);
    checkSave();
    checkReset(screenClient);
    checkAboutText(
        L"BMI 与体型判读\r\n\r\n分类：营养评估\r\n参考依据：《中国成人超重和肥胖症预防控制指南》\r\n\r\n"
        L"本工具为临床辅助计算/记录工具，结果不能替代医师诊疗判断，\r\n"
        L"具体用药与处置请结合患者实际情况及本院规范执行。\r\n\r\n版本 V1.0    官网：tavomed.cn");
}

// ---- The suite and its cases

// Every program of the suite, its name written out.
struct SuiteProgram {
    int number;
    const wchar_t* name;
};

// clang-format off
constexpr SuiteProgram kPrograms[] = {
    {119, L"BMI 与体型判读"}, {201, L"护理排班表"}, {202, L"给药时间表"}, {203, L"采血顺序"},
    {204, L"检验危急值"}, {205, L"高警示药品"}, {206, L"输液配伍查询"}, {207, L"随访日期"},
    {208, L"手术安全核查"}, {209, L"交班报告模板"}, {210, L"静脉输液卡"}, {211, L"检验套餐"},
    {301, L"Braden 压力性损伤风险"}, {302, L"Morse 跌倒风险"}, {303, L"Barthel 指数（自理能力）"}, {304, L"NRS 2002 营养风险筛查"},
    {305, L"GCS 昏迷评分"}, {306, L"MEWS 改良早期预警评分"}, {307, L"Padua 静脉血栓风险"}, {308, L"CURB-65 肺炎严重度"},
    {309, L"CHA2DS2-VASc 卒中风险"}, {310, L"HAS-BLED 出血风险"}, {311, L"Child-Pugh 肝功能分级"}, {312, L"Apgar 新生儿评分"},
    {313, L"qSOFA 脓毒症快速筛查"}, {314, L"SOFA 序贯器官衰竭评分"}, {315, L"Wells DVT 评分"}, {316, L"Wells PE 评分"},
    {317, L"Caprini 静脉血栓风险"}, {318, L"Norton 压疮风险"}, {319, L"CPOT 重症疼痛观察"}, {320, L"RASS 镇静评分"},
    {321, L"eGFR（CKD-EPI 2021）"}, {322, L"肌酐清除率（Cockcroft-Gault）"}, {323, L"体表面积（BSA）"}, {324, L"白蛋白校正血钙"},
    {325, L"阴离子间隙"}, {326, L"血浆渗透压（计算）"}, {327, L"QTc 校正"}, {328, L"预测体重与潮气量"},
    {329, L"输液滴速计算"}, {330, L"烧伤补液（Parkland）"}, {331, L"儿童维持液（4-2-1）"}, {332, L"基础能量消耗"},
    {333, L"高血糖校正血钠"}, {334, L"游离水缺失"}, {335, L"钠排泄分数 FENa"}, {336, L"儿童按体重给药"},
    {341, L"NEWS2 早期预警评分"}, {342, L"APACHE II 评分"}, {343, L"NIHSS 卒中量表"}, {344, L"CAM-ICU 谵妄评估"},
    {345, L"BPS 行为疼痛量表"}, {346, L"FLACC 儿童疼痛评分"}, {347, L"洼田饮水试验"}, {348, L"改良 Aldrete 评分"},
    {349, L"Bishop 宫颈评分"}, {350, L"PHQ-9 抑郁筛查"}, {351, L"GAD-7 焦虑筛查"}, {352, L"GRACE 院内死亡风险"},
    {361, L"微量泵速度换算"}, {362, L"平均动脉压与休克指数"}, {363, L"肺泡-动脉氧分压差"}, {364, L"酸碱代偿（Winter 公式）"},
    {365, L"LDL-C（Friedewald）"}, {366, L"MELD 终末期肝病评分"}, {367, L"FIB-4 与 APRI 肝纤维化"}, {368, L"儿童 eGFR（Schwartz）"},
    {369, L"eGFR（中国改良 MDRD）"}, {370, L"糖皮质激素等效换算"}, {371, L"阿片类药物等效换算"}, {372, L"低钠补钠预测（Adrogue-Madias）"},
    {381, L"护理分级（自理能力与病情）"}, {382, L"Humpty Dumpty 儿童跌倒风险"}, {383, L"Killip 分级"}, {384, L"mRS 改良 Rankin 量表"},
    {385, L"ABCD2 TIA 卒中风险"}, {386, L"蛛网膜下腔出血分级"}, {387, L"Glasgow-Blatchford 上消化道出血评分"}, {388, L"BISAP 急性胰腺炎严重度"},
    {389, L"HEART 胸痛评分"}, {390, L"PEWS 儿童早期预警评分"}, {391, L"Braden Q 儿童压力性损伤风险"}, {392, L"MNA-SF 老年营养筛查"},
    {393, L"EPDS 爱丁堡产后抑郁量表"}, {394, L"PSI 肺炎严重度指数"}, {395, L"RCRI 改良心脏风险指数"}, {396, L"Charlson 合并症指数"},
    {397, L"改良 Centor 链球菌咽炎评分"}, {398, L"PERC 肺栓塞排除标准"}, {411, L"KDIGO 急性肾损伤分期"}, {412, L"脑出血量（多田公式）与 ICH 评分"},
    {413, L"静脉补钾浓度与速度核对"}, {414, L"普通肝素 aPTT 剂量调整"}, {415, L"阴离子间隙变化值与 Δ比值"}, {416, L"理想、校正与目标体重"},
    {417, L"QTc 线性校正公式对照"}, {418, L"吸氧浓度估算与氧合指数"}, {419, L"HOMA-IR 与 HOMA-β"},
    {421, L"预产期与孕周"}, {422, L"早孕超声核定孕周"}, {423, L"早产儿矫正年龄"},
};
// clang-format on

enum class How { Button, F5InFirstBox, EnterInLastBox, EnterOnFocusedButton };

constexpr unsigned kCopy = 1;  // then Copy: the clipboard holds the result
constexpr unsigned kSave = 2;  // then Save: the record file gains it
constexpr unsigned kDates = 4; // the report lists the follow-up dates from today

struct Case {
    int tool;
    const wchar_t* texts; // the input boxes' texts, ";" between them; null: as they stand
    How how;
    // Written out, so that a fault of the core cannot hide behind the core's own result.
    const wchar_t* contains; // a part of the report, or null
    const wchar_t* verdict;  // or null
    int level;               // -1: not written out
    int length;              // the report's length in units; 0: not written out
    const wchar_t* refusal;  // the input error shown instead of a result, or null
    unsigned also;
    const wchar_t* shot; // screenshot of the window, or null
};

constexpr How kButton = How::Button;
constexpr How kF5 = How::F5InFirstBox;
constexpr How kEnter = How::EnterInLastBox;

constexpr wchar_t kRosterHead[] =
    L"排班规则：三班轮转（白班 D / 夜班 N / 休息 R），每日每班 1 人，按人员顺序滚动。\r\n";
constexpr wchar_t kRosterVerdict[] = L"已生成轮转排班表，可复制到排班本或表格";
constexpr wchar_t kDosingVerdict[] = L"给药时间表已生成，注意首剂与夜间给药时间";
constexpr wchar_t kCollectionVerdict[] = L"按标准顺序采血可减少溶血与交叉污染";
constexpr wchar_t kCriticalVerdict[] = L"危急值必须闭环：报告、接收、处理、记录";
constexpr wchar_t kHighAlertVerdict[] = L"高警示药品须专区、专标识、双人核对";
constexpr wchar_t kForbidden[] = L"禁忌：不可同瓶输注，需间隔冲管";
constexpr wchar_t kNotRecorded[] = L"未收录明确禁忌，仍需核对院内配伍表";
constexpr wchar_t kFollowUpVerdict[] = L"随访计划已生成，可按日期短信提醒患者";
constexpr wchar_t kChecklistHead[] =
    L"手术安全核查表（三步核查）：\r\n【麻醉实施前】身份/部位/术式/知情同意；";
constexpr wchar_t kChecklistVerdict[] = L"三方核查缺一不可，签字后归档";
constexpr wchar_t kHandoverVerdict[] = L"模板已生成，床旁交接并双方签名";
constexpr wchar_t kCardVerdict[] = L"输液卡已生成，双人核对后执行";
constexpr wchar_t kPanelVerdict[] = L"套餐与采血管已列出，按顺序采血";
constexpr wchar_t kUrine[] = L"尿常规（清洁中段尿）：";
constexpr wchar_t kUnknownClass[] = L"高警示药品类别与要点：\r\n未收录的类别编号，请按提示输入 1-4。\r\n";
constexpr wchar_t kUnknownPanel[] = L"未收录的套餐编号，请按提示输入 1-6。\r\n";
constexpr wchar_t kEdd421[] = L"预产期：2026-06-08\r\n";
constexpr wchar_t kMidTerm[] = L"中期妊娠（14–27+6周）：按期产前检查";

const Case kCases[] = {
    {119, nullptr, kButton, L"BMI：22.49 kg/m2\r\n", L"体重正常，保持均衡饮食与运动", 0, 0, nullptr, 0,
     nullptr},
    {119, L"170;90", kEnter, L"BMI：31.14 kg/m2\r\n", L"肥胖，评估代谢指标并制定减重计划", 2, 0, nullptr, 0,
     nullptr},

    {201, nullptr, kButton,
     L"人员：6 人；周期：7 天\r\n\r\n护士01：\r\n  1日D 2日R 3日N 4日D 5日R 6日N 7日D \r\n护士02：",
     kRosterVerdict, 0, 0, nullptr, kCopy | kSave, L"window-201.bmp"},
    {201, L"40;31", kEnter, L"人员：40 人；周期：31 天\r\n", kRosterVerdict, 0, 6390, nullptr, kCopy | kSave,
     L"window-201-longest.bmp"},
    {201, L"2.7;0", kF5,
     L"人员：2 人；周期：1 天\r\n\r\n护士01：\r\n  1日D \r\n护士02：\r\n  1日N \r\n\r\n提示：",
     kRosterVerdict, 0, 0, nullptr, 0, nullptr},
    {201, L"-5;abc", kButton, L"人员：1 人；周期：1 天\r\n", kRosterVerdict, 0, 0, nullptr, 0, nullptr},
    {201, L"99;99", kButton, kRosterHead, kRosterVerdict, 0, 6390, nullptr, 0, nullptr},

    {202, nullptr, kButton,
     L"首剂时间 8:00，间隔 8 小时，共 3 次：\r\n第1天 08:00  |  第1天 16:00  |  第2天 00:00\r\n说明：",
     kDosingVerdict, 0, 0, nullptr, kCopy | kSave, L"window-202.bmp"},
    {202, L"7.5;7.5;3", kF5,
     L"首剂时间 7:30，间隔 7.5 小时，共 3 次：\r\n第1天 07:30  |  第1天 15:00  |  第1天 22:30\r\n",
     kDosingVerdict, 0, 0, nullptr, 0, nullptr},
    {202, L"-2;0;2.7", kEnter, L"首剂时间 0:00，间隔 8 小时，共 2 次：\r\n第1天 00:00  |  第1天 08:00\r\n",
     kDosingVerdict, 0, 0, nullptr, 0, nullptr},
    {202, L"22;6.25;40", kButton,
     L"首剂时间 22:00，间隔 6.25 小时，共 30 次：\r\n第1天 22:00  |  第2天 04:15  |", kDosingVerdict, 0, 0,
     nullptr, 0, nullptr},

    {203, nullptr, kButton, L"灰（血糖、乳酸）\r\n\r\n本次：血常规 → 紫管 EDTA，", kCollectionVerdict, 0, 0,
     nullptr, kCopy | kSave, L"window-203.bmp"},
    {203, L"6", kF5, L"\r\n本次：血糖/乳酸 → 灰管", kCollectionVerdict, 0, 0, nullptr, 0, nullptr},
    {203, L"2.7", kEnter, L"\r\n本次：凝血 → 淡蓝管", kCollectionVerdict, 0, 0, nullptr, 0, nullptr},
    {203, L"0", kButton, L"\r\n本次：其他项目，请按检验科项目手册执行。\r\n", kCollectionVerdict, 0, 0,
     nullptr, 0, nullptr},
    {203, L"-1", kButton, L"\r\n本次：其他项目，", kCollectionVerdict, 0, 0, nullptr, 0, nullptr},

    {204, nullptr, kButton, L"常见检验危急值（参考，需以本院文件为准）：\r\n血钾 <2.5 或 >6.5 mmol/L\r\n",
     kCriticalVerdict, 0, 0, nullptr, kCopy | kSave, L"window-204.bmp"},
    {204, L"6", kF5, L"：\r\n肌钙蛋白明显升高", kCriticalVerdict, 0, 0, nullptr, 0, nullptr},
    {204, L"3.9", kEnter, L"：\r\n白细胞 <1.0 或 >30.0 ×10^9/L\r\n", kCriticalVerdict, 0, 0, nullptr, 0,
     nullptr},
    {204, L"0", kButton, L"：\r\n请查阅本院《危急值报告目录》\r\n", kCriticalVerdict, 0, 0, nullptr, 0,
     nullptr},
    {204, L"-2", kButton, L"：\r\n请查阅本院《危急值报告目录》\r\n", kCriticalVerdict, 0, 0, nullptr, 0,
     nullptr},

    {205, nullptr, kButton, L"高警示药品类别与要点：\r\n高浓度电解质：10% 氯化钾", kHighAlertVerdict, 0, 0,
     nullptr, kCopy | kSave, L"window-205.bmp"},
    {205, L"4", kF5, L"：\r\n麻醉与肌松药：丙泊酚", kHighAlertVerdict, 0, 0, nullptr, 0, nullptr},
    {205, L"3.5", kEnter, L"：\r\n抗凝与化疗药：", kHighAlertVerdict, 0, 0, nullptr, 0, nullptr},
    {205, L"0", kButton, kUnknownClass, L"请核对类别编号", 1, 0, nullptr, 0, nullptr},
    {205, L"-7", kButton, kUnknownClass, L"请核对类别编号", 1, 0, nullptr, 0, nullptr},

    {206, nullptr, kButton, L"待查：1 号 头孢曲松  +  2 号 葡萄糖酸钙\r\n", kForbidden, 3, 0, nullptr,
     kCopy | kSave, L"window-206-level3.bmp"},
    {206, L"3;6", kF5, L"\r\n结论：不宜同瓶。万古霉素", L"不宜同瓶，分开输注并冲管", 2, 0, nullptr, 0,
     nullptr},
    {206, L"7;6", kEnter, L"待查：7 号 维生素C  +  6 号 奥美拉唑\r\n", L"建议分开输注", 1, 0, nullptr, 0,
     nullptr},
    {206, L"3;3", kButton, L"待查：3 号 万古霉素  +  3 号 万古霉素\r\n", kNotRecorded, 0, 0, nullptr, 0,
     nullptr},
    {206, L"11;2", kButton, L"待查：11 号 未收录药物  +  2 号 葡萄糖酸钙\r\n", kNotRecorded, 0, 0, nullptr, 0,
     nullptr},
    {206, L"abc;2", kButton, L"待查：0 号 未收录药物  +  2 号 葡萄糖酸钙\r\n", kNotRecorded, 0, 0, nullptr, 0,
     nullptr},
    {206, L"-1;10", kButton, L"待查：-1 号 未收录药物  +  10 号 多巴胺\r\n", kNotRecorded, 0, 0, nullptr, 0,
     nullptr},
    {206, L"9.9;2.1", kButton, L"待查：9 号 碳酸氢钠  +  2 号 葡萄糖酸钙\r\n", kForbidden, 3, 0, nullptr,
     kCopy, nullptr},
    {206, L"inf;2", kButton, nullptr, nullptr, -1, 0, L"第 1 项“药物 A 编号”请输入数字。", 0, nullptr},
    {206, L"1;1e999", kF5, nullptr, nullptr, -1, 0, L"第 2 项“药物 B 编号”请输入数字。", kSave, nullptr},
    {206, L"nan;2", kEnter, nullptr, nullptr, -1, 0, L"第 1 项“药物 A 编号”请输入数字。", 0, nullptr},

    {207, nullptr, kButton, L"随访节点（以今天为基准，起始第 7 天，间隔 30 天，共 3 次）：\r\n",
     kFollowUpVerdict, 0, 0, nullptr, kDates | kCopy | kSave, L"window-207.bmp"},
    {207, L"0;0;1", kF5, L"（以今天为基准，起始第 0 天，间隔 7 天，共 1 次）：\r\n", kFollowUpVerdict, 0, 0,
     nullptr, kDates, nullptr},
    {207, L"-3;2.7;2", kEnter, L"（以今天为基准，起始第 -3 天，间隔 2 天，共 2 次）：\r\n", kFollowUpVerdict,
     0, 0, nullptr, kDates, nullptr},
    {207, L"5;10;99", kButton, L"间隔 10 天，共 20 次）：\r\n", kFollowUpVerdict, 0, 0, nullptr, kDates,
     nullptr},

    {208, nullptr, kButton, kChecklistHead, kChecklistVerdict, 0, 0, nullptr, kCopy | kSave,
     L"window-208.bmp"},
    {208, nullptr, How::EnterOnFocusedButton, kChecklistHead, kChecklistVerdict, 0, 0, nullptr, 0, nullptr},

    {209, nullptr, kButton, L"需下一班关注）：\r\n01 床：诊断＿＿；体温＿℃ 脉搏＿次/分", kHandoverVerdict, 0,
     0, nullptr, kCopy | kSave, L"window-209.bmp"},
    {209, L"0", kF5, L"需下一班关注）：\r\n01 床：", kHandoverVerdict, 0, 0, nullptr, 0, nullptr},
    {209, L"31", kEnter, L"下一班关注＿＿。\r\n30 床：", kHandoverVerdict, 0, 0, nullptr, 0, nullptr},
    {209, L"2.7", kButton, L"下一班关注＿＿。\r\n02 床：", kHandoverVerdict, 0, 0, nullptr, 0, nullptr},

    {210, nullptr, kButton,
     L"静脉输液卡\r\n床号：1\r\n药液：医嘱药量 1.00 ，加入溶媒 250 ml\r\n滴速：40 滴/分（约 120 ml/h）\r\n",
     kCardVerdict, 0, 0, nullptr, kCopy | kSave, L"window-210.bmp"},
    {210, L"12.7;0.5;-100;abc", kF5,
     L"床号：12\r\n药液：医嘱药量 0.50 ，加入溶媒 -100 ml\r\n滴速：0 滴/分（约 0 ml/h）\r\n", kCardVerdict, 0,
     0, nullptr, kSave, nullptr},
    {210, L"-3;2.5;0;60", kEnter,
     L"床号：-3\r\n药液：医嘱药量 2.50 ，加入溶媒 0 ml\r\n滴速：60 滴/分（约 180 ml/h）", kCardVerdict, 0, 0,
     nullptr, 0, nullptr},

    {211, nullptr, kButton, L"血常规（紫管 EDTA）：WBC、", kPanelVerdict, 0, 0, nullptr, kCopy | kSave,
     L"window-211.bmp"},
    {211, L"6", kF5, kUrine, kPanelVerdict, 0, 0, nullptr, 0, nullptr},
    {211, L"2.7", kEnter, L"生化全套（红/金黄管）：", kPanelVerdict, 0, 0, nullptr, 0, nullptr},
    {211, L"0", kButton, kUnknownPanel, L"请核对套餐编号", 1, 0, nullptr, 0, nullptr},
    {211, L"-1", kButton, kUnknownPanel, L"请核对套餐编号", 1, 0, nullptr, 0, nullptr},

    // Every form of the same date gives the same result; the box then shows it as read.
    {421, L"0;2025-09-01;28;2026-01-15", kButton, L"预产期：2026-06-08\r\n当前孕周：19+3 周\r\n", kMidTerm, 0,
     0, nullptr, kCopy | kSave, L"window-421.bmp"},
    {421, L"0;2025-9-1;28;2026-01-15", kF5, kEdd421, kMidTerm, 0, 0, nullptr, 0, nullptr},
    {421, L"0;2025/09/01;28;2026-01-15", kEnter, kEdd421, kMidTerm, 0, 0, nullptr, 0, nullptr},
    {421, L"0;2025/9/1;28;2026-01-15", kButton, kEdd421, kMidTerm, 0, 0, nullptr, 0, nullptr},
    {421, L"0;2025.9.1;28;2026-01-15", kButton, kEdd421, kMidTerm, 0, 0, nullptr, 0, nullptr},
    {421, L"0;20250901;28;2026-01-15", kButton, kEdd421, kMidTerm, 0, 0, nullptr, 0, nullptr},
    {421, L"0;2025年9月1日;28;2026-01-15", kButton, kEdd421, kMidTerm, 0, 0, nullptr, kSave, nullptr},
    {421, L"0;  2025-09-01 ;28;2026-01-15", kButton, kEdd421, kMidTerm, 0, 0, nullptr, 0, nullptr},
    {421, L"0;２０２５－０９－０１;28;2026年1月15日", kButton, kEdd421, kMidTerm, 0, 0, nullptr, 0, nullptr},
    // Impossible dates are refused like unreadable numbers; the last result stays.
    {421, L"0;2026-02-29;28;2026-01-15", kButton, nullptr, nullptr, -1, 0,
     L"第 2 项“依据日期”请按 年-月-日 输入日期，如 2026-12-08。", kSave, nullptr},
    {421, L"0;2025-09-01;28;2026-04-31", kF5, nullptr, nullptr, -1, 0,
     L"第 4 项“评估日期”请按 年-月-日 输入日期，如 2026-12-08。", 0, nullptr},
    {421, L"0;20517;28;2026-01-15", kEnter, nullptr, nullptr, -1, 0,
     L"第 2 项“依据日期”请按 年-月-日 输入日期，如 2026-12-08。", 0, nullptr},
    {421, L"0;1999-12-31;28;2026-01-15", kButton, nullptr,
     L"“依据日期”不在合理日期范围（2000-01-01–2099-12-31），请按 年-月-日 核对", 2, 0, nullptr, kSave,
     nullptr},
};

std::vector<std::wstring> splitTexts(const wchar_t* texts) {
    std::vector<std::wstring> parts(1);
    for (const wchar_t* p = texts; *p != L'\0'; ++p) {
        if (*p == L';')
            parts.emplace_back();
        else
            parts.back() += *p;
    }
    return parts;
}

SYSTEMTIME today() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    now.wDayOfWeek = now.wHour = now.wMinute = now.wSecond = now.wMilliseconds = 0;
    return now;
}

// The visit lines of tool 207 for the values, counted from the driver's own
// clock by the system's calendar.
std::wstring followUpLines(const SYSTEMTIME& day, const std::vector<double>& values) {
    const int start = static_cast<int>(values[0]);
    const int gap = static_cast<int>(values[1]) < 1 ? 7 : static_cast<int>(values[1]);
    const int times = static_cast<int>(values[2]) < 1    ? 1
                      : static_cast<int>(values[2]) > 20 ? 20
                                                         : static_cast<int>(values[2]);
    FILETIME file;
    SystemTimeToFileTime(&day, &file);
    ULARGE_INTEGER base;
    base.LowPart = file.dwLowDateTime;
    base.HighPart = file.dwHighDateTime;
    std::wstring lines;
    for (int i = 1; i <= times; ++i) {
        const long long offset = start + static_cast<long long>(i - 1) * gap;
        ULARGE_INTEGER at;
        at.QuadPart = base.QuadPart + static_cast<ULONGLONG>(offset * 864000000000LL);
        file.dwLowDateTime = at.LowPart;
        file.dwHighDateTime = at.HighPart;
        SYSTEMTIME visit;
        FileTimeToSystemTime(&file, &visit);
        wchar_t line[64];
        std::swprintf(line, 64, L"第 %d 次：%04u-%02u-%02u\r\n", i, visit.wYear, visit.wMonth, visit.wDay);
        lines += line;
    }
    return lines;
}

// ---- Choice lists

bool isList(int i) {
    return current.tool->inputs[i].choiceCount > 0;
}

int selectionOf(int i) {
    return static_cast<int>(sendTo(app.inputs[i], CB_GETCURSEL, 0, 0));
}

bool listDropped(HWND list) {
    return sendTo(list, CB_GETDROPPEDSTATE, 0, 0) > 0;
}

// A box takes the text; a list selects the item of that value.
void enterInput(int i, const std::wstring& text) {
    if (!isList(i)) {
        setText(app.inputs[i], text.c_str());
        return;
    }
    const InputField& field = current.tool->inputs[i];
    const double value = std::wcstod(text.c_str(), nullptr);
    int c = 0;
    while (c < field.choiceCount && field.choices[c].value != value)
        ++c;
    if (expect(c < field.choiceCount, "list " + std::to_string(i + 1) + " has an item " + utf8(text)))
        sendTo(app.inputs[i], CB_SETCURSEL, static_cast<WPARAM>(c), 0);
}

// The number the window reads: a box's text (a date's day number, NaN when it
// is no date), a list's selected item.
double inputValue(int i) {
    int64_t day = 0;
    if (current.tool->inputs[i].isDate)
        return readDateText(textOf(app.inputs[i]).c_str(), &day) ? static_cast<double>(day) : NAN;
    if (!isList(i)) return std::wcstod(textOf(app.inputs[i]).c_str(), nullptr);
    const int c = selectionOf(i);
    return c >= 0 && c < current.tool->inputs[i].choiceCount ? current.tool->inputs[i].choices[c].value : NAN;
}

// Another value than the one shown: a list's next item, a date box another
// date, or the box's text.
void changeInput(int i, const wchar_t* boxText) {
    if (isList(i))
        sendTo(app.inputs[i], CB_SETCURSEL,
               static_cast<WPARAM>((selectionOf(i) + 1) % current.tool->inputs[i].choiceCount), 0);
    else if (current.tool->inputs[i].isDate)
        setText(app.inputs[i], L"2030/2/3");
    else
        setText(app.inputs[i], boxText);
}

bool dropByClick(HWND list) {
    mouseClick(list);
    return expect(waitUntil([&] { return listDropped(list); }, 5000), "a click drops the list down");
}

// Every list: its items and the default's selected at start; dropped, it
// shows every item, and F5 and Enter are its keys (once per program); an item
// clicked is the item selected.
void checkChoiceLists() {
    bool keysChecked = false;
    for (int i = 0; i < app.inputCount; ++i) {
        if (!isList(i)) continue;
        const InputField& field = current.tool->inputs[i];
        HWND list = app.inputs[i];
        step("list " + std::to_string(i + 1) + " " + utf8(field.label));
        if (!expectNumber(sendTo(list, CB_GETCOUNT, 0, 0), field.choiceCount, "items")) continue;
        for (int c = 0; c < field.choiceCount; ++c) {
            wchar_t item[200] = L"";
            if (sendTo(list, CB_GETLBTEXTLEN, static_cast<WPARAM>(c), 0) < 200)
                sendTo(list, CB_GETLBTEXT, static_cast<WPARAM>(c), reinterpret_cast<LPARAM>(item));
            expectText(item, choiceText(field.choices[c]), "item " + std::to_string(c + 1));
        }
        const int initial = defaultChoice(field);
        expectNumber(selectionOf(i), initial, "the default's item is selected");
        if (!dropByClick(list)) continue;
        // The dropped list is a pop-up of the program's own.
        HWND dropped = findTopWindow(L"ComboLBox", nullptr);
        if (!expect(dropped != nullptr, "the dropped list is shown")) continue;
        RECT inside{}, last{};
        GetClientRect(dropped, &inside);
        sendTo(dropped, LB_GETITEMRECT, static_cast<WPARAM>(field.choiceCount - 1),
               reinterpret_cast<LPARAM>(&last));
        expect(sendTo(dropped, LB_GETTOPINDEX, 0, 0) == 0 && last.bottom <= inside.bottom,
               "the dropped list shows every item",
               "last item ends at " + std::to_string(last.bottom) + ", the list at " +
                   std::to_string(inside.bottom));
        if (!keysChecked) {
            keysChecked = true;
            postKey(list, VK_F5);
            sync();
            expect(listDropped(list), "F5 leaves the dropped list down");
            postKey(list, VK_RETURN);
            sync();
            expect(!listDropped(list), "Enter closes the list");
            expectNoMessageBox("F5 and Enter in a dropped list");
            expectText(textOf(app.report), L"", "F5 and Enter in a dropped list calculate nothing");
            expectNumber(selectionOf(i), initial, "Enter keeps the highlighted item");
            // A second click on the same spot would be a double-click.
            sendTo(list, CB_SHOWDROPDOWN, TRUE, 0);
        }
        // The item's click comes after the drop's button-up, once the dropped
        // list holds the mouse, as a user's would.
        waitUntil(
            [&] {
                GUITHREADINFO info{};
                info.cbSize = sizeof info;
                return GetGUIThreadInfo(app.thread, &info) && info.hwndCapture == dropped;
            },
            2000);
        const int pick = (initial + 1) % field.choiceCount;
        RECT item{};
        sendTo(dropped, LB_GETITEMRECT, static_cast<WPARAM>(pick), reinterpret_cast<LPARAM>(&item));
        // Posted as the list receives it: injected input could pair with the drop's click.
        const LPARAM at = MAKELPARAM((item.left + item.right) / 2, (item.top + item.bottom) / 2);
        PostMessageW(dropped, WM_MOUSEMOVE, 0, at);
        PostMessageW(dropped, WM_LBUTTONDOWN, MK_LBUTTON, at);
        PostMessageW(dropped, WM_LBUTTONUP, 0, at);
        expect(waitUntil([&] { return !listDropped(list); }, 5000), "a click on an item closes the list");
        expectNumber(selectionOf(i), pick, "the clicked item is selected");
        expectText(textOf(list), choiceText(field.choices[pick]), "the list shows the clicked item");
    }
}

struct Result {
    std::wstring report, verdict;
    int level;
};

// The run as the core composes it, with room for any report.
Result coreResult(const std::vector<double>& values) {
    std::vector<wchar_t> report(32768), verdict(1024), copy(32768);
    int32_t level = -1;
    runCalculation(*current.tool, values.data(), report.data(), static_cast<int32_t>(report.size()),
                   verdict.data(), static_cast<int32_t>(verdict.size()), &level, copy.data(),
                   static_cast<int32_t>(copy.size()));
    return {report.data(), verdict.data(), level};
}

// Every value typed or chosen after a Tab, as a user at the bedside would, is
// the value the calculation uses.
void checkTabTyping(const std::vector<std::string>& texts) {
    step("tab: typing every input");
    click(app.reset);
    expectFocusOn(app.inputs[0], "after Reset");
    std::vector<double> values(kMaxInputs, 0.0);
    for (int i = 0; i < app.inputCount; ++i) {
        const std::wstring text = widen(texts[i]);
        const std::string what = "input " + std::to_string(i + 1);
        if (classOf(app.inputs[i]) == L"ComboBox") {
            // The arrow keys choose in a list reached by Tab.
            const InputField& field = current.tool->inputs[i];
            int wanted = 0;
            while (wanted < field.choiceCount &&
                   field.choices[wanted].value != std::wcstod(text.c_str(), nullptr))
                ++wanted;
            std::vector<INPUT> keys = {keyInput(VK_HOME, false), keyInput(VK_HOME, true)};
            for (int k = 0; k < wanted; ++k) {
                keys.push_back(keyInput(VK_DOWN, false));
                keys.push_back(keyInput(VK_DOWN, true));
            }
            sendKeys(keys);
            expect(waitUntil([&] { return selectionOf(i) == wanted; }, 5000),
                   what + ": the arrow keys choose",
                   std::to_string(selectionOf(i)) + " for " + std::to_string(wanted));
        } else {
            typeKeys(text);
            // The caret after the last key, not only the text: a value typed over the same
            // default reads as typed before the keys arrive.
            expect(
                waitUntil([&] { return textOf(app.inputs[i]) == text && caretAtEnd(app.inputs[i]); }, 5000),
                what + ": typing replaces it", shown(textOf(app.inputs[i])));
        }
        values[i] = inputValue(i);
        pressTab(false);
        expectFocusOn(i + 1 < app.inputCount ? app.inputs[i + 1] : app.calculate, what + ": Tab");
    }
    pressTab(true);
    expectFocusOn(app.inputs[app.inputCount - 1], "Shift+Tab back to the last input");
    pressTab(false);
    expectFocusOn(app.calculate, "Tab to Calculate");
    pressKey(VK_RETURN);
    expect(waitUntil([] { return !textOf(app.report).empty(); }, 10000), "Enter on Calculate calculates");
    const Result core = coreResult(values);
    expectText(textOf(app.report), core.report, "the report of the values typed");
    expectText(textOf(app.verdict), core.verdict, "the verdict of the values typed");
}

std::wstring recordHeader() {
    std::wstring header = L"时间,工具";
    for (int i = 0; i < current.tool->inputCount; ++i)
        header += std::wstring(L",") + current.tool->inputs[i].label;
    return header + L",结果\r\n";
}

std::wstring recordAfterTime(const std::vector<double>& values, const std::wstring& report) {
    std::wstring record = std::wstring(L",") + current.name;
    for (int i = 0; i < current.tool->inputCount; ++i) {
        wchar_t field[160];
        std::swprintf(field, 160, L",%ls=%g", current.tool->inputs[i].label, values[i]);
        record += current.tool->inputs[i].isDate ? std::wstring(L",") + current.tool->inputs[i].label + L"=" +
                                                       dateText(static_cast<int64_t>(values[i]))
                                                 : std::wstring(field);
    }
    record += L",\"";
    for (wchar_t c : report)
        record += c == L'"' ? std::wstring(L"\"\"") : std::wstring(1, c);
    return record + L"\"\r\n";
}

const char* howName(How how) {
    switch (how) {
    case How::Button:
        return "by the button";
    case How::F5InFirstBox:
        return "by F5 in the first box";
    case How::EnterInLastBox:
        return "by Enter in the last box";
    default:
        return "by Enter on the focused button";
    }
}

// A real click on Reset clears the result and leaves the focus on the first
// stop; Tab then takes it to Save, and the keyboard's Enter reaches that button.
void enterOnFocusedButton() {
    mouseClick(app.reset);
    expectFocusOn(tabStops()[0], "a click on Reset: the first stop");
    sync();
    expectText(textOf(app.report), L"", "the click on Reset cleared the report");
    for (int i = 0; i <= app.inputCount; ++i)
        pressTab(false);
    expectFocusOn(app.save, "Tab reaches Save");
    pressKey(VK_RETURN);
}

void trigger(How how) {
    switch (how) {
    case How::Button:
        click(app.calculate);
        break;
    case How::F5InFirstBox:
        postKey(app.inputs[0], VK_F5);
        break;
    case How::EnterInLastBox:
        postKey(app.inputs[app.inputCount - 1], VK_RETURN);
        break;
    case How::EnterOnFocusedButton:
        enterOnFocusedButton();
        break;
    }
}

// The values and report of the program's last calculation, which Save records.
std::vector<double> lastValues;
std::wstring lastReport;

void runCase(const Case& c, const RECT& screenClient, bool again = false) {
    step(std::string(c.texts != nullptr ? utf8(c.texts) : "as shown") + " " + howName(c.how));
    if (c.texts != nullptr) {
        const std::vector<std::wstring> texts = splitTexts(c.texts);
        if (!expectNumber(static_cast<long long>(texts.size()), app.inputCount, "texts for every box"))
            return;
        for (int i = 0; i < app.inputCount; ++i)
            enterInput(i, texts[i]);
    }
    // The numbers as the window reads its boxes and lists.
    std::vector<double> values(kMaxInputs, 0.0);
    for (int i = 0; i < app.inputCount; ++i)
        values[i] = inputValue(i);
    const std::wstring reportBefore = textOf(app.report);
    const std::wstring verdictBefore = textOf(app.verdict);
    const SYSTEMTIME dayBefore = today();

    trigger(c.how);
    if (c.refusal != nullptr) {
        int field = 0;
        while (field < app.inputCount && std::isfinite(values[field]))
            ++field;
        expectMessageBox(L"输入有误", c.refusal, "the input error");
        expect(focusOfProgram() == app.inputs[field], "the focus is on the rejected box");
        expectText(textOf(app.report), reportBefore, "the previous report stays");
        expectText(textOf(app.verdict), verdictBefore, "the previous verdict stays");
        // A refused text leaves the last result's values as they were.
        if ((c.also & kSave) && !lastReport.empty())
            checkSaveAppends(recordHeader(), recordAfterTime(lastValues, lastReport));
        return;
    }
    expectNoMessageBox("Calculate");
    const std::wstring report = textOf(app.report);
    const std::wstring verdict = textOf(app.verdict);
    const SYSTEMTIME dayAfter = today();
    if ((c.also & kDates) && dayAfter.wDay != dayBefore.wDay && !again) {
        say("[%s] the date changed meanwhile: once more\n", context.c_str());
        runCase(c, screenClient, true);
        return;
    }

    const Result core = coreResult(values);
    lastValues = values;
    lastReport = core.report;
    expectText(report, core.report, "report");
    expectText(verdict, core.verdict, "verdict");
    expect(focusOfProgram() == app.main, "the focus is on the main window");
    for (int i = 0; i < app.inputCount; ++i)
        if (current.tool->inputs[i].isDate)
            expectText(textOf(app.inputs[i]), dateText(static_cast<int64_t>(values[i])),
                       "date box " + std::to_string(i + 1) + " shows the date as read");
    if (c.contains != nullptr) expectContains(report, c.contains, "report holds the written-out text");
    if (c.verdict != nullptr) expectText(verdict, c.verdict, "verdict as written out");
    if (c.length > 0) expectNumber(static_cast<long long>(report.size()), c.length, "report length");
    if (c.also & kDates) expectContains(report, followUpLines(dayAfter, values), "the visit dates");
    const int level = c.level >= 0 ? c.level : core.level;
    if (c.level >= 0) expectNumber(core.level, c.level, "the core's level");
    if (c.shot != nullptr) {
        const Shot shot = verdictShot(screenClient, level);
        writeBmp(shot, c.shot);
        checkLayoutPixels(shot);
        checkVerdictColour(shot, level);
    } else {
        checkVerdictLevel(level);
    }
    const bool custom = current.tool->reportKind != report_kind::None;
    if (c.also & kCopy)
        checkCopyGives(std::wstring(current.name) + L"\r\n" +
                       (custom ? core.report : core.report + L"—— " + core.verdict));
    if (c.also & kSave) {
        // The record holds the values of the last Calculate, not the boxes' texts.
        for (int i = 0; i < app.inputCount; ++i)
            changeInput(i, L"12345");
        checkSaveAppends(recordHeader(), recordAfterTime(values, core.report));
    }
}

// A worked example's values written out as the report's lines, "label：value unit".
std::wstring exampleLines(const ToolDef& tool, const WorkedExample& example) {
    std::wstring lines;
    const std::wstring shown = example.shown;
    size_t start = 0;
    for (int i = 0; i < tool.outputCount && start < shown.size(); ++i) {
        const size_t end = std::min(shown.find(L", ", start), shown.size());
        const std::wstring pair = shown.substr(start, end - start);
        const size_t space = pair.rfind(L' ');
        const wchar_t* unit = tool.outputs[i].unit;
        lines += pair.substr(0, space) + L"：" + pair.substr(space + 1) +
                 (unit != nullptr ? std::wstring(L" ") + unit : L"") + L"\r\n";
        start = end + 2;
    }
    return lines;
}

void checkReset() {
    step("reset");
    for (int i = 0; i < app.inputCount; ++i)
        changeInput(i, L"3");
    click(app.calculate);
    click(app.reset);
    expectNoMessageBox("Calculate and Reset");
    expectFocusOn(tabStops()[0], "after Reset");
    for (int i = 0; i < app.inputCount; ++i) {
        expectText(textOf(app.inputs[i]), defaultShown(current.tool->inputs[i]),
                   "input " + std::to_string(i + 1) + " default");
        if (isList(i))
            expectNumber(selectionOf(i), defaultChoice(current.tool->inputs[i]),
                         "list " + std::to_string(i + 1) + " default item");
    }
    expectText(textOf(app.report), L"", "report emptied");
    expectText(textOf(app.verdict), kPrompt, "verdict prompt");
    checkVerdictLevel(0);
    checkRefusalsBeforeAResult("after reset");
}

std::wstring aboutText(const ToolDef& tool) {
    return std::wstring(current.name) + L"\r\n\r\n分类：" + tool.category + L"\r\n参考依据：" +
           tool.reference +
           L"\r\n\r\n本工具为临床辅助计算/记录工具，结果不能替代医师诊疗判断，\r\n"
           L"具体用药与处置请结合患者实际情况及本院规范执行。\r\n\r\n版本 V1.0    官网：tavomed.cn";
}

void driveProgram(const SuiteProgram& program, const ToolDef& tool, const std::wstring& path) {
    const int passedBefore = passedCount;
    const int failedBefore = failedCount;
    const ULONGLONG started = GetTickCount64();
    toolNumber = program.number;
    current = Driven{program.name, &tool, recordFilePath(program.number)};
    lastReport.clear();
    step("start");
    expectText(tool.name, program.name, "the tool's name");
    // A new record file each run, so its header is read every time.
    DeleteFileW(current.recordFile.c_str());
    const std::vector<WantedControl> controls = expectedControls(tool);
    if (start(path, controls)) {
        const RECT screenClient = clientOnScreen();
        checkWindow(program.name);
        checkTabOrder();
        step("controls");
        checkControls(controls);
        checkCautionReadable();
        checkRefusalsBeforeAResult("before a result");
        checkChoiceLists();
        if (program.number == 119) checkSteps119(screenClient);
        if (program.number == 342) {
            const WorkedExample* example = nullptr;
            for (const WorkedExample& e : kWorkedExamples)
                if (e.tool == 342 && example == nullptr) example = &e;
            if (expect(example != nullptr, "342 has a worked example"))
                checkTabTyping(workedExampleTexts(tool, example->inputs));
        }
        int cases = 0;
        for (const Case& c : kCases) {
            if (c.tool != program.number) continue;
            ++cases;
            runCase(c, screenClient);
        }
        // A clinical tool also runs its most severe worked example, every input typed or picked;
        // a tool with dates every example, as calendars are where they go wrong.
        bool dates = false;
        for (int i = 0; i < tool.inputCount; ++i)
            dates = dates || tool.inputs[i].isDate;
        const WorkedExample* worst = nullptr;
        for (const WorkedExample& e : kWorkedExamples)
            if (e.tool == program.number && (worst == nullptr || e.level > worst->level)) worst = &e;
        for (const WorkedExample& e : kWorkedExamples) {
            if (e.tool != program.number || (&e != worst && !dates)) continue;
            std::wstring texts;
            for (const std::string& text : workedExampleTexts(tool, e.inputs))
                texts += (texts.empty() ? L"" : L";") + widen(text);
            const How hows[] = {kButton, kF5, kEnter};
            const std::wstring lines = exampleLines(tool, e);
            ++cases;
            runCase(Case{program.number, texts.c_str(), hows[program.number % 3], lines.c_str(), e.verdict,
                         e.level, 0, nullptr, &e == worst ? kCopy | kSave : 0u, nullptr},
                    screenClient);
        }
        step("cases");
        expect(cases > 0, "the tool has cases");
        if (program.number != 119) {
            checkReset();
            checkAboutText(aboutText(tool));
        }
        if (programRunning()) checkClose();
    }
    endProgram();
    say("%d %s: %d passed, %d failed, %.1f s\n", program.number, utf8(program.name).c_str(),
        passedCount - passedBefore, failedCount - failedBefore, (GetTickCount64() - started) / 1000.0);
}

// ---- The launcher

constexpr wchar_t kLauncherName[] = L"临床计算工具箱";
HWND searchBox, toolList, toolDetail, toolStatus, openButton, launcherAbout;
std::vector<const ToolDef*> ordered; // the suite in the list's order, from the core

bool startLauncher(const std::wstring& program) {
    if (!launchProgram(program, kLauncherClassName)) return false;
    HWND* const controls[] = {&searchBox, &toolList, &toolDetail, &toolStatus, &openButton, &launcherAbout};
    for (int i = 0; i < 6; ++i)
        *controls[i] = GetDlgItem(app.main, 4001 + i);
    app.report = searchBox; // sync() marks its length limit, which the launcher leaves alone
    return expect(std::find(controls, controls + 6, nullptr) == controls + 6, "controls 4001 to 4006");
}

void typeSearch(const std::wstring& text) {
    postKey(searchBox, VK_ESCAPE);
    for (wchar_t c : text)
        PostMessageW(searchBox, WM_CHAR, c, 1);
    sync();
}

std::vector<std::wstring> listLines() {
    std::vector<std::wstring> lines;
    for (LRESULT i = 0, n = sendTo(toolList, LB_GETCOUNT, 0, 0); i < n; ++i) {
        std::vector<wchar_t> line(static_cast<size_t>(sendTo(toolList, LB_GETTEXTLEN, i, 0)) + 2, L'\0');
        sendTo(toolList, LB_GETTEXT, i, reinterpret_cast<LPARAM>(line.data()));
        lines.push_back(line.data());
    }
    return lines;
}

std::vector<int32_t> recentNumbers; // what the launcher should remember, most recent first

void remembered(int32_t number) {
    int32_t numbers[kMaxRecentTools] = {};
    std::copy(recentNumbers.begin(), recentNumbers.end(), numbers);
    const int32_t count = rememberRecentTool(numbers, static_cast<int32_t>(recentNumbers.size()), number);
    recentNumbers.assign(numbers, numbers + count);
}

// The lines, status, selection and detail the core gives for a search text;
// the selection by default on the first tool line.
void expectListFor(const std::wstring& search, int selected = -1) {
    std::vector<const ToolDef*> shown(ordered.size());
    const int32_t n = filterTools(ordered.data(), static_cast<int32_t>(ordered.size()), search.c_str(),
                                  shown.data(), static_cast<int32_t>(shown.size()));
    std::vector<LauncherLine> lines(kMaxLauncherLines);
    const int32_t lineCount = composeLauncherLines(
        shown.data(), n, ordered.data(), static_cast<int32_t>(ordered.size()), recentNumbers.data(),
        static_cast<int32_t>(recentNumbers.size()), search.c_str(), lines.data(), kMaxLauncherLines);
    if (selected < 0) selected = firstToolLine(lines.data(), lineCount);
    std::wstring wanted, got;
    wchar_t text[kToolDetailCapacity];
    for (int32_t i = 0; i < lineCount; ++i) {
        if (lines[i].tool != nullptr)
            composeListLine(*lines[i].tool, text, kListLineCapacity);
        else
            std::swprintf(text, kListLineCapacity, L"%ls", lines[i].heading);
        wanted += std::wstring(text) + L"\n";
    }
    for (const std::wstring& line : listLines())
        got += line + L"\n";
    expectText(got, wanted, "the lines shown");
    composeLauncherStatus(search.c_str(), n, text, kLauncherStatusCapacity);
    expectText(textOf(toolStatus), text, "the status line");
    expectNumber(sendTo(toolList, LB_GETCURSEL, 0, 0), n > 0 ? selected : LB_ERR, "the selected line");
    text[0] = L'\0';
    if (n > 0) composeToolDetail(*lines[selected].tool, text, kToolDetailCapacity);
    expectText(textOf(toolDetail), text, "the selected tool's description, reference and caution");
}

// The tool's own window comes up, the launcher stays; the tool is closed again.
void expectToolStarted(const wchar_t* name) {
    HWND window = nullptr;
    waitUntil([&] { return (window = FindWindowW(L"TavoMedToolWnd", name)) != nullptr; }, 30000);
    if (!expect(window != nullptr, "the window of " + utf8(name) + " comes up")) return;
    expect(programRunning() && IsWindowVisible(app.main), "the launcher stays open");
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    HANDLE tool = OpenProcess(SYNCHRONIZE | PROCESS_TERMINATE, FALSE, processId);
    PostMessageW(window, WM_CLOSE, 0, 0);
    if (!expect(tool != nullptr && WaitForSingleObject(tool, 15000) == WAIT_OBJECT_0, "the tool closes") &&
        tool)
        TerminateProcess(tool, 3);
    if (tool != nullptr) CloseHandle(tool);
}

// Posted as the list receives a click or a double-click at its first line: it
// takes the focus as it would; real input could pair with an earlier click.
void clickFirstLine(int clicks) {
    const UINT messages[] = {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP};
    for (int i = 0; i < 2 * clicks; ++i)
        PostMessageW(toolList, messages[i], i % 2 == 0 ? MK_LBUTTON : 0, MAKELPARAM(20, 5));
}

// Pixels of the cue's grey in the box's client area; none where darker text shows, as its
// smoothed edges pass through grey too (the cue's own edges may reach the text colour in a few).
int mutedPixelsOfBox() {
    RECT box;
    GetClientRect(searchBox, &box);
    MapWindowPoints(searchBox, nullptr, reinterpret_cast<POINT*>(&box), 2);
    const Shot shot = settledShot(box);
    const RECT all{0, 0, shot.width, shot.height};
    const int grey = countTextPixels(shot, all, kMuted, kWhite);
    return countTextPixels(shot, all, kBody, kWhite) * 10 > grey ? 0 : grey;
}

// Typed searches, each against the core's list; some also written out as the one line they leave.
const struct {
    const wchar_t* typed;
    const wchar_t* line;
} kSearches[] = {
    {L"205", L"205\t高警示药品\t用药安全"},
    {L"\x3000 Ckd-Epi ", L"321\teGFR（CKD-EPI 2021）\t肾功能"},
    {L"egfr", nullptr},
    {L"Morse 跌倒", L"302\tMorse 跌倒风险\t护理评估"},
    {L"gcs", nullptr},
    {L"301", nullptr},
    {L"肾", nullptr},
    {L"zzz", nullptr},
    {L"用药安全", nullptr},
    {L"1", nullptr},
    // 拼音首字母 of a name or a category, polyphones by their word.
    {L"jgqc", L"322\t肌酐清除率（Cockcroft-Gault）\t肾功能"},
    {L"Hlpbb", L"201\t护理排班表\t护理管理"},
    {L"bdbjz", L"324\t白蛋白校正血钙\t检验计算"},
    {L"xsfx", nullptr},
    {L"zzpg", nullptr},
};

void checkLauncherKeys() {
    for (const auto& c : kSearches) {
        step("launcher: typed " + shown(c.typed));
        typeSearch(c.typed);
        expectText(textOf(searchBox), c.typed, "the search box");
        expectListFor(c.typed);
        if (c.line != nullptr)
            expectText(listLines().size() == 1 ? listLines()[0] : L"", c.line, "written out");
    }
    step("launcher: nothing shown");
    typeSearch(L"zzz");
    postKey(searchBox, VK_RETURN);
    click(openButton);
    expectNoMessageBox("Enter and Open");

    step("launcher: Up and Down in the box");
    typeSearch(L"");
    const int cue = mutedPixelsOfBox();
    expect(cue > 20, "the grey cue in the empty box", std::to_string(cue) + " grey pixels");
    const int last = static_cast<int>(ordered.size()) - 1;
    const int moves[][3] = {{VK_DOWN, 2, 2}, {VK_UP, 1, 1}, {VK_UP, 3, 0}, {VK_DOWN, last + 3, last}};
    for (const auto& m : moves) {
        for (int i = 0; i < m[1]; ++i)
            postKey(searchBox, static_cast<WPARAM>(m[0]));
        sync();
        expectListFor(L"", m[2]);
        expect(focusOfProgram() == searchBox, "the focus stays in the box");
    }

    step("launcher: Esc in the list");
    typeSearch(L"用药");
    expectNumber(mutedPixelsOfBox(), 0, "no cue over typed text");
    clickFirstLine(1);
    expect(waitUntil([] { return focusOfProgram() == toolList; }, 5000), "a click gives the list the focus");
    postKey(toolList, VK_ESCAPE);
    sync();
    expect(focusOfProgram() == searchBox, "the focus is back in the box");
    expectText(textOf(searchBox), L"", "Esc empties the box");
    expectListFor(L"");
}

void checkLauncherStarts() {
    const struct {
        const wchar_t* name;
        int how; // Enter in the box, the Open button, a double-click, Enter in the list
    } starts[] = {{L"高警示药品", 0}, {L"BMI 与体型判读", 1}, {L"护理排班表", 2}, {L"检验套餐", 3}};
    for (const auto& s : starts) {
        step("launcher: open " + utf8(s.name) + " way " + std::to_string(s.how));
        typeSearch(s.name);
        if (s.how == 0) postKey(searchBox, VK_RETURN);
        if (s.how == 1) click(openButton);
        if (s.how > 1) clickFirstLine(s.how == 2 ? 2 : 1);
        if (s.how == 3) {
            waitUntil([] { return focusOfProgram() == toolList; }, 5000);
            postKey(toolList, VK_RETURN);
        }
        expectToolStarted(s.name);
        expectNoMessageBox("the start");
        for (const SuiteTool& t : kSuiteTools)
            if (std::wcscmp(t.tool().name, s.name) == 0) remembered(t.number);
    }
}

// The list shows at least 24 rows, none of them cut; every tool's detail shows whole, measured
// as the static draws it.
void checkLauncherRoom() {
    step("launcher: whole rows and whole details");
    RECT list;
    GetClientRect(toolList, &list);
    const long long item = sendTo(toolList, LB_GETITEMHEIGHT, 0, 0);
    expect(item > 0 && list.bottom % item == 0, "the list's last row is whole");
    expect(item > 0 && list.bottom / item >= 24, "the list shows at least 24 rows");
    RECT box;
    GetClientRect(toolDetail, &box);
    HDC dc = GetDC(toolDetail);
    HGDIOBJ old = SelectObject(dc, ownFont(FontRole::Label));
    for (const SuiteTool& t : kSuiteTools) {
        wchar_t text[kToolDetailCapacity];
        composeToolDetail(t.tool(), text, kToolDetailCapacity);
        RECT need = {0, 0, box.right, 0};
        DrawTextW(dc, text, -1, &need, DT_CALCRECT | DT_WORDBREAK | DT_EXPANDTABS);
        expect(need.bottom <= box.bottom, "the detail of " + std::to_string(t.number) + " shows whole",
               std::to_string(need.bottom) + " of " + std::to_string(box.bottom) + " px");
    }
    SelectObject(dc, old);
    ReleaseDC(toolDetail, dc);
    // Every name ends before the category's tab stop, every category inside the list; stops are in
    // quarters of the list font's average character width.
    dc = GetDC(toolList);
    old = SelectObject(dc, ownFont(FontRole::Input));
    SIZE letters{};
    GetTextExtentPoint32W(dc, L"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz", 52, &letters);
    const long average = (letters.cx / 26 + 1) / 2;
    const long nameStop = kListTabStops[0] * average / 4, categoryStop = kListTabStops[1] * average / 4;
    for (const SuiteTool& t : kSuiteTools) {
        SIZE name{}, category{};
        GetTextExtentPoint32W(dc, t.tool().name, lstrlenW(t.tool().name), &name);
        GetTextExtentPoint32W(dc, t.tool().category, lstrlenW(t.tool().category), &category);
        expect(nameStop + name.cx < categoryStop,
               "the name of " + std::to_string(t.number) + " ends before its category",
               std::to_string(nameStop + name.cx) + " of " + std::to_string(categoryStop) + " px");
        expect(categoryStop + category.cx <= list.right,
               "the category of " + std::to_string(t.number) + " shows whole",
               std::to_string(categoryStop + category.cx) + " of " + std::to_string(list.right) + " px");
    }
    SelectObject(dc, old);
    ReleaseDC(toolList, dc);
}

// ---- 最近使用

std::wstring recentFilePath() {
    wchar_t appData[MAX_PATH] = L"";
    SHGetFolderPathW(nullptr, CSIDL_LOCAL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, appData);
    return std::wstring(appData) + L"\\TavoMedSuite\\launcher\\recent.txt";
}

std::wstring recentFolderPath() {
    const std::wstring file = recentFilePath();
    return file.substr(0, file.rfind(L'\\'));
}

void writeRecentFile(const std::string& bytes) {
    CreateDirectoryW(recentFolderPath().substr(0, recentFolderPath().rfind(L'\\')).c_str(), nullptr);
    CreateDirectoryW(recentFolderPath().c_str(), nullptr);
    FILE* file = _wfopen(recentFilePath().c_str(), L"wb");
    if (!expect(file != nullptr, "the driver writes recent.txt")) return;
    std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::fclose(file);
}

// A heading opens nothing: no tool window comes up.
void expectNoToolStarted(const std::string& what) {
    expectNoMessageBox(what);
    Sleep(1500);
    HWND stray = FindWindowW(L"TavoMedToolWnd", nullptr);
    if (!expect(stray == nullptr, what + ": no tool window")) PostMessageW(stray, WM_CLOSE, 0, 0);
}

void restartLauncher(const std::wstring& path, const std::string& what) {
    checkClose();
    endProgram();
    step("launcher: " + what);
    if (!startLauncher(path)) return;
    expectNoMessageBox("start");
    expect(focusOfProgram() == searchBox, "the search box has the focus");
    expectListFor(L"");
}

void checkLauncherRecent(const std::wstring& path) {
    step("launcher: 最近使用 after opening tools");
    typeSearch(L"");
    expectListFor(L"");
    const std::vector<std::wstring> lines = listLines();
    expectText(lines.empty() ? L"" : lines[0], kRecentHeading, "the first line");
    RECT client;
    GetClientRect(app.main, &client);
    MapWindowPoints(app.main, nullptr, reinterpret_cast<POINT*>(&client), 2);
    writeBmp(settledShot(client), L"launcher-recent.bmp");
    expectNumber(static_cast<long long>(lines.size()),
                 kSuiteToolCount + 2 + static_cast<long long>(recentNumbers.size()),
                 "every tool, the recent ones, two headings");
    expectText(textOf(toolStatus), L"共 " + std::to_wstring(kSuiteToolCount) + L" 个工具",
               "the status counts tools");
    const int all = static_cast<int>(recentNumbers.size()) + 2; // the first line after the all-tools heading
    postKey(searchBox, VK_UP);
    sync();
    expectListFor(L"", 1);
    for (size_t i = 0; i < recentNumbers.size(); ++i)
        postKey(searchBox, VK_DOWN);
    sync();
    expectListFor(L"", all);
    postKey(searchBox, VK_UP);
    sync();
    expectListFor(L"", all - 2);

    step("launcher: the headings");
    clickFirstLine(1);
    expect(waitUntil([] { return focusOfProgram() == toolList; }, 5000), "a click gives the list the focus");
    sync();
    expectListFor(L"", 1);
    clickFirstLine(2);
    expectNoToolStarted("a double-click on the heading");
    postKey(toolList, VK_UP);
    sync();
    expectListFor(L"", 1);
    sendTo(toolList, LB_SETCURSEL, 0, 0);
    postKey(searchBox, VK_RETURN);
    expectNoToolStarted("Enter on the heading");
    expectText(widen(readFile(recentFilePath())), L"211\r\n201\r\n119\r\n205\r\n", "recent.txt");

    step("launcher: open from the recent part");
    typeSearch(L"");
    postKey(searchBox, VK_DOWN);
    postKey(searchBox, VK_DOWN);
    postKey(searchBox, VK_RETURN);
    expectToolStarted(L"BMI 与体型判读");
    remembered(119);
    sync();
    expectListFor(L"");
    restartLauncher(path, "restarted");

    writeRecentFile(std::string("\xEF\xBB\xBF  342 \r\nhello\r\n999\r\n\r\n342\r\n") +
                    std::string(100000, 'x') + "\n119\n");
    recentNumbers = {342, 119};
    restartLauncher(path, "a damaged file");
    DeleteFileW(recentFilePath().c_str());
    recentNumbers.clear();
    restartLauncher(path, "no file");

    step("launcher: a folder that cannot be written");
    RemoveDirectoryW(recentFolderPath().c_str());
    FILE* blocker = _wfopen(recentFolderPath().c_str(), L"wb");
    if (expect(blocker != nullptr, "a file where the folder would be")) std::fclose(blocker);
    typeSearch(L"205");
    postKey(searchBox, VK_RETURN);
    expectToolStarted(L"高警示药品");
    expectNoMessageBox("the launcher says nothing of the file");
    remembered(205);
    typeSearch(L"");
    expectListFor(L"");
    recentNumbers.clear();
    restartLauncher(path, "after a folder that could not be written");
    DeleteFileW(recentFolderPath().c_str());
}

// Box, list, Open and About, round and back; the box reached by Tab has its text selected.
void checkLauncherTab() {
    step("launcher: Tab");
    typeSearch(L"jg");
    const HWND stops[] = {searchBox, toolList, openButton, launcherAbout};
    for (int i = 1; i <= 4; ++i) {
        pressTab(false);
        expectFocusOn(stops[i % 4], "Tab " + std::to_string(i));
    }
    pressTab(true);
    expectFocusOn(launcherAbout, "Shift+Tab");
    pressTab(true);
    expectFocusOn(openButton, "Shift+Tab again");
    pressTab(false);
    pressTab(false);
    expectFocusOn(searchBox, "Tab round to the box");
    expectListFor(L"jg");
}

void driveLauncher(const std::wstring& path) {
    const int failedBefore = failedCount;
    toolNumber = 0;
    step("launcher: start");
    std::vector<const ToolDef*> tools;
    for (const SuiteTool& t : kSuiteTools)
        tools.push_back(&t.tool());
    ordered.resize(tools.size()); // the core's list holds the whole suite, as its tests check
    orderTools(tools.data(), kSuiteToolCount, ordered.data(), kMaxLauncherTools);
    DeleteFileW(recentFilePath().c_str());
    recentNumbers.clear();
    if (startLauncher(path)) {
        expectText(textOf(app.main), kLauncherName, "title");
        const wchar_t* classes[] = {L"Edit", L"ListBox", L"Static", L"Static", L"Button", L"Button"};
        for (int i = 0; i < 6; ++i)
            expectText(classOf(GetDlgItem(app.main, 4001 + i)), classes[i],
                       "class of " + std::to_string(4001 + i));
        const DWORD listStyle = WS_VSCROLL | LBS_NOTIFY | LBS_USETABSTOPS;
        expect((GetWindowLongW(toolList, GWL_STYLE) & listStyle) == listStyle, "the list's style");
        expectText(textOf(openButton), L"打开 (Enter)", "Open");
        expectText(textOf(launcherAbout), L"关于", "About");
        expect(focusOfProgram() == searchBox, "the search box has the focus");
        expectListFor(L"");
        expectNumber(static_cast<long long>(listLines().size()), kSuiteToolCount, "every tool listed");
        checkLauncherRoom();
        RECT client;
        GetClientRect(app.main, &client);
        MapWindowPoints(app.main, nullptr, reinterpret_cast<POINT*>(&client), 2);
        writeBmp(settledShot(client), L"launcher.bmp");
        checkLauncherKeys();
        checkLauncherTab();
        checkLauncherStarts();
        checkLauncherRecent(path);
        step("launcher: about");
        click(launcherAbout);
        expectMessageBox(
            L"关于临床计算工具箱",
            L"TavoMedSuite 临床工具集  版本 1.0.0\r\n\r\n本工具为临床辅助计算/记录工具，结果不能替代医师诊疗"
            L"判断，\r\n具体用药与处置请结合患者实际情况及本院规范执行。",
            "About");
        checkClose();
    }
    endProgram();

    step("launcher: alone in a folder, without the programs");
    const std::wstring alone = artifactFolder + L"\\launcher-alone";
    const std::wstring copy = alone + L"\\" + kLauncherName + L".exe";
    CreateDirectoryW(alone.c_str(), nullptr);
    if (expect(CopyFileW(path.c_str(), copy.c_str(), FALSE) != FALSE, "the copy") && startLauncher(copy)) {
        typeSearch(L"205");
        postKey(searchBox, VK_RETURN);
        expectMessageBox(kLauncherName, L"无法启动 高警示药品.exe：未找到程序文件", "the missing program");
        expect(focusOfProgram() == searchBox, "the focus is back in the box");
        expectText(textOf(searchBox), L"205", "the search text stays");
        expectListFor(L"205");
        checkClose();
    }
    endProgram();
    DeleteFileW(copy.c_str());
    RemoveDirectoryW(alone.c_str());
    // A tool started by mistake would outlive the run.
    HWND stray = nullptr;
    step("launcher: the end");
    for (int i = 0; i < 5 && (stray = FindWindowW(L"TavoMedToolWnd", nullptr)) != nullptr; ++i) {
        expect(false, "no tool window is left open",
               utf8(textOf(stray)) + (IsWindowVisible(stray) ? "" : ", hidden"));
        PostMessageW(stray, WM_CLOSE, 0, 0);
        waitUntil([&] { return !IsWindow(stray); }, 10000);
    }
    say("launcher: %d failed\n", failedCount - failedBefore);
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 4 || argc % 2 != 0) {
        say("usage: window_driver <artifact folder> <tool number> <program.exe> [<tool number> <program.exe> "
            "...]\n");
        return 2;
    }
    artifactFolder = argv[1];
    clipboardOwner =
        CreateWindowExW(0, L"STATIC", L"clipboard", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);

    checkGlyphs();
    std::vector<int> driven;
    for (int i = 2; i + 1 < argc; i += 2) {
        if (std::wcscmp(argv[i], L"launcher") == 0) {
            driveLauncher(argv[i + 1]);
            continue;
        }
        const int number = static_cast<int>(std::wcstol(argv[i], nullptr, 10));
        const SuiteProgram* program = nullptr;
        for (const SuiteProgram& p : kPrograms)
            if (p.number == number) program = &p;
        const ToolDef* tool = nullptr;
        for (const SuiteTool& t : kSuiteTools)
            if (t.number == number) tool = &t.tool();
        toolNumber = number;
        step("suite");
        if (!expect(program != nullptr && tool != nullptr, "a tool of the suite")) continue;
        driveProgram(*program, *tool, argv[i + 1]);
        driven.push_back(number);
    }
    toolNumber = 0;
    step("suite");
    for (const SuiteTool& t : kSuiteTools) {
        bool found = false;
        for (int number : driven)
            found = found || number == t.number;
        expect(found, "program " + std::to_string(t.number) + " is driven");
    }
    expectNumber(kSuiteToolCount, static_cast<long long>(sizeof kPrograms / sizeof kPrograms[0]),
                 "every program of the suite has its name written out here");
    return finish();
}
