// 最近使用: the tools opened last from the launcher, their file and the list's
// lines around them, free of any platform call.
#pragma once

#include <cstdint>

#include "engine/tool.h"

constexpr int32_t kMaxRecentTools = 8;
constexpr wchar_t kRecentHeading[] = L"—— 最近使用 ——";
constexpr wchar_t kAllToolsHeading[] = L"—— 全部工具 ——";

// A line whose text (blanks around it aside) is this long holds no tool number.
constexpr int32_t kRecentLineCapacity = 32;
// The file never holds more than this many bytes when written.
constexpr int32_t kRecentFileCapacity = kMaxRecentTools * 12;

// Reads the file a piece at a time: one tool number a line, the most recent
// first, UTF-8 (a byte-order mark is skipped). Blanks around a number are
// ignored; a line that is not a whole number of one of the tools, or names a
// tool already read, is skipped.
struct RecentReader {
    const ToolDef* const* tools;
    int32_t toolCount;
    char line[kRecentLineCapacity]; // without the blanks around it
    int32_t lineLength;
    bool damaged;      // too long for a number, or a cut byte-order mark
    bool pendingBlank; // blanks after the line's text so far
    int32_t markBytes; // bytes of a byte-order mark at the start, -1 once past it
    int32_t numbers[kMaxRecentTools];
    int32_t count;
};

void startRecentReader(RecentReader& reader, const ToolDef* const* tools, int32_t toolCount);
// False once the reader holds kMaxRecentTools numbers: the rest cannot count.
bool readRecentBytes(RecentReader& reader, const char* bytes, int32_t size);
// The last line, when the file does not end with a line end.
void finishRecentReader(RecentReader& reader);

// The numbers after opening the tool: it comes first, once, and at most
// kMaxRecentTools stay. Returns the new count.
int32_t rememberRecentTool(int32_t* numbers, int32_t count, int32_t number);

// "%d\r\n" per number; returns the byte count, 0 when they do not fit.
int32_t composeRecentFile(const int32_t* numbers, int32_t count, char* bytes, int32_t capacity);

// ---- The list's lines

// A tool, or a heading that cannot be opened (tool null).
struct LauncherLine {
    const ToolDef* tool;
    const wchar_t* heading;
};

constexpr int32_t kMaxLauncherLines = 256 + kMaxRecentTools + 2;

// With the search text blank and recent tools among `all`: the recent heading,
// those tools, the all-tools heading, then the shown tools; else the shown tools alone.
int32_t composeLauncherLines(const ToolDef* const* shown, int32_t shownCount, const ToolDef* const* all,
                             int32_t allCount, const int32_t* recent, int32_t recentCount,
                             const wchar_t* searchText, LauncherLine* lines, int32_t capacity);

// The first tool line, or -1.
int32_t firstToolLine(const LauncherLine* lines, int32_t count);

// The selection after a step of -1 or +1, headings skipped; it stops at the
// list's ends. From no selection: the first tool line.
int32_t movedToolLine(const LauncherLine* lines, int32_t count, int32_t selected, int32_t step);

// The tool line nearest `line` in the direction of the step, else in the
// other direction; -1 when there is none.
int32_t toolLineNear(const LauncherLine* lines, int32_t count, int32_t line, int32_t step);
