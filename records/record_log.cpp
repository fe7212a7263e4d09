#include "records/record_log.h"

#include <cstddef>

#include "engine/calendar.h"
#include "engine/text.h"
#include "engine/utf8.h"

namespace {

// Units that travel together: a surrogate pair is never split.
int32_t unitsAt(const wchar_t* text) {
    return isHighSurrogate(unitValue(text[0])) && isLowSurrogate(unitValue(text[1])) ? 2 : 1;
}

// A cut that ended inside a surrogate pair leaves its first half: drop it.
void dropSplitPair(wchar_t* text) {
    int32_t n = textLength(text);
    if (n > 0 && isHighSurrogate(unitValue(text[n - 1]))) text[n - 1] = 0;
}

void fail(SaveOutcome* outcome, const wchar_t* what) {
    outcome->result = SaveResult::Failed;
    copyText(outcome->statusText, kRecordStatusCapacity, kSaveFailedStatus);
    formatText(outcome->message, kRecordMessageCapacity, kSaveFailedFormat, what);
    outcome->caption = kNoticeCaption;
}

int32_t clampedInputCount(const ToolDef& tool) {
    if (tool.inputCount < 0) return 0;
    return tool.inputCount < kMaxInputs ? tool.inputCount : kMaxInputs;
}

constexpr wchar_t kHeaderTail[] = L",结果\r\n";
constexpr int32_t kHeaderTailLength = static_cast<int32_t>(sizeof kHeaderTail / sizeof kHeaderTail[0]) - 1;
constexpr unsigned char kByteOrderMark[] = {0xEF, 0xBB, 0xBF};

} // namespace

int32_t composeRecordsFolder(const wchar_t* appDataFolder, wchar_t* folder, int32_t capacity) {
    return formatText(folder, capacity, L"%ls\\TavoMedSuite\\records", appDataFolder);
}

int32_t composeRecordFile(const wchar_t* recordsFolder, int32_t toolNumber, wchar_t* file, int32_t capacity) {
    return formatText(file, capacity, L"%ls\\T%03d.csv", recordsFolder, toolNumber);
}

void walkFolderChain(const wchar_t* folder, void (*visit)(void* context, const wchar_t* prefix),
                     void* context) {
    wchar_t work[kFolderChainCapacity];
    int32_t n = copyText(work, kFolderChainCapacity, folder);
    for (int32_t i = 3; i < n; ++i) {
        if (work[i] != L'\\') continue;
        work[i] = 0;
        visit(context, work);
        work[i] = L'\\';
    }
    visit(context, work);
}

bool csvFieldNeedsQuotes(const wchar_t* text) {
    for (const wchar_t* p = text; p != nullptr && *p != 0; ++p)
        if (*p == L',' || *p == L'"' || *p == L'\r' || *p == L'\n') return true;
    return false;
}

int32_t appendCsvField(wchar_t* buffer, int32_t capacity, int32_t reserve, const wchar_t* text,
                       bool alwaysQuote) {
    if (buffer == nullptr || capacity < 1) return 0;
    int32_t n = textLength(buffer);
    const int32_t limit = capacity - 1 - reserve; // the longest the buffer may become
    if (n >= limit) return n;
    buffer[n++] = L',';
    const bool quote = alwaysQuote || csvFieldNeedsQuotes(text);
    if (quote && limit - n < 2) {
        buffer[n] = 0;
        return n;
    }
    if (quote) buffer[n++] = L'"';
    int32_t room = limit - n - (quote ? 1 : 0);
    for (int32_t i = 0; text != nullptr && text[i] != 0;) {
        const int32_t take = unitsAt(text + i);
        const int32_t need = quote && text[i] == L'"' ? 2 : take;
        if (need > room) break;
        for (int32_t k = 0; k < take; ++k)
            buffer[n++] = text[i + k];
        if (need > take) buffer[n++] = L'"';
        room -= need;
        i += take;
    }
    if (quote) buffer[n++] = L'"';
    buffer[n] = 0;
    return n;
}

int32_t composeResultSegment(const wchar_t* reportCopy, wchar_t* segment, int32_t capacity) {
    // Counted in UTF-16 units on every platform, so both builds keep the same text.
    wchar_t kept[kResultTextLimit + 1];
    int32_t keptLength = 0;
    int32_t units = 0;
    for (int32_t i = 0; reportCopy != nullptr && reportCopy[i] != 0;) {
        const int32_t take = unitsAt(reportCopy + i);
        const int32_t weight = take == 2 || unitValue(reportCopy[i]) > 0xFFFF ? 2 : 1;
        if (units + weight > kResultTextLimit) break;
        for (int32_t k = 0; k < take; ++k)
            kept[keptLength++] = reportCopy[i + k];
        units += weight;
        i += take;
    }
    kept[keptLength] = 0;
    if (segment == nullptr || capacity < 1) return 0;
    segment[0] = 0;
    return appendCsvField(segment, capacity, 0, kept, true);
}

int32_t composeHeaderLine(const ToolDef& tool, wchar_t* line, int32_t capacity) {
    formatText(line, capacity, L"时间,工具");
    const int32_t count = clampedInputCount(tool);
    for (int32_t i = 0; i < count; ++i) {
        // A header segment is a comma and the label, within kRecordSegmentCapacity.
        wchar_t label[kRecordSegmentCapacity - 1];
        copyText(label, kRecordSegmentCapacity - 1, tool.inputs[i].label);
        dropSplitPair(label);
        appendCsvField(line, capacity, kHeaderTailLength + (count - 1 - i), label, false);
    }
    return appendText(line, capacity, kHeaderTail);
}

int32_t composeRecordLine(const ToolDef& tool, const double* inputValues, const wchar_t* reportCopy,
                          const LocalTime& time, wchar_t* line, int32_t capacity) {
    wchar_t result[kResultSegmentCapacity];
    const int32_t tail = composeResultSegment(reportCopy, result, kResultSegmentCapacity) + 2;
    const int32_t count = clampedInputCount(tool);
    // Every later field keeps room for at least its comma.
    formatText(line, capacity, L"%04d-%02d-%02d %02d:%02d:%02d", time.year, time.month, time.day, time.hour,
               time.minute, time.second);
    appendCsvField(line, capacity, tail + count, tool.name, false);
    for (int32_t i = 0; i < count; ++i) {
        wchar_t field[kRecordSegmentCapacity - 1];
        int64_t day = 0;
        wchar_t date[32];
        if (tool.inputs[i].isDate && dayNumberFromValue(inputValues[i], &day)) {
            formatDayNumber(day, date, 32);
            formatText(field, kRecordSegmentCapacity - 1, L"%ls=%ls", tool.inputs[i].label, date);
        } else {
            formatText(field, kRecordSegmentCapacity - 1, L"%ls=%g", tool.inputs[i].label, inputValues[i]);
        }
        dropSplitPair(field);
        appendCsvField(line, capacity, tail + (count - 1 - i), field, false);
    }
    appendText(line, capacity, result);
    return appendText(line, capacity, L"\r\n");
}

void saveRecordTo(const RecordPlatform& platform, const ToolDef& tool, const double* inputValues,
                  const wchar_t* reportCopy, const LocalTime& time, SaveOutcome* outcome) {
    outcome->result = SaveResult::NoResult;
    outcome->recordFile[0] = 0;
    outcome->statusText[0] = 0;
    outcome->caption = kNoticeCaption;
    if (reportCopy == nullptr || reportCopy[0] == 0) {
        copyText(outcome->message, kRecordMessageCapacity, kNoResultMessage);
        return;
    }

    wchar_t appData[kAppDataPathCapacity];
    appData[0] = 0;
    if (!platform.resolveAppDataFolder(platform.context, appData, kAppDataPathCapacity) || appData[0] == 0) {
        fail(outcome, kUnresolvedFolderName);
        return;
    }
    wchar_t folder[kRecordsFolderCapacity];
    composeRecordsFolder(appData, folder, kRecordsFolderCapacity);
    walkFolderChain(folder, platform.createDirectory, platform.context);
    composeRecordFile(folder, tool.number, outcome->recordFile, kRecordFileCapacity);
    const wchar_t* file = outcome->recordFile;
    const bool exists = platform.fileExists(platform.context, file);

    // Both lines are converted before anything is written, so a line that
    // cannot be converted leaves no header behind.
    wchar_t line[kRecordLineCapacity];
    composeRecordLine(tool, inputValues, reportCopy, time, line, kRecordLineCapacity);
    char record[kRecordUtf8Capacity];
    const int32_t recordBytes = convertToUtf8(line, record, kRecordUtf8Capacity);
    if (recordBytes < 0) {
        fail(outcome, file);
        return;
    }
    if (!exists) {
        wchar_t header[kHeaderLineCapacity];
        composeHeaderLine(tool, header, kHeaderLineCapacity);
        char headerBytes[sizeof kByteOrderMark + 4 * kHeaderLineCapacity];
        for (std::size_t i = 0; i < sizeof kByteOrderMark; ++i)
            headerBytes[i] = static_cast<char>(kByteOrderMark[i]);
        const int32_t bom = static_cast<int32_t>(sizeof kByteOrderMark);
        const int32_t headerLength = convertToUtf8(header, headerBytes + bom, 4 * kHeaderLineCapacity);
        if (headerLength < 0 ||
            !platform.appendBytes(platform.context, file, headerBytes, bom + headerLength)) {
            fail(outcome, file);
            return;
        }
    }
    if (!platform.appendBytes(platform.context, file, record, recordBytes)) {
        fail(outcome, file);
        return;
    }
    outcome->result = SaveResult::Saved;
    formatText(outcome->statusText, kRecordStatusCapacity, kSavedStatusFormat, file);
    copyText(outcome->message, kRecordMessageCapacity, kSavedMessage);
    outcome->caption = kSavedCaption;
}
