// The self-test: the built-in tool on its defaults, written as a line-oriented
// UTF-8 file that a build pipeline reads.
#pragma once

#include <cstdint>

#include "engine/tool.h"

constexpr int32_t kSelfTestNameCapacity = 520;
constexpr int32_t kSelfTestFileCapacity = 16384;
constexpr int32_t kDetailLimit = 8000;
constexpr wchar_t kDefaultSelfTestName[] = L"selftest.txt";

constexpr int kExitOk = 0;
constexpr int kExitOutputFailed = 2;
constexpr int kExitFileNotWritten = 3;

// Finds "--selftest" anywhere in the command line (case-sensitive) and reads
// the file name after it into fileName (at most capacity - 1 units, default
// "selftest.txt"). Returns false when the command line asks for the window.
bool parseSelfTestCommandLine(const wchar_t* commandLine, wchar_t* fileName, int32_t capacity);

// Composes the whole file text; returns the number of outputs whose
// evaluation failed.
int32_t composeSelfTestFile(const ToolDef& tool, wchar_t* fileText, int32_t capacity);

// The report on one line: CR dropped, LF as a space; stops once kDetailLimit
// units are appended. Bounded by capacity like every append.
void appendFlattenedReport(wchar_t* fileText, int32_t capacity, const wchar_t* report);

// Writes text as UTF-8 (no byte-order mark); false when the file could not be
// created or written in full. Platform layer.
bool writeUtf8File(const wchar_t* fileName, const wchar_t* text);

// The exit code: 0, 2 when an output failed, 3 when the file was not written.
int runSelfTestFor(const ToolDef& tool, const wchar_t* fileName);
int runSelfTest(const wchar_t* fileName);
