// 最近使用: reading a file of any shape, remembering, writing, and the list's lines.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "launcher/recent_tools.h"
#include "tools/suite.h"

namespace {

std::vector<const ToolDef*> suiteTools() {
    std::vector<const ToolDef*> tools;
    for (const SuiteTool& t : kSuiteTools)
        tools.push_back(&t.tool());
    return tools;
}

// The file read in pieces of every size: the result never depends on where a read ends.
std::vector<int32_t> readRecent(const std::string& bytes, bool finish = true) {
    const std::vector<const ToolDef*> tools = suiteTools();
    std::vector<int32_t> first;
    for (size_t piece : {bytes.size() + 1, size_t{1}, size_t{3}, size_t{4096}}) {
        RecentReader reader;
        startRecentReader(reader, tools.data(), static_cast<int32_t>(tools.size()));
        for (size_t at = 0; at < bytes.size(); at += piece) {
            const size_t n = std::min(piece, bytes.size() - at);
            if (!readRecentBytes(reader, bytes.data() + at, static_cast<int32_t>(n))) break;
        }
        if (finish) finishRecentReader(reader);
        const std::vector<int32_t> numbers(reader.numbers, reader.numbers + reader.count);
        if (first.empty()) first = numbers;
        EXPECT_EQ(first, numbers) << "read " << piece << " bytes at a time";
    }
    return first;
}

TEST(RecentTools, FileOfEveryShape) {
    std::string thousands;
    for (int i = 0; i < 5000; ++i)
        thousands += "damaged line " + std::to_string(i) + "\r\n";
    std::string longLine(100000, '1');
    const struct {
        const char* what;
        std::string bytes;
        std::vector<int32_t> numbers;
    } cases[] = {
        {"missing or empty", "", {}},
        {"written by the launcher", "342\r\n119\r\n205\r\n", {342, 119, 205}},
        {"LF only, no last line end", "342\n119\n205", {342, 119, 205}},
        {"blanks around", "  342\t\r\n\t119 \n \r\n", {342, 119}},
        {"a byte-order mark",
         "\xEF\xBB\xBF"
         "205\r\n119\r\n",
         {205, 119}},
        {"a mark later is damage",
         "205\r\n\xEF\xBB\xBF"
         "119\r\n",
         {205}},
        {"text", "最近使用\r\nhello\r\n119\r\n", {119}},
        {"numbers that are no tool",
         "0\r\n1\r\n999\r\n-119\r\n+119\r\n119.0\r\n1 19\r\n0x77\r\n301\r\n",
         {301}},
        {"a leading zero is still the number", "0119\r\n", {119}},
        {"duplicates count once, at their first line",
         "119\r\n205\r\n119\r\n205\r\n301\r\n",
         {119, 205, 301}},
        {"at most eight",
         "119\n201\n202\n203\n204\n205\n206\n207\n208\n209\n",
         {119, 201, 202, 203, 204, 205, 206, 207}},
        {"numbers too long to be read", "99999999999999999999\r\n4294967415\r\n119\r\n", {119}},
        {"a line far too long", longLine + "\r\n301\r\n", {301}},
        {"blanks around, however many", std::string(40, ' ') + "119" + std::string(40, '\t') + "\r\n", {119}},
        {"a cut mark",
         "\xEF\xBB"
         "119\r\n205\r\n",
         {205}},
        {"a mark alone", "\xEF\xBB\xBF", {}},
        {"thousands of lines, then numbers", thousands + "342\r\n301\r\n", {342, 301}},
        {"NUL and bytes that are no UTF-8",
         std::string("1\0"
                     "19\r\n\xFF\xFE\r\n205\r\n",
                     15),
         {205}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(readRecent(c.bytes), c.numbers) << c.what;
    // A read cut short: the last line, perhaps a part of a longer one, does not count.
    EXPECT_EQ(readRecent("342\r\n11", false), std::vector<int32_t>({342}));
}

TEST(RecentTools, RememberedFirstOnceAtMostEight) {
    const struct {
        std::vector<int32_t> before;
        int32_t opened;
        std::vector<int32_t> after;
    } cases[] = {
        {{}, 119, {119}},
        {{205, 119}, 342, {342, 205, 119}},
        {{205, 119, 342}, 119, {119, 205, 342}},
        {{205, 119}, 205, {205, 119}},
        {{1, 2, 3, 4, 5, 6, 7, 8}, 9, {9, 1, 2, 3, 4, 5, 6, 7}},
        {{1, 2, 3, 4, 5, 6, 7, 8}, 8, {8, 1, 2, 3, 4, 5, 6, 7}},
    };
    for (const auto& c : cases) {
        int32_t numbers[kMaxRecentTools] = {};
        std::copy(c.before.begin(), c.before.end(), numbers);
        const int32_t count = rememberRecentTool(numbers, static_cast<int32_t>(c.before.size()), c.opened);
        EXPECT_EQ(std::vector<int32_t>(numbers, numbers + count), c.after) << c.opened;
    }
}

TEST(RecentTools, FileWrittenReadsBackTheSame) {
    const int32_t numbers[] = {342, 119, 205, 301, 302, 303, 304, 305};
    char bytes[kRecentFileCapacity];
    const int32_t size = composeRecentFile(numbers, 8, bytes, kRecentFileCapacity);
    EXPECT_EQ(std::string(bytes, size), "342\r\n119\r\n205\r\n301\r\n302\r\n303\r\n304\r\n305\r\n");
    EXPECT_EQ(readRecent(std::string(bytes, size)), std::vector<int32_t>(numbers, numbers + 8));
    EXPECT_EQ(composeRecentFile(numbers, 0, bytes, kRecentFileCapacity), 0);
    EXPECT_EQ(composeRecentFile(numbers, 2, bytes, 9), 0) << "what does not fit is not written half";
}

TEST(RecentTools, LinesWithHeadingsOnlyWhileTheSearchIsBlank) {
    const std::vector<const ToolDef*> all = suiteTools();
    const int32_t allCount = static_cast<int32_t>(all.size());
    const int32_t recent[] = {342, 119, 205};
    std::vector<LauncherLine> lines(kMaxLauncherLines);
    auto texts = [&](int32_t count) {
        std::vector<std::wstring> shown;
        for (int32_t i = 0; i < count; ++i)
            shown.push_back(lines[i].tool != nullptr ? std::to_wstring(lines[i].tool->number)
                                                     : lines[i].heading);
        return shown;
    };
    int32_t n = composeLauncherLines(all.data(), 2, all.data(), allCount, recent, 3, L" \x3000", lines.data(),
                                     kMaxLauncherLines);
    const std::vector<std::wstring> blank = {L"—— 最近使用 ——",
                                             L"342",
                                             L"119",
                                             L"205",
                                             L"—— 全部工具 ——",
                                             std::to_wstring(all[0]->number),
                                             std::to_wstring(all[1]->number)};
    EXPECT_EQ(texts(n), blank);
    EXPECT_EQ(firstToolLine(lines.data(), n), 1);
    n = composeLauncherLines(all.data(), 2, all.data(), allCount, recent, 3, L"1", lines.data(),
                             kMaxLauncherLines);
    EXPECT_EQ(n, 2) << "a search shows no recent part";
    n = composeLauncherLines(all.data(), 2, all.data(), allCount, recent, 0, L"", lines.data(),
                             kMaxLauncherLines);
    EXPECT_EQ(n, 2) << "nothing recent, no headings";
    EXPECT_EQ(firstToolLine(lines.data(), n), 0);
    const int32_t unknown[] = {4242};
    n = composeLauncherLines(all.data(), 2, all.data(), allCount, unknown, 1, L"", lines.data(),
                             kMaxLauncherLines);
    EXPECT_EQ(n, 2) << "a number of no tool shows nothing";
}

TEST(RecentTools, StepsSkipTheHeadingsAndStopAtTheEnds) {
    const ToolDef& tool = kSuiteTools[0].tool();
    // heading, tool, tool, heading, tool
    const LauncherLine lines[] = {{nullptr, kRecentHeading},
                                  {&tool, nullptr},
                                  {&tool, nullptr},
                                  {nullptr, kAllToolsHeading},
                                  {&tool, nullptr}};
    const struct {
        int32_t selected, step, moved;
    } moves[] = {
        {1, -1, 1}, {1, 1, 2}, {2, 1, 4}, {4, -1, 2}, {4, 1, 4}, {-1, 1, 1}, {0, 1, 1}, {3, -1, 1},
    };
    for (const auto& m : moves)
        EXPECT_EQ(movedToolLine(lines, 5, m.selected, m.step), m.moved) << m.selected << " by " << m.step;
    const struct {
        int32_t line, step, near;
    } near[] = {{0, -1, 1}, {0, 1, 1}, {3, 1, 4}, {3, -1, 2}, {2, 1, 2}};
    for (const auto& c : near)
        EXPECT_EQ(toolLineNear(lines, 5, c.line, c.step), c.near) << c.line << " by " << c.step;
    EXPECT_EQ(toolLineNear(lines, 1, 0, 1), -1);
    EXPECT_EQ(movedToolLine(lines, 0, -1, 1), -1);
}

} // namespace
