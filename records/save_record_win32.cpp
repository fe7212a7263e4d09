#include <windows.h>

#include "engine/local_time.h"
#include "engine/text.h"
#include "records/record_log.h"
#include "records/save_record.h"
#include "ui/main_window_state.h"

void saveRecord() {
    MainWindowState& state = mainWindowState;
    SaveOutcome outcome;
    saveRecordTo(systemRecordPlatform(), *state.tool, state.inputValues, state.reportCopy, localTimeSource(),
                 &outcome);
    if (outcome.result != SaveResult::NoResult) {
        copyText(state.statusText, kStatusTextCapacity, outcome.statusText);
        InvalidateRect(state.mainWindow, nullptr, FALSE);
    }
    const UINT icon = outcome.result == SaveResult::Failed ? MB_ICONWARNING : MB_ICONINFORMATION;
    MessageBoxW(state.mainWindow, outcome.message, outcome.caption, MB_OK | icon);
}
