// The per-tool CSV record log: what goes into the file and where, and the save
// procedure over a small table of platform file operations.
#pragma once

#include <cstdint>

#include "engine/local_time.h"
#include "engine/tool.h"
#include "engine/utf8.h"

// Capacities in wide units, terminator included.
constexpr int32_t kAppDataPathCapacity = 260;
constexpr int32_t kRecordsFolderCapacity = 260;
constexpr int32_t kFolderChainCapacity = 520;
constexpr int32_t kRecordFileCapacity = 520;
constexpr int32_t kHeaderLineCapacity = 512;
constexpr int32_t kRecordSegmentCapacity = 128; // a comma and one header or input field
// UTF-16 units of the report kept in a record: the whole stored report.
constexpr int32_t kResultTextLimit = 8191;
// A comma, the two quotes and every kept unit doubled (a quote).
constexpr int32_t kResultSegmentCapacity = 2 * kResultTextLimit + 4;
// Time, tool name and input fields in 4096 units, then the result and CR LF.
constexpr int32_t kRecordLineCapacity = 4096 + kResultSegmentCapacity;
// Bytes: a wide unit takes at most four UTF-8 bytes (three where wchar_t is UTF-16).
constexpr int32_t kRecordUtf8Capacity = 4 * kRecordLineCapacity;
constexpr int32_t kRecordStatusCapacity = 256;
constexpr int32_t kRecordMessageCapacity = 1024;

// "%ls\TavoMedSuite\records" under the local application-data folder.
int32_t composeRecordsFolder(const wchar_t* appDataFolder, wchar_t* folder, int32_t capacity);
// "%ls\T%03d.csv": one file per tool number.
int32_t composeRecordFile(const wchar_t* recordsFolder, int32_t toolNumber, wchar_t* file, int32_t capacity);

// Calls visit on every prefix of folder that ends before a backslash, from the
// fourth character on (a drive root is skipped), and then on the whole folder.
void walkFolderChain(const wchar_t* folder, void (*visit)(void* context, const wchar_t* prefix),
                     void* context);

// True when a field holds a comma, a double quote, CR or LF.
bool csvFieldNeedsQuotes(const wchar_t* text);
// Appends a comma and text as one field, quoted when asked or needed. The
// buffer stays at most capacity - 1 - reserve long: a field that does not fit
// is cut inside its quotes, never through a UTF-16 surrogate pair.
int32_t appendCsvField(wchar_t* buffer, int32_t capacity, int32_t reserve, const wchar_t* text,
                       bool alwaysQuote);

// The result segment: a comma and the first kResultTextLimit UTF-16 units of
// the report, always quoted, inner quotes doubled, line breaks kept.
int32_t composeResultSegment(const wchar_t* reportCopy, wchar_t* segment, int32_t capacity);
// "时间,工具", one column per input label, ",结果" and CR LF.
int32_t composeHeaderLine(const ToolDef& tool, wchar_t* line, int32_t capacity);
// Time, tool name, "label=%g" per input, the result segment and CR LF. The
// result segment and the line end are never cut away by long earlier fields.
int32_t composeRecordLine(const ToolDef& tool, const double* inputValues, const wchar_t* reportCopy,
                          const LocalTime& time, wchar_t* line, int32_t capacity);

// The file operations the save needs; context is handed to every call.
struct RecordPlatform {
    void* context;
    // The per-user local application-data folder; false when it cannot be resolved.
    bool (*resolveAppDataFolder)(void* context, wchar_t* path, int32_t capacity);
    // Failures are ignored by the caller: existing folders are simply passed.
    void (*createDirectory)(void* context, const wchar_t* path);
    // True when the file opens for reading.
    bool (*fileExists)(void* context, const wchar_t* path);
    // Opens for appending bytes, writes them in one call and closes; true only
    // when every byte was written.
    bool (*appendBytes)(void* context, const wchar_t* path, const char* bytes, int32_t count);
};

// The operating system's operations (Win32 or POSIX, paths with "\" mapped to "/").
const RecordPlatform& systemRecordPlatform();

enum class SaveResult : int32_t { NoResult, Saved, Failed };

struct SaveOutcome {
    SaveResult result;
    wchar_t recordFile[kRecordFileCapacity];   // empty unless the folder was resolved
    wchar_t statusText[kRecordStatusCapacity]; // empty for NoResult: the status line keeps its text
    wchar_t message[kRecordMessageCapacity];   // the message box text
    const wchar_t* caption;                    // the message box caption
};

constexpr wchar_t kNoResultMessage[] = L"请先点击“计算”生成结果，再保存记录。";
constexpr wchar_t kSavedMessage[] = L"本次结果已追加保存到本地记录（CSV，可用 Excel 打开）。";
constexpr wchar_t kSaveFailedFormat[] =
    L"记录未能保存：%ls\r\n请检查该文件是否被其他程序（如 Excel）占用，或磁盘空间与写入权限是否充足。";
constexpr wchar_t kUnresolvedFolderName[] = L"本地应用数据文件夹";
constexpr wchar_t kSavedStatusFormat[] = L"记录已保存：%ls";
constexpr wchar_t kSaveFailedStatus[] = L"记录保存失败";
constexpr wchar_t kNoticeCaption[] = L"提示";
constexpr wchar_t kSavedCaption[] = L"已保存";

// Appends one record for the stored result (reportCopy empty: no result) to
// the tool's file, with the header first when the file does not exist yet.
// On a failure nothing further is written.
void saveRecordTo(const RecordPlatform& platform, const ToolDef& tool, const double* inputValues,
                  const wchar_t* reportCopy, const LocalTime& time, SaveOutcome* outcome);
