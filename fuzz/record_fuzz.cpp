// The CSV record composition: folder and file names, header and record lines,
// the quoted result field, the UTF-8 conversion and the save procedure over
// an in-memory platform, with any labels, values, report texts and capacities.
#include <deque>
#include <map>
#include <string>
#include <vector>

#include "fuzz_support.h"
#include "records/record_log.h"

namespace {

bool isHigh(uint32_t u) {
    return u >= 0xD800 && u <= 0xDBFF;
}
bool isLow(uint32_t u) {
    return u >= 0xDC00 && u <= 0xDFFF;
}

// The code points of a wide text, pairs joined; false for a lone surrogate or a value past U+10FFFF.
bool codePoints(const std::wstring& text, std::vector<uint32_t>* points) {
    for (size_t i = 0; i < text.size(); ++i) {
        uint32_t c = static_cast<uint32_t>(text[i]);
        if (isHigh(c) && i + 1 < text.size() && isLow(static_cast<uint32_t>(text[i + 1]))) {
            c = 0x10000 + ((c - 0xD800) << 10) + (static_cast<uint32_t>(text[i + 1]) - 0xDC00);
            ++i;
        } else if (isHigh(c) || isLow(c) || c > 0x10FFFF) {
            return false;
        }
        points->push_back(c);
    }
    return true;
}

// A strict UTF-8 decoder, the reference for the conversion.
bool decodeUtf8(const char* bytes, int32_t count, std::vector<uint32_t>* points) {
    for (int32_t i = 0; i < count;) {
        const uint8_t b = static_cast<uint8_t>(bytes[i]);
        const int32_t size = b < 0x80 ? 1 : (b >> 5) == 6 ? 2 : (b >> 4) == 14 ? 3 : (b >> 3) == 30 ? 4 : 0;
        if (size == 0 || i + size > count) return false;
        uint32_t c = size == 1 ? b : b & (0x7F >> size);
        for (int32_t k = 1; k < size; ++k) {
            const uint8_t t = static_cast<uint8_t>(bytes[i + k]);
            if ((t & 0xC0) != 0x80) return false;
            c = c << 6 | (t & 0x3F);
        }
        const uint32_t least[] = {0, 0, 0x80, 0x800, 0x10000};
        if (c < least[size] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return false;
        points->push_back(c);
        i += size;
    }
    return true;
}

// Reads one quoted CSV field ("..." with "" for a quote) at the start of text.
bool unquote(const wchar_t* text, std::wstring* field, int32_t* used) {
    if (text[0] != L'"') return false;
    int32_t i = 1;
    for (;;) {
        if (text[i] == 0) return false;
        if (text[i] == L'"') {
            if (text[i + 1] != L'"') break;
            ++i;
        }
        *field += text[i++];
    }
    *used = i + 1;
    return true;
}

void checkUtf8(FuzzInput& in, const std::wstring& text) {
    const int32_t capacity = in.count(4 * 700);
    std::vector<char> bytes(static_cast<size_t>(capacity) + 8, '\x5A');
    const int32_t n = convertToUtf8(text.c_str(), bytes.data(), capacity);
    for (size_t i = static_cast<size_t>(capacity); i < bytes.size(); ++i)
        FUZZ_CHECK(bytes[i] == '\x5A');
    std::vector<uint32_t> points;
    const bool valid = codePoints(text, &points);
    size_t needed = 0;
    for (uint32_t c : points)
        needed += c < 0x80 ? 1 : c < 0x800 ? 2 : c < 0x10000 ? 3 : 4;
    if (!valid || needed + 1 > static_cast<size_t>(capacity)) {
        FUZZ_CHECK(n == -1 && bytes[0] == 0);
        return;
    }
    FUZZ_CHECK(n == static_cast<int32_t>(needed) && bytes[static_cast<size_t>(n)] == 0);
    std::vector<uint32_t> decoded;
    FUZZ_CHECK(decodeUtf8(bytes.data(), n, &decoded));
    FUZZ_CHECK(decoded == points);
}

// The result segment: a comma and the report's start in quotes, no pair split.
void checkResultSegment(const std::wstring& report, const wchar_t* segment) {
    FUZZ_CHECK(segment[0] == L',');
    std::wstring kept;
    int32_t used = 0;
    FUZZ_CHECK(unquote(segment + 1, &kept, &used));
    FUZZ_CHECK(segment[1 + used] == 0);
    FUZZ_CHECK(report.compare(0, kept.size(), kept) == 0);
    FUZZ_CHECK(kept.size() <= static_cast<size_t>(kResultTextLimit));
    if (!kept.empty() && kept.size() < report.size())
        FUZZ_CHECK(!(isHigh(static_cast<uint32_t>(kept.back())) &&
                     isLow(static_cast<uint32_t>(report[kept.size()]))));
}

// An in-memory file system for the save procedure.
struct MemoryPlatform {
    std::wstring appData;
    bool resolves = true;
    bool writable = true;
    std::map<std::wstring, std::string> files;
    std::vector<std::wstring> folders;
};

bool resolve(void* context, wchar_t* path, int32_t capacity) {
    auto* m = static_cast<MemoryPlatform*>(context);
    if (!m->resolves) return false;
    FUZZ_CHECK(capacity == kAppDataPathCapacity);
    std::wstring text = m->appData.substr(0, static_cast<size_t>(capacity - 1));
    std::copy(text.begin(), text.end(), path);
    path[text.size()] = 0;
    return true;
}
void createFolder(void* context, const wchar_t* path) {
    static_cast<MemoryPlatform*>(context)->folders.push_back(path);
}
bool exists(void* context, const wchar_t* path) {
    auto* m = static_cast<MemoryPlatform*>(context);
    return m->files.count(path) != 0;
}
bool appendBytes(void* context, const wchar_t* path, const char* bytes, int32_t count) {
    auto* m = static_cast<MemoryPlatform*>(context);
    FUZZ_CHECK(count >= 0);
    if (!m->writable) return false;
    m->files[path].append(bytes, static_cast<size_t>(count));
    return true;
}

void checkSave(FuzzInput& in, const ToolDef& tool, const double* values, const std::wstring& report,
               const LocalTime& time) {
    MemoryPlatform memory;
    memory.appData = in.wideText(300);
    const uint8_t mode = in.byte();
    memory.resolves = mode % 8 != 0;
    memory.writable = mode % 8 != 1;
    const RecordPlatform platform{&memory, resolve, createFolder, exists, appendBytes};
    for (int32_t round = 0; round < 2; ++round) {
        SaveOutcome outcome;
        saveRecordTo(platform, tool, values, report.c_str(), time, &outcome);
        FUZZ_CHECK(wideLength(outcome.recordFile) < kRecordFileCapacity);
        FUZZ_CHECK(wideLength(outcome.statusText) < kRecordStatusCapacity);
        FUZZ_CHECK(wideLength(outcome.message) < kRecordMessageCapacity);
        FUZZ_CHECK(outcome.caption != nullptr);
        if (report.empty()) {
            FUZZ_CHECK(outcome.result == SaveResult::NoResult && memory.files.empty());
            return;
        }
        if (!memory.resolves || !memory.writable) {
            FUZZ_CHECK(outcome.result == SaveResult::Failed);
            continue;
        }
        if (outcome.result != SaveResult::Saved) continue; // a line that has no UTF-8 form
        // One file with the byte-order mark and the header once, then one record per save.
        FUZZ_CHECK(memory.files.size() == 1);
        const std::string& bytes = memory.files.begin()->second;
        FUZZ_CHECK(bytes.compare(0, 3, "\xEF\xBB\xBF") == 0);
        std::vector<uint32_t> points;
        FUZZ_CHECK(decodeUtf8(bytes.data() + 3, static_cast<int32_t>(bytes.size()) - 3, &points));
        FUZZ_CHECK(bytes.size() >= 2 && bytes.compare(bytes.size() - 2, 2, "\r\n") == 0);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzInput in{data, size};
    std::deque<std::wstring> labels;
    std::vector<InputField> inputs;
    const int32_t inputCount = in.count(kMaxInputs + 1) - 1;
    for (int32_t i = 0; i < inputCount; ++i) {
        labels.push_back(in.wideText(140));
        inputs.push_back({"x", labels.back().c_str(), nullptr, 0.0});
    }
    const std::wstring name = in.wideText(200);
    ToolDef tool{};
    tool.number = in.byte() < 128 ? in.byte() : in.i32();
    tool.name = name.c_str();
    tool.category = L"";
    tool.reference = L"";
    tool.inputCount = inputCount;
    tool.inputs = inputs.data();
    double values[kMaxInputs];
    for (double& v : values)
        v = in.number();
    const std::wstring report = in.wideText(600);
    const LocalTime time{in.i32(), in.i32(), in.i32(), in.i32(), in.i32(), in.i32()};

    // Result segment, whole and cut.
    GuardedText segment(kResultSegmentCapacity);
    const int32_t segmentLength =
        composeResultSegment(report.c_str(), segment.data(), kResultSegmentCapacity);
    FUZZ_CHECK(segmentLength == segment.check());
    checkResultSegment(report, segment.text());

    // Header and record line: terminated, and with room the right ends.
    const int32_t headerCapacity = in.count(kHeaderLineCapacity);
    GuardedText header(headerCapacity);
    FUZZ_CHECK(composeHeaderLine(tool, header.data(), headerCapacity) == header.check());
    GuardedText fullHeader(kHeaderLineCapacity);
    composeHeaderLine(tool, fullHeader.data(), kHeaderLineCapacity);
    fullHeader.check();
    const std::wstring headerText = fullHeader.text();
    FUZZ_CHECK(headerText.compare(0, 5, L"时间,工具") == 0);
    FUZZ_CHECK(headerText.size() >= 5 && headerText.compare(headerText.size() - 5, 5, L",结果\r\n") == 0);

    const int32_t lineCapacity = in.count(kRecordLineCapacity);
    GuardedText line(lineCapacity);
    FUZZ_CHECK(composeRecordLine(tool, values, report.c_str(), time, line.data(), lineCapacity) ==
               line.check());
    GuardedText fullLine(kRecordLineCapacity);
    composeRecordLine(tool, values, report.c_str(), time, fullLine.data(), kRecordLineCapacity);
    fullLine.check();
    const std::wstring lineText = fullLine.text();
    const std::wstring ending = std::wstring(segment.text()) + L"\r\n";
    FUZZ_CHECK(lineText.size() >= ending.size() &&
               lineText.compare(lineText.size() - ending.size(), ending.size(), ending) == 0);

    // A field appended under a reserve stays within capacity - 1 - reserve.
    const std::wstring start = in.wideText(60);
    const std::wstring field = in.wideText(200);
    const int32_t fieldCapacity = in.count(300);
    const int32_t reserve = in.count(40) - 1;
    GuardedText buffer(fieldCapacity);
    std::copy(start.begin(),
              start.begin() + std::min<size_t>(start.size(), static_cast<size_t>(fieldCapacity - 1)),
              buffer.data());
    buffer.data()[std::min<size_t>(start.size(), static_cast<size_t>(fieldCapacity - 1))] = 0;
    const int32_t before = wideLength(buffer.text());
    const int32_t after = appendCsvField(buffer.data(), fieldCapacity, reserve, field.c_str(), in.byte() & 1);
    FUZZ_CHECK(after == buffer.check());
    if (before < fieldCapacity - 1 - reserve)
        FUZZ_CHECK(after <= fieldCapacity - 1 - reserve);
    else
        FUZZ_CHECK(after == before);

    // Folder and file names.
    const std::wstring folder = in.wideText(600);
    const int32_t nameCapacity = in.count(kRecordFileCapacity);
    GuardedText records(nameCapacity), file(nameCapacity);
    composeRecordsFolder(folder.c_str(), records.data(), nameCapacity);
    records.check();
    composeRecordFile(folder.c_str(), tool.number, file.data(), nameCapacity);
    file.check();
    std::vector<std::wstring> prefixes;
    walkFolderChain(
        folder.c_str(),
        [](void* context, const wchar_t* prefix) {
            static_cast<std::vector<std::wstring>*>(context)->push_back(prefix);
        },
        &prefixes);
    FUZZ_CHECK(!prefixes.empty());
    for (const std::wstring& prefix : prefixes)
        FUZZ_CHECK(folder.compare(0, prefix.size(), prefix) == 0);

    checkUtf8(in, in.byte() & 1 ? report : lineText);
    checkSave(in, tool, values, report, time);
    return 0;
}
