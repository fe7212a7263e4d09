// The launcher's list, search, texts and layout, free of any platform call;
// the Win32 layer turns them into windows and starts the programs.
#pragma once

#include <cstdint>

#include "engine/tool.h"
#include "ui/window_model.h"

// Never the tools' class: the suite's programs are recognised by theirs.
constexpr wchar_t kLauncherClassName[] = L"TavoMedLauncherWnd";
constexpr wchar_t kLauncherTitle[] = L"临床计算工具箱";
constexpr wchar_t kLauncherSubtitle[] =
    L"TavoMedSuite 临床工具集  ·  输入名称、编号、分类或拼音首字母，按 Enter 打开";
constexpr wchar_t kSearchCue[] = L"输入名称、编号、分类或拼音首字母";
constexpr wchar_t kLauncherAboutCaption[] = L"关于临床计算工具箱";
constexpr wchar_t kProgramNotFound[] = L"未找到程序文件";

constexpr int32_t kSearchBoxId = 4001;
constexpr int32_t kToolListId = 4002;
constexpr int32_t kToolDetailId = 4003;
constexpr int32_t kLauncherStatusId = 4004;
constexpr int32_t kOpenToolId = 4005;
constexpr int32_t kLauncherAboutId = 4006;

// The tools' size: the same panels, buttons and footer, and room for long references.
constexpr int32_t kLauncherClientWidth = kClientWidth;
constexpr int32_t kLauncherClientHeight = kClientHeight;

// The suite may grow; the launcher's own tables hold at most this many tools.
constexpr int32_t kMaxLauncherTools = 256;

// Buffer capacities in wide units, terminator included.
constexpr int32_t kSearchTextCapacity = 128;
constexpr int32_t kListLineCapacity = 256;
constexpr int32_t kToolDetailCapacity = 2048;
constexpr int32_t kLauncherStatusCapacity = 64;
constexpr int32_t kLauncherMessageCapacity = 1024;
constexpr int32_t kProgramPathCapacity = 1024;

namespace launcher_bits {
constexpr uint32_t ListNotify = 0x0001;
constexpr uint32_t ListUseTabStops = 0x0080;
// The scroll bar stays, greyed when every line fits, so lines never shift while typing.
constexpr uint32_t ListKeepScrollBar = 0x1000;
constexpr uint32_t UpKey = 0x26;
constexpr uint32_t DownKey = 0x28;
constexpr uint32_t EscapeKey = 0x1B;
} // namespace launcher_bits

// ---- The list

// The tools ordered by category, the categories in the order they first
// appear in tools, then by number; at most capacity of them. Returns the count.
int32_t orderTools(const ToolDef* const* tools, int32_t count, const ToolDef** ordered, int32_t capacity);

// The search text without leading and trailing spaces, tabs and U+3000.
void trimSearchText(const wchar_t* text, wchar_t* trimmed, int32_t capacity);

// The trimmed text occurs in the tool's number, name, category or
// description, or in the 拼音首字母 of its name or category, ASCII letters
// of either case alike; the empty text always does.
bool toolMatches(const ToolDef& tool, const wchar_t* trimmed);

// The tools in their order that the search text (untrimmed) finds.
int32_t filterTools(const ToolDef* const* ordered, int32_t count, const wchar_t* searchText,
                    const ToolDef** shown, int32_t capacity);

// "%d\t%ls\t%ls": number, name, category.
void composeListLine(const ToolDef& tool, wchar_t* text, int32_t capacity);

// Description, "参考依据：" and the reference, caution; one per line, absent ones left out.
void composeToolDetail(const ToolDef& tool, wchar_t* text, int32_t capacity);

// "共 %d 个工具", or "找到 %d 个工具" while the trimmed search text is not empty.
void composeLauncherStatus(const wchar_t* searchText, int32_t shown, wchar_t* text, int32_t capacity);

// ---- Keys

enum class LauncherKey : int32_t { None, Open, Up, Down, Clear, Press };

// Enter in the box or the list opens, Esc in either clears, Up and Down
// count only in the box (the list moves its own selection); Enter on a
// button reached by Tab presses it.
LauncherKey launcherKeyOf(uint32_t message, uint64_t key, bool inSearchBox, bool inList,
                          bool onButton = false);

// Where Tab and Shift+Tab move the focus, in order (nextTabStop wraps).
constexpr int32_t kLauncherTabStops[] = {kSearchBoxId, kToolListId, kOpenToolId, kLauncherAboutId};

// The selection's steps, headings skipped: movedToolLine in launcher/recent_tools.h.

// ---- Starting a program

// "<folder>\<name>.exe" and "<folder>\" from the launcher's own path; false
// when either would not fit (a cut path could name another file).
bool composeProgramPaths(const wchar_t* launcherPath, const wchar_t* name, wchar_t* program, wchar_t* folder,
                         int32_t capacity);

// "无法启动 <name>.exe：<reason>", the reason without its trailing line end.
void composeStartError(const wchar_t* name, const wchar_t* reason, wchar_t* text, int32_t capacity);

// "TavoMedSuite 临床工具集  版本 <the project's version>" and the disclaimer.
void composeLauncherAbout(wchar_t* text, int32_t capacity);

// ---- Layout

constexpr int32_t kLauncherControlCount = 6;

// The controls in creation order: search box, list, detail, status, Open, About.
extern const ControlRow kLauncherControls[kLauncherControlCount];

// The list's height within its room once its font sets the item height: whole
// rows only, frame being the pixels its border takes.
int32_t wholeRowsListHeight(int32_t room, int32_t itemHeight, int32_t frame);

// The list's tab stops in dialog units: the name's and the category's columns.
constexpr int32_t kListTabStops[] = {20, 154}; // room for the longest name, 387's

constexpr int32_t kLauncherPaintStepCount = 8;

// Everything WM_PAINT draws, in order, for the launcher's client area.
extern const PaintStep kLauncherPaint[kLauncherPaintStepCount];
