// The buttons' commands: Calculate, Copy, Reset and About.
#include "engine/calculation.h"
#include "engine/text.h"
#include "ui/main_window_state.h"
#include "ui/main_window_win32.h"

namespace {

// True only when the clipboard took the block; a block it did not take is freed.
bool putOnClipboard(const ToolDef& tool, const wchar_t* copyText, HWND owner) {
    if (!OpenClipboard(owner)) return false;
    EmptyClipboard();
    const int32_t capacity = clipboardTextCapacity(tool, copyText);
    bool handed = false;
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, static_cast<SIZE_T>(capacity) * sizeof(wchar_t));
    if (block != nullptr) {
        auto* text = static_cast<wchar_t*>(GlobalLock(block));
        if (text != nullptr) {
            composeClipboardText(tool, copyText, text, capacity);
            GlobalUnlock(block);
            handed = SetClipboardData(CF_UNICODETEXT, block) != nullptr;
        }
        if (!handed) GlobalFree(block);
    }
    CloseClipboard();
    return handed;
}

void setStatus(const wchar_t* text) {
    copyText(mainWindowState.statusText, kStatusTextCapacity, text);
    InvalidateRect(mainWindowState.mainWindow, nullptr, FALSE);
}

} // namespace

void calculateCommand() {
    MainWindowState& s = mainWindowState;
    const ToolDef& tool = *s.tool;
    const int32_t count = shownInputCount(tool);
    wchar_t texts[kMaxInputs][kInputTextCapacity];
    const wchar_t* textOf[kMaxInputs];
    int32_t selections[kMaxInputs];
    for (int32_t i = 0; i < count; ++i) {
        texts[i][0] = L'\0';
        selections[i] = -1;
        if (tool.inputs[i].choiceCount > 0)
            selections[i] = static_cast<int32_t>(SendMessageW(s.inputEdits[i], CB_GETCURSEL, 0, 0));
        else
            GetWindowTextW(s.inputEdits[i], texts[i], kInputTextCapacity);
        textOf[i] = texts[i];
    }
    // Read aside: a refused text leaves the last result's values, which Save records, as they were.
    double values[kMaxInputs] = {};
    const int32_t rejected = readInputValues(tool, textOf, selections, values);
    if (rejected >= 0) {
        wchar_t message[kMessageTextCapacity];
        composeInputError(tool, rejected, message, kMessageTextCapacity);
        MessageBoxW(s.mainWindow, message, kInputErrorCaption, MB_OK | MB_ICONWARNING);
        SetFocus(s.inputEdits[rejected]);
        return;
    }
    for (int32_t i = 0; i < count; ++i)
        s.inputValues[i] = values[i];

    // Each date box shows how its text was read.
    for (int32_t i = 0; i < count; ++i) {
        if (!tool.inputs[i].isDate) continue;
        wchar_t date[kDefaultTextCapacity];
        formatInputText(tool.inputs[i], s.inputValues[i], date, kDefaultTextCapacity);
        SetWindowTextW(s.inputEdits[i], date);
    }

    wchar_t report[kReportTextCapacity];
    wchar_t verdict[kVerdictTextCapacity];
    runCalculation(tool, s.inputValues, report, kReportTextCapacity, verdict, kVerdictTextCapacity, &s.level,
                   s.reportCopy, kReportCopyCapacity);
    s.copyText[0] = L'\0';
    SetWindowTextW(s.resultEdit, report);
    SetWindowTextW(s.verdictLabel, verdict);
    composeCopyText(tool, report, verdict, s.copyText, kCopyTextCapacity);
    // Repainted in the colour of the new level.
    InvalidateRect(s.verdictLabel, nullptr, TRUE);
    composeCalculatedStatus(tool, s.statusText, kStatusTextCapacity);
    InvalidateRect(s.mainWindow, nullptr, FALSE);
    SetFocus(s.mainWindow);
}

void copyResultCommand() {
    MainWindowState& s = mainWindowState;
    if (!hasResult(s.reportCopy)) {
        MessageBoxW(s.mainWindow, kCopyNoResultMessage, kHintCaption, MB_OK | MB_ICONINFORMATION);
        return;
    }
    const bool copied = putOnClipboard(*s.tool, s.copyText, s.mainWindow);
    setStatus(copied ? kCopiedStatus : kCopyFailedStatus);
}

void resetCommand() {
    MainWindowState& s = mainWindowState;
    const ToolDef& tool = *s.tool;
    const int32_t count = shownInputCount(tool);
    for (int32_t i = 0; i < count; ++i) {
        const InputField& field = tool.inputs[i];
        if (field.choiceCount > 0) {
            SendMessageW(s.inputEdits[i], CB_SETCURSEL, static_cast<WPARAM>(defaultChoiceIndex(field)), 0);
            continue;
        }
        wchar_t text[kDefaultTextCapacity];
        formatInputText(field, windowStartValue(field), text, kDefaultTextCapacity);
        SetWindowTextW(s.inputEdits[i], text);
    }
    SetWindowTextW(s.resultEdit, L"");
    SetWindowTextW(s.verdictLabel, kVerdictPrompt);
    SetWindowTextW(s.cautionLabel, cautionText(tool));
    copyText(s.statusText, kStatusTextCapacity, kResetStatus);
    s.reportCopy[0] = L'\0';
    s.level = 0;
    InvalidateRect(s.mainWindow, nullptr, FALSE);
    focusFirstStop();
}

void aboutCommand() {
    wchar_t text[kAboutTextCapacity];
    composeAboutText(*mainWindowState.tool, text, kAboutTextCapacity);
    MessageBoxW(mainWindowState.mainWindow, text, kAboutCaption, MB_OK | MB_ICONINFORMATION);
}
