// End-to-end test of the main window: starts the real program and drives it
// as a user would, through window messages and the clipboard, and reads the
// screen. Usage: window_driver <program.exe> <artifact folder>
#include <windows.h>

#include <shlobj.h>

#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <string>
#include <vector>

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

std::string context = "start";

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
    return expect(actual == expected, what, "expected " + shown(expected) + ", got " + shown(actual));
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
    HWND inputs[2];
    HWND report, verdict, caution, reference;
    HWND calculate, save, copy, reset, about;
    unsigned barrier;
};

App app{};

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

// Ends the program if it is still there and prints the tally; the exit code.
int finish() {
    if (app.process.hProcess != nullptr && programRunning()) {
        say("the program is still running: ending it\n");
        TerminateProcess(app.process.hProcess, 3);
        WaitForSingleObject(app.process.hProcess, 5000);
    }
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

void expectMessageBox(const wchar_t* caption, const wchar_t* text, const std::string& what) {
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
    expect(countPixels(shot, RECT{36, 104, 336, 133}, kHeader) > 20, "the left heading is drawn");
    expect(countPixels(shot, RECT{20, 668, 172, 708}, kWhite) > 20, "the Calculate caption is white");
    expect(countInk(shot, kStatusBox, kFooter) > 20, "the status line is drawn");

    // Control colours: every control on a white background, texts by role.
    const struct {
        RECT box;
        COLORREF colour;
        const char* what;
    } texts[] = {
        {{24, 151, 208, 173}, kMuted, "input labels"}, {{374, 150, 452, 206}, kMuted, "unit labels"},
        {{218, 148, 366, 205}, kBody, "input texts"},  {{494, 198, 966, 426}, kBody, "report text"},
        {{492, 444, 984, 564}, kBody, "caution note"}, {{492, 576, 984, 632}, kMuted, "reference line"},
    };
    for (const auto& t : texts) {
        const int count = countPixels(shot, t.box, t.colour);
        expect(count > 5, std::string(t.what) + " in " + colourName(t.colour),
               std::to_string(count) + " pixels");
    }
    expectPixel(shot, 980, 146, kWhite, "verdict label background");
    expectPixel(shot, 980, 560, kWhite, "caution label background");
}

void checkVerdictColour(const Shot& shot, int level) {
    for (int other = 0; other < 4; ++other) {
        const int count = countPixels(shot, kVerdictBox, kLevelColours[other]);
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

// Ink left of x 880 in the status line: the copy failure text reaches there,
// the success text does not.
constexpr RECT kStatusLeft{760, 704, 880, 720};

Shot statusShot(const RECT& area, bool longText) {
    return shotShowing(area, [longText](const Shot& shot) {
        return (countInk(shot, kStatusLeft, kFooter) > 20) == longText;
    });
}

// ---- Record file

std::wstring recordFilePath() {
    wchar_t appData[MAX_PATH] = L"";
    SHGetFolderPathW(nullptr, CSIDL_LOCAL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, appData);
    return std::wstring(appData) + L"\\TavoMedSuite\\records\\T119.csv";
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

// ---- Steps

constexpr wchar_t kTitle[] = L"BMI 与体型判读";
constexpr wchar_t kPrompt[] = L"填写左侧参数，点击“计算”";
constexpr wchar_t kCaution[] = L"运动员、水肿、妊娠、肌肉减少人群需结合人体成分判断。";
constexpr wchar_t kNoResultCopy[] = L"请先点击“计算”生成结果。";
constexpr wchar_t kNoResultSave[] = L"请先点击“计算”生成结果，再保存记录。";

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

bool start(const std::wstring& program) {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    std::wstring commandLine = L"\"" + program + L"\"";
    if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &app.process)) {
        expect(false, "the program starts", "CreateProcessW error " + std::to_string(GetLastError()));
        return false;
    }
    WaitForInputIdle(app.process.hProcess, 30000);
    const bool up = waitUntil(
        [] { return (app.main = findTopWindow(L"TavoMedToolWnd", nullptr)) != nullptr || !programRunning(); },
        30000);
    if (!expect(up && app.main != nullptr, "the main window appears")) return false;
    app.thread = GetWindowThreadProcessId(app.main, nullptr);
    for (HWND child = GetWindow(app.main, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT))
        app.children.push_back(child);
    if (!expectNumber(static_cast<long long>(app.children.size()), 15, "child controls")) return false;
    HWND* const slots[] = {nullptr,        &app.inputs[0], nullptr,     nullptr,      &app.inputs[1],
                           nullptr,        &app.verdict,   &app.report, &app.caution, &app.reference,
                           &app.calculate, &app.save,      &app.copy,   &app.reset,   &app.about};
    for (size_t i = 0; i < app.children.size(); ++i)
        if (slots[i] != nullptr) *slots[i] = app.children[i];
    return true;
}

void checkWindow() {
    context = "window";
    expectText(classOf(app.main), L"TavoMedToolWnd", "class");
    wchar_t title[128] = L"";
    GetWindowTextW(app.main, title, 128);
    expectText(title, kTitle, "title");
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
    expect(focusOfProgram() == app.inputs[0], "the first input box has the focus");
}

void checkControls() {
    context = "controls";
    const struct {
        const wchar_t* className;
        DWORD exStyle, style;
        int x, y, width, height, id;
        const wchar_t* text;
    } expected[] = {
        {L"Static", 0, 0x50000002, 24, 151, 184, 22, 0, L"身高"},
        {L"Edit", 0x200, 0x50000080, 216, 146, 152, 27, 2000, L"170"},
        {L"Static", 0, 0x50000000, 374, 150, 78, 22, 0, L"cm"},
        {L"Static", 0, 0x50000002, 24, 185, 184, 22, 0, L"体重"},
        {L"Edit", 0x200, 0x50000080, 216, 180, 152, 27, 2001, L"65"},
        {L"Static", 0, 0x50000000, 374, 184, 78, 22, 0, L"kg"},
        {L"Static", 0, 0x50000000, 492, 142, 492, 46, 0, kPrompt},
        {L"Edit", 0x200, 0x50200844, 492, 196, 492, 232, 3000, L""},
        {L"Static", 0, 0x50000000, 492, 444, 492, 120, 0, kCaution},
        {L"Static", 0, 0x50000000, 492, 576, 492, 56, 0, L"参考依据：《中国成人超重和肥胖症预防控制指南》"},
        {L"Button", 0, 0x5000000B, 20, 668, 152, 40, 1001, L"计算 (F5)"},
        {L"Button", 0, 0x5000000B, 184, 668, 132, 40, 1002, L"保存记录"},
        {L"Button", 0, 0x5000000B, 328, 668, 132, 40, 1003, L"复制结果"},
        {L"Button", 0, 0x5000000B, 472, 668, 132, 40, 1004, L"清空重填"},
        {L"Button", 0, 0x5000000B, 616, 668, 110, 40, 1005, L"关于"},
    };
    for (size_t i = 0; i < app.children.size() && i < sizeof expected / sizeof expected[0]; ++i) {
        const auto& e = expected[i];
        HWND control = app.children[i];
        const std::string what = "control " + std::to_string(i) + " " + utf8(e.text);
        expect(_wcsicmp(classOf(control).c_str(), e.className) == 0, what + ": class",
               "got " + utf8(classOf(control)));
        expectNumber(GetDlgCtrlID(control), e.id, what + ": id");
        RECT box;
        GetWindowRect(control, &box);
        MapWindowPoints(nullptr, app.main, reinterpret_cast<POINT*>(&box), 2);
        expect(box.left == e.x && box.top == e.y && box.right - box.left == e.width &&
                   box.bottom - box.top == e.height,
               what + ": position and size",
               "got " + std::to_string(box.left) + "," + std::to_string(box.top) + " " +
                   std::to_string(box.right - box.left) + " x " + std::to_string(box.bottom - box.top));
        const DWORD style = static_cast<DWORD>(GetWindowLongW(control, GWL_STYLE));
        expect(style == e.style, what + ": style", "expected " + hex(e.style) + ", got " + hex(style));
        const DWORD exStyle = static_cast<DWORD>(GetWindowLongW(control, GWL_EXSTYLE));
        expect(exStyle == e.exStyle, what + ": extended style",
               "expected " + hex(e.exStyle) + ", got " + hex(exStyle));
        expectText(textOf(control), e.text, what + ": text");
    }
}

void checkRefusalsBeforeAResult(const std::wstring& recordFile) {
    context = "before a result";
    expect(putOnClipboard(L"剪贴板原有内容"), "the driver can fill the clipboard");
    click(app.copy);
    expectMessageBox(L"提示", kNoResultCopy, "Copy");
    expectText(clipboardText(), L"剪贴板原有内容", "Copy leaves the clipboard alone");

    const std::string before = readFile(recordFile);
    click(app.save);
    expectMessageBox(L"提示", kNoResultSave, "Save");
    expect(readFile(recordFile) == before, "Save writes nothing");
}

void checkCalculate(const RECT& screenClient) {
    context = "calculate by the button";
    click(app.calculate);
    expectNoMessageBox("Calculate");
    expectShown(kDefaults, "defaults");
    expect(focusOfProgram() == app.main, "the focus is on the main window");
    Shot shot = verdictShot(screenClient, 0);
    writeBmp(shot, L"window-after-calculate.bmp");
    checkLayoutPixels(shot);
    checkVerdictColour(shot, 0);

    context = "keys while the main window has the focus";
    setInputs(kObese.height, kObese.weight);
    postKey(app.main, VK_F5);
    postKey(app.main, VK_RETURN);
    sync();
    expectShown(kDefaults, "F5 and Enter to the main window");

    context = "F5 in an input box";
    postKey(app.inputs[1], VK_F5);
    sync();
    expectShown(kObese, "obese");
    shot = verdictShot(screenClient, 2);
    writeBmp(shot, L"window-level-2.bmp");
    checkVerdictColour(shot, 2);

    context = "Enter in an input box";
    setInputs(kUnderweight.height, kUnderweight.weight);
    postKey(app.inputs[0], VK_RETURN);
    sync();
    expectShown(kUnderweight, "underweight");
    shot = verdictShot(screenClient, 1);
    writeBmp(shot, L"window-level-1.bmp");
    checkVerdictColour(shot, 1);

    context = "Enter on a button";
    setInputs(kOverweight.height, kOverweight.weight);
    postKey(app.about, VK_RETURN);
    expectNoMessageBox("Enter on the About button runs Calculate only");
    expectShown(kOverweight, "overweight");
    context = "F5 in the report box";
    setInputs(kDefaults.height, kDefaults.weight);
    postKey(app.report, VK_F5);
    sync();
    expectShown(kDefaults, "defaults again");
}

void checkInputErrors() {
    context = "input errors";
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

    context = "texts that are not quite numbers";
    const struct {
        const wchar_t* height;
        const wchar_t* weight;
        const wchar_t* report;
        const wchar_t* verdict;
    } lenient[] = {
        {L"170", L"12abc", L"BMI：4.15 kg/m2\r\n理想体重：65.0 kg\r\n与理想体重差：-81.5 %\r\n",
         L"体重偏低，建议 NRS2002 筛查"},
        {L"170", L"", L"BMI：0.00 kg/m2\r\n理想体重：65.0 kg\r\n与理想体重差：-100.0 %\r\n",
         L"体重偏低，建议 NRS2002 筛查"},
        {L"   ", L"65",
         L"BMI：0.00 kg/m2\r\n理想体重：-105.0 kg\r\n与理想体重差：-161.9 "
         L"%\r\n（部分结果无法计算，请检查输入是否合理）\r\n",
         L"体重偏低，建议 NRS2002 筛查"},
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
    context = "copy";
    setInputs(kDefaults.height, kDefaults.weight);
    click(app.calculate);
    sync();
    expectShown(kDefaults, "defaults");
    expect(putOnClipboard(L"旧内容"), "the driver can fill the clipboard");
    click(app.copy);
    expectNoMessageBox("Copy");
    expectText(clipboardText(),
               L"BMI 与体型判读\r\nBMI：22.49 kg/m2\r\n理想体重：65.0 kg\r\n与理想体重差：0.0 %\r\n—— "
               L"体重正常，保持均衡饮食与运动",
               "clipboard after Copy");
    expectNumber(countInk(statusShot(screenClient, false), kStatusLeft, kFooter), 0,
                 "the short success status");

    context = "copy while the clipboard is held";
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

void checkSave(const std::wstring& recordFile) {
    context = "save";
    setInputs(kDefaults.height, kDefaults.weight);
    click(app.calculate);
    sync();
    expectShown(kDefaults, "defaults");
    // The record holds the values of the last Calculate, not the boxes' texts.
    setInputs(L"180", L"90");
    const std::string before = readFile(recordFile);
    const std::wstring earliest = localTimeText();
    click(app.save);
    expectMessageBox(L"已保存", L"本次结果已追加保存到本地记录（CSV，可用 Excel 打开）。", "Save");
    const std::wstring latest = localTimeText();
    const std::string after = readFile(recordFile);
    if (!expect(after.size() > before.size() && after.compare(0, before.size(), before) == 0,
                "the record file grows by appending", utf8(recordFile)))
        return;
    std::string added = after.substr(before.size());
    if (before.empty()) {
        const std::string head = "\xEF\xBB\xBF" + utf8(L"时间,工具,身高,体重,结果\r\n");
        if (!expect(added.compare(0, head.size(), head) == 0, "a new file starts with BOM and header"))
            return;
        added = added.substr(head.size());
    }
    const std::wstring record = widen(added);
    const std::wstring time = record.substr(0, 19);
    expect(time.size() == 19 && time >= earliest && time <= latest, "the record's time is the time of saving",
           utf8(time) + " not in " + utf8(earliest) + " .. " + utf8(latest));
    expectText(
        record.size() > 19 ? record.substr(19) : record,
        L",BMI 与体型判读,身高=170,体重=65,\"BMI：22.49 kg/m2\r\n理想体重：65.0 kg\r\n与理想体重差：0.0 "
        L"%\r\n\"\r\n",
        "the record after the time");
}

void checkReset(const std::wstring& recordFile, const RECT& screenClient) {
    context = "reset";
    setInputs(kObese.height, kObese.weight);
    click(app.calculate);
    sync();
    expectShown(kObese, "a result to forget");
    setInputs(L"1", L"2");
    click(app.reset);
    sync();
    expectText(textOf(app.inputs[0]), L"170", "height default");
    expectText(textOf(app.inputs[1]), L"65", "weight default");
    expectText(textOf(app.report), L"", "report emptied");
    expectText(textOf(app.verdict), kPrompt, "verdict prompt");
    expectText(textOf(app.caution), kCaution, "caution");
    checkVerdictColour(verdictShot(screenClient, 0), 0);

    expect(putOnClipboard(L"重置后"), "the driver can fill the clipboard");
    click(app.copy);
    expectMessageBox(L"提示", kNoResultCopy, "Copy after Reset");
    expectText(clipboardText(), L"重置后", "Copy after Reset leaves the clipboard alone");
    const std::string before = readFile(recordFile);
    click(app.save);
    expectMessageBox(L"提示", kNoResultSave, "Save after Reset");
    expect(readFile(recordFile) == before, "Save after Reset writes nothing");
}

void checkAbout() {
    context = "about";
    click(app.about);
    expectMessageBox(
        L"关于本工具",
        L"BMI 与体型判读\r\n\r\n分类：营养评估\r\n参考依据：《中国成人超重和肥胖症预防控制指南》\r\n\r\n"
        L"本工具为临床辅助计算/记录工具，结果不能替代医师诊疗判断，\r\n"
        L"具体用药与处置请结合患者实际情况及本院规范执行。\r\n\r\n版本 V1.0    官网：tavomed.cn",
        "About");
}

void checkClose() {
    context = "close";
    PostMessageW(app.main, WM_CLOSE, 0, 0);
    const bool ended = WaitForSingleObject(app.process.hProcess, 15000) == WAIT_OBJECT_0;
    if (expect(ended, "the program ends after WM_CLOSE")) {
        DWORD code = 99;
        GetExitCodeProcess(app.process.hProcess, &code);
        expectNumber(code, 0, "exit code");
    }
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 3) {
        say("usage: window_driver <program.exe> <artifact folder>\n");
        return 2;
    }
    const std::wstring program = argv[1];
    artifactFolder = argv[2];
    clipboardOwner =
        CreateWindowExW(0, L"STATIC", L"clipboard", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    const std::wstring recordFile = recordFilePath();

    if (start(program)) {
        const RECT screenClient = clientOnScreen();
        checkWindow();
        checkControls();
        checkRefusalsBeforeAResult(recordFile);
        checkCalculate(screenClient);
        checkInputErrors();
        checkCopy(screenClient);
        checkSave(recordFile);
        checkReset(recordFile, screenClient);
        checkAbout();
        if (programRunning()) checkClose();
    }
    return finish();
}
