// The suite's user guide and the program list the packager reads, both
// composed from the tool definitions so that they follow the programs.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "engine/tool.h"

constexpr wchar_t kUserGuideTitle[] = L"TavoMedSuite 临床工具集 使用说明";

// One number a numbered input takes, and what it stands for.
struct GuideCode {
    int32_t number;
    std::wstring meaning;
};

// The numbers a tool's numbered inputs take: the infusion check's drug table,
// otherwise the list after "编号：" in the caution; empty when there is none.
std::vector<GuideCode> toolCodes(const ToolDef& tool);
// The list after "编号：" in the caution alone.
std::vector<GuideCode> cautionCodes(const ToolDef& tool);

// The whole guide, tools in the order given, lines ending in CR LF.
std::wstring composeUserGuide(const ToolDef* const* tools, int32_t count);
// "<number>|<name>|<category>|<description>" and LF per tool (the description may be empty).
std::wstring composeProgramList(const ToolDef* const* tools, int32_t count);

// UTF-8, with a byte-order mark when asked; empty when the text cannot be encoded.
std::string encodeUtf8(const std::wstring& text, bool byteOrderMark);
