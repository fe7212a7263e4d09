#include "launcher/recent_tools.h"

#include <initializer_list>

#include "engine/text.h"
#include "launcher/launcher_model.h"

namespace {

bool isLineBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r';
}

const ToolDef* toolNumbered(const ToolDef* const* tools, int32_t count, int32_t number) {
    for (int32_t i = 0; i < count; ++i)
        if (tools[i]->number == number) return tools[i];
    return nullptr;
}

// A whole number of a tool not yet read: kept.
void takeLine(RecentReader& reader) {
    const int32_t length = reader.lineLength;
    const bool damaged = reader.damaged;
    reader.lineLength = 0;
    reader.damaged = false;
    reader.pendingBlank = false;
    // Nine digits at most: no overflow, and far beyond any tool number.
    if (damaged || length < 1 || length > 9 || reader.count >= kMaxRecentTools) return;
    int32_t number = 0;
    for (int32_t i = 0; i < length; ++i) {
        if (reader.line[i] < '0' || reader.line[i] > '9') return;
        number = number * 10 + (reader.line[i] - '0');
    }
    if (toolNumbered(reader.tools, reader.toolCount, number) == nullptr) return;
    for (int32_t i = 0; i < reader.count; ++i)
        if (reader.numbers[i] == number) return;
    reader.numbers[reader.count++] = number;
}

void keepByte(RecentReader& reader, char c) {
    if (reader.lineLength >= kRecentLineCapacity - 1) {
        reader.damaged = true;
        return;
    }
    reader.line[reader.lineLength++] = c;
}

} // namespace

void startRecentReader(RecentReader& reader, const ToolDef* const* tools, int32_t toolCount) {
    reader.tools = tools;
    reader.toolCount = toolCount;
    reader.lineLength = 0;
    reader.damaged = false;
    reader.pendingBlank = false;
    reader.markBytes = 0;
    reader.count = 0;
}

bool readRecentBytes(RecentReader& reader, const char* bytes, int32_t size) {
    static constexpr char kByteOrderMark[] = "\xEF\xBB\xBF";
    for (int32_t i = 0; i < size && reader.count < kMaxRecentTools; ++i) {
        const char c = bytes[i];
        if (reader.markBytes >= 0 && reader.markBytes < 3 && c == kByteOrderMark[reader.markBytes]) {
            ++reader.markBytes;
            continue;
        }
        // Part of a mark and then something else: that line is damaged.
        if (reader.markBytes > 0 && reader.markBytes < 3) reader.damaged = true;
        reader.markBytes = -1;
        if (c == '\n') {
            takeLine(reader);
        } else if (isLineBlank(c)) {
            reader.pendingBlank = reader.lineLength > 0;
        } else {
            if (reader.pendingBlank) keepByte(reader, ' ');
            reader.pendingBlank = false;
            keepByte(reader, c);
        }
    }
    return reader.count < kMaxRecentTools;
}

void finishRecentReader(RecentReader& reader) {
    if (reader.lineLength > 0 || reader.damaged) takeLine(reader);
}

int32_t rememberRecentTool(int32_t* numbers, int32_t count, int32_t number) {
    if (count > kMaxRecentTools) count = kMaxRecentTools;
    int32_t at = 0;
    while (at < count && numbers[at] != number)
        ++at;
    if (at == count && count < kMaxRecentTools) ++count;
    if (at >= count) at = count - 1; // a new tool pushes the oldest out
    for (int32_t i = at; i > 0; --i)
        numbers[i] = numbers[i - 1];
    numbers[0] = number;
    return count;
}

int32_t composeRecentFile(const int32_t* numbers, int32_t count, char* bytes, int32_t capacity) {
    int32_t length = 0;
    for (int32_t i = 0; i < count; ++i) {
        char line[16];
        int32_t n = 0;
        char digits[12];
        int32_t d = 0;
        for (uint32_t value = static_cast<uint32_t>(numbers[i]); d == 0 || value > 0; value /= 10)
            digits[d++] = static_cast<char>('0' + value % 10);
        while (d > 0)
            line[n++] = digits[--d];
        line[n++] = '\r';
        line[n++] = '\n';
        if (length + n > capacity) return 0;
        for (int32_t k = 0; k < n; ++k)
            bytes[length++] = line[k];
    }
    return length;
}

int32_t composeLauncherLines(const ToolDef* const* shown, int32_t shownCount, const ToolDef* const* all,
                             int32_t allCount, const int32_t* recent, int32_t recentCount,
                             const wchar_t* searchText, LauncherLine* lines, int32_t capacity) {
    int32_t n = 0;
    wchar_t trimmed[kSearchTextCapacity];
    trimSearchText(searchText, trimmed, kSearchTextCapacity);
    if (trimmed[0] == L'\0') {
        const ToolDef* found[kMaxRecentTools];
        int32_t foundCount = 0;
        for (int32_t i = 0; i < recentCount && i < kMaxRecentTools; ++i) {
            const ToolDef* tool = toolNumbered(all, allCount, recent[i]);
            if (tool != nullptr) found[foundCount++] = tool;
        }
        if (foundCount > 0 && foundCount + 2 <= capacity) {
            lines[n++] = {nullptr, kRecentHeading};
            for (int32_t i = 0; i < foundCount; ++i)
                lines[n++] = {found[i], nullptr};
            lines[n++] = {nullptr, kAllToolsHeading};
        }
    }
    for (int32_t i = 0; i < shownCount && n < capacity; ++i)
        lines[n++] = {shown[i], nullptr};
    return n;
}

int32_t firstToolLine(const LauncherLine* lines, int32_t count) {
    return toolLineNear(lines, count, 0, 1);
}

int32_t movedToolLine(const LauncherLine* lines, int32_t count, int32_t selected, int32_t step) {
    if (step == 0) return selected;
    if (selected < 0 || selected >= count || lines[selected].tool == nullptr)
        return firstToolLine(lines, count);
    for (int32_t line = selected + step; line >= 0 && line < count; line += step)
        if (lines[line].tool != nullptr) return line;
    return selected;
}

int32_t toolLineNear(const LauncherLine* lines, int32_t count, int32_t line, int32_t step) {
    step = step < 0 ? -1 : 1;
    for (int32_t way : {step, -step})
        for (int32_t at = line; at >= 0 && at < count; at += way)
            if (lines[at].tool != nullptr) return at;
    return -1;
}
