#include "app/self_test.h"

#include "engine/calculation.h"
#include "engine/expression.h"
#include "engine/text.h"

namespace {

constexpr wchar_t kSelfTestSwitch[] = L"--selftest";
constexpr int32_t kSwitchLength = 10;
constexpr int32_t kReportCapacity = 8192;
constexpr int32_t kVerdictCapacity = 512;

const wchar_t* findText(const wchar_t* text, const wchar_t* needle) {
    for (const wchar_t* p = text; *p != 0; ++p) {
        int32_t i = 0;
        while (needle[i] != 0 && p[i] == needle[i])
            ++i;
        if (needle[i] == 0) return p;
    }
    return nullptr;
}

} // namespace

void appendFlattenedReport(wchar_t* fileText, int32_t capacity, const wchar_t* report) {
    int32_t length = textLength(fileText);
    int32_t appended = 0;
    for (const wchar_t* p = report; *p != 0 && appended < kDetailLimit; ++p) {
        if (*p == L'\r') continue;
        if (length < capacity - 1) fileText[length++] = *p == L'\n' ? L' ' : *p;
        ++appended;
    }
    fileText[length] = 0;
}

bool parseSelfTestCommandLine(const wchar_t* commandLine, wchar_t* fileName, int32_t capacity) {
    if (capacity < 1) return false;
    fileName[0] = 0;
    const wchar_t* found = commandLine != nullptr ? findText(commandLine, kSelfTestSwitch) : nullptr;
    if (found == nullptr) return false;

    const wchar_t* p = found + kSwitchLength;
    while (*p == L' ')
        ++p;
    wchar_t end = L' ';
    if (*p == L'"') {
        end = L'"';
        ++p;
    }
    int32_t n = 0;
    while (p[n] != 0 && p[n] != end)
        ++n;
    appendTextN(fileName, capacity, p, n);
    if (fileName[0] == 0) copyText(fileName, capacity, kDefaultSelfTestName);
    return true;
}

int32_t composeSelfTestFile(const ToolDef& tool, wchar_t* fileText, int32_t capacity) {
    double inputValues[kMaxInputs] = {};
    for (int32_t i = 0; i < tool.inputCount && i < kMaxInputs; ++i)
        inputValues[i] = tool.inputs[i].defaultValue;

    wchar_t report[kReportCapacity];
    wchar_t verdict[kVerdictCapacity];
    wchar_t reportCopy[kReportCapacity];
    int32_t level = 0;
    runCalculation(tool, inputValues, report, kReportCapacity, verdict, kVerdictCapacity, &level, reportCopy,
                   kReportCapacity);

    formatText(fileText, capacity, L"TOOL|%d|%ls|%ls\r\n", tool.number, tool.name, tool.category);
    wchar_t levelLine[256];
    formatText(levelLine, 256, L"LEVEL|%d\r\n", level);
    appendText(fileText, capacity, levelLine);

    int32_t errors = 0;
    if (tool.reportKind != report_kind::None) {
        appendText(fileText, capacity, L"OUT|报告文本|见 DETAIL|\r\n");
    } else {
        // In table order with the earlier outputs visible, as the run computes them, so
        // each OUT value is the one the program shows.
        double outputValues[kMaxOutputs] = {};
        for (int32_t i = 0; i < tool.outputCount && i < kMaxOutputs; ++i) {
            const OutputField& output = tool.outputs[i];
            int32_t failed = 0;
            const double value = evaluateExpression(tool, output.formula, inputValues, outputValues, &failed);
            outputValues[i] = value;
            if (failed != 0) ++errors;
            wchar_t valueText[128];
            formatValue(output.format, value, valueText, 128);
            wchar_t outLine[512];
            formatText(outLine, 512, L"OUT|%ls|%ls|%ls\r\n", output.label, valueText,
                       output.unit != nullptr ? output.unit : L"");
            appendText(fileText, capacity, outLine);
        }
    }

    appendText(fileText, capacity, L"VERDICT|");
    appendText(fileText, capacity, verdict);
    appendText(fileText, capacity, L"\r\n");
    appendText(fileText, capacity, L"DETAIL|");
    appendFlattenedReport(fileText, capacity, report);
    appendText(fileText, capacity, L"\r\n");
    wchar_t errorsLine[128];
    formatText(errorsLine, 128, L"ERRORS|%d\r\n", errors);
    appendText(fileText, capacity, errorsLine);
    return errors;
}

int runSelfTestFor(const ToolDef& tool, const wchar_t* fileName) {
    wchar_t fileText[kSelfTestFileCapacity];
    int32_t errors = composeSelfTestFile(tool, fileText, kSelfTestFileCapacity);
    if (!writeUtf8File(fileName, fileText)) return kExitFileNotWritten;
    return errors > 0 ? kExitOutputFailed : kExitOk;
}

int runSelfTest(const wchar_t* fileName) {
    return runSelfTestFor(builtinTool(), fileName);
}
