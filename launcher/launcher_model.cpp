#include "launcher/launcher_model.h"

#include <cwchar>

#include "engine/text.h"
#include "launcher/pinyin_initials.h"

namespace {

bool sameText(const wchar_t* a, const wchar_t* b) {
    return std::wcscmp(a != nullptr ? a : L"", b != nullptr ? b : L"") == 0;
}

// Where the tool's category first appears among the tools.
int32_t categoryRank(const ToolDef* const* tools, int32_t count, const ToolDef& tool) {
    for (int32_t i = 0; i < count; ++i) {
        if (sameText(tools[i]->category, tool.category)) return i;
    }
    return count;
}

bool isBlank(wchar_t c) {
    return c == L' ' || c == L'\t' || c == L'\x3000';
}

wchar_t foldAscii(wchar_t c) {
    return c >= L'A' && c <= L'Z' ? static_cast<wchar_t>(c - L'A' + L'a') : c;
}

bool containsFolded(const wchar_t* text, const wchar_t* part) {
    if (text == nullptr) return false;
    for (const wchar_t* start = text; *start != L'\0'; ++start) {
        int32_t i = 0;
        while (part[i] != L'\0' && foldAscii(start[i]) == foldAscii(part[i]))
            ++i;
        if (part[i] == L'\0') return true;
    }
    return false;
}

} // namespace

int32_t orderTools(const ToolDef* const* tools, int32_t count, const ToolDef** ordered, int32_t capacity) {
    int32_t rank[kMaxLauncherTools];
    if (capacity > kMaxLauncherTools) capacity = kMaxLauncherTools;
    const int32_t n = count < capacity ? count : capacity;
    // Insertion sort: stable and without allocation for a table this small.
    for (int32_t i = 0; i < n; ++i) {
        const ToolDef* tool = tools[i];
        const int32_t r = categoryRank(tools, count, *tool);
        int32_t at = i;
        while (at > 0 &&
               (rank[at - 1] > r || (rank[at - 1] == r && ordered[at - 1]->number > tool->number))) {
            ordered[at] = ordered[at - 1];
            rank[at] = rank[at - 1];
            --at;
        }
        ordered[at] = tool;
        rank[at] = r;
    }
    return n < 0 ? 0 : n;
}

void trimSearchText(const wchar_t* text, wchar_t* trimmed, int32_t capacity) {
    if (capacity < 1) return;
    trimmed[0] = L'\0';
    if (text == nullptr) return;
    while (isBlank(*text))
        ++text;
    int32_t length = textLength(text);
    while (length > 0 && isBlank(text[length - 1]))
        --length;
    appendTextN(trimmed, capacity, text, length);
}

bool toolMatches(const ToolDef& tool, const wchar_t* trimmed) {
    if (trimmed[0] == L'\0') return true;
    wchar_t number[16];
    formatText(number, 16, L"%d", static_cast<int>(tool.number));
    if (containsFolded(number, trimmed) || containsFolded(tool.name, trimmed) ||
        containsFolded(tool.category, trimmed) || containsFolded(tool.description, trimmed))
        return true;
    wchar_t initials[kListLineCapacity];
    composeInitials(tool.name, initials, kListLineCapacity);
    if (containsFolded(initials, trimmed)) return true;
    composeInitials(tool.category, initials, kListLineCapacity);
    return containsFolded(initials, trimmed);
}

int32_t filterTools(const ToolDef* const* ordered, int32_t count, const wchar_t* searchText,
                    const ToolDef** shown, int32_t capacity) {
    wchar_t trimmed[kSearchTextCapacity];
    trimSearchText(searchText, trimmed, kSearchTextCapacity);
    int32_t n = 0;
    for (int32_t i = 0; i < count && n < capacity; ++i) {
        if (toolMatches(*ordered[i], trimmed)) shown[n++] = ordered[i];
    }
    return n;
}

void composeListLine(const ToolDef& tool, wchar_t* text, int32_t capacity) {
    formatText(text, capacity, L"%d\t%ls\t%ls", static_cast<int>(tool.number), tool.name, tool.category);
}

void composeToolDetail(const ToolDef& tool, wchar_t* text, int32_t capacity) {
    if (capacity < 1) return;
    text[0] = L'\0';
    if (tool.description != nullptr) {
        appendText(text, capacity, tool.description);
        appendText(text, capacity, L"\r\n");
    }
    appendText(text, capacity, L"参考依据：");
    appendText(text, capacity, tool.reference);
    if (tool.caution != nullptr) {
        appendText(text, capacity, L"\r\n");
        appendText(text, capacity, tool.caution);
    }
}

void composeLauncherStatus(const wchar_t* searchText, int32_t shown, wchar_t* text, int32_t capacity) {
    wchar_t trimmed[kSearchTextCapacity];
    trimSearchText(searchText, trimmed, kSearchTextCapacity);
    formatText(text, capacity, trimmed[0] == L'\0' ? L"共 %d 个工具" : L"找到 %d 个工具",
               static_cast<int>(shown));
}

LauncherKey launcherKeyOf(uint32_t message, uint64_t key, bool inSearchBox, bool inList, bool onButton) {
    if (message == win_bits::KeyDownMessage && onButton && key == win_bits::ReturnKey)
        return LauncherKey::Press;
    if (message != win_bits::KeyDownMessage || !(inSearchBox || inList)) return LauncherKey::None;
    if (key == win_bits::ReturnKey) return LauncherKey::Open;
    if (key == launcher_bits::EscapeKey) return LauncherKey::Clear;
    if (inSearchBox && key == launcher_bits::UpKey) return LauncherKey::Up;
    if (inSearchBox && key == launcher_bits::DownKey) return LauncherKey::Down;
    return LauncherKey::None;
}

bool composeProgramPaths(const wchar_t* launcherPath, const wchar_t* name, wchar_t* program, wchar_t* folder,
                         int32_t capacity) {
    if (capacity < 1) return false;
    // The folder keeps its last separator, so that a drive's root stays one.
    int32_t folderLength = 0;
    for (int32_t i = 0; launcherPath[i] != L'\0'; ++i) {
        if (launcherPath[i] == L'\\' || launcherPath[i] == L'/') folderLength = i + 1;
    }
    folder[0] = L'\0';
    appendTextN(folder, capacity, launcherPath, folderLength);
    formatText(program, capacity, L"%ls%ls.exe", folder, name);
    return folderLength + textLength(name) + 4 < capacity;
}

void composeStartError(const wchar_t* name, const wchar_t* reason, wchar_t* text, int32_t capacity) {
    int32_t length = formatText(text, capacity, L"无法启动 %ls.exe：%ls", name, reason);
    // The system's reasons end in a line end, which would only add a blank line to the box.
    while (length > 0 && (text[length - 1] == L'\r' || text[length - 1] == L'\n' || text[length - 1] == L' '))
        text[--length] = L'\0';
}

int32_t wholeRowsListHeight(int32_t room, int32_t itemHeight, int32_t frame) {
    if (itemHeight <= 0 || room <= frame) return room;
    return frame + (room - frame) / itemHeight * itemHeight;
}

void composeLauncherAbout(wchar_t* text, int32_t capacity) {
    formatText(text, capacity, L"TavoMedSuite 临床工具集  版本 %s\r\n\r\n%ls", MEDTOOL_VERSION, kDisclaimer);
}

namespace {

constexpr uint32_t kChildVisible = win_bits::Child | win_bits::Visible;
constexpr uint32_t kListStyle = kChildVisible | win_bits::VScroll | launcher_bits::ListNotify |
                                launcher_bits::ListUseTabStops | launcher_bits::ListKeepScrollBar;

constexpr PaintStep fill(int32_t left, int32_t top, int32_t right, int32_t bottom, Colour colour) {
    return {PaintKind::Fill, left, top, right - left, bottom - top, colour, FontRole::None, 0, nullptr};
}

} // namespace

const ControlRow kLauncherControls[kLauncherControlCount] = {
    // The search box and the list make the left column, the detail the right.
    {L"EDIT", win_bits::ExClientEdge, kChildVisible | win_bits::EditAutoHScroll, 36, 110, 396, 30,
     kSearchBoxId, FontRole::Input, L"", false, ControlSlot::None, 0},
    // Tall enough for 27 rows; cut to whole rows once its font is set.
    {L"LISTBOX", win_bits::ExClientEdge, kListStyle, 36, 150, 396, 490, kToolListId, FontRole::Input, L"",
     false, ControlSlot::None, 0},
    // The longest description, reference and caution whole.
    {L"STATIC", 0, kChildVisible, 448, 110, 536, 530, kToolDetailId, FontRole::Label, L"", false,
     ControlSlot::None, 0},
    {L"STATIC", 0, kChildVisible | win_bits::StaticRight, 664, 684, 320, 20, kLauncherStatusId,
     FontRole::Small, L"", false, ControlSlot::None, 0},
    {L"BUTTON", 0, kChildVisible | win_bits::ButtonOwnerDraw, 20, 668, 172, 40, kOpenToolId, FontRole::None,
     L"打开 (Enter)", false, ControlSlot::None, 0},
    {L"BUTTON", 0, kChildVisible | win_bits::ButtonOwnerDraw, 204, 668, 110, 40, kLauncherAboutId,
     FontRole::None, L"关于", false, ControlSlot::None, 0},
};

const PaintStep kLauncherPaint[kLauncherPaintStepCount] = {
    fill(0, 0, kLauncherClientWidth, kLauncherClientHeight, colours::Background),
    fill(0, 0, kLauncherClientWidth, 88, colours::HeaderBand),
    fill(0, 0, 8, 88, colours::AccentStrip),
    {PaintKind::Text, 26, 12, 700, 38, colours::TitleText, FontRole::Title, 0, kLauncherTitle},
    {PaintKind::Text, 28, 48, 720, 28, colours::SubtitleText, FontRole::Heading, 0, kLauncherSubtitle},
    fill(20, 96, 1000, 648, colours::Panel),
    {PaintKind::Frame, 20, 96, 980, 552, colours::PanelOutline, FontRole::None, 0, nullptr},
    fill(0, 660, kLauncherClientWidth, kLauncherClientHeight, colours::FooterBand),
};
