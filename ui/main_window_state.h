// The main window's one shared record (Win32 layer only).
#pragma once

#include <windows.h>

#include <cstdint>

#include "engine/tool.h"
#include "ui/window_model.h"

struct MainWindowState {
    HINSTANCE instance;
    HWND mainWindow;
    const ToolDef* tool;
    int32_t level;
    HWND inputEdits[kMaxInputs]; // a box, or a list for a choice input
    HWND resultEdit;
    HWND verdictLabel;
    HWND cautionLabel;
    HWND calculateButton, saveButton, copyButton, resetButton, aboutButton;
    HFONT titleFont, headingFont, labelFont, inputFont, verdictFont, reportFont, buttonFont, smallFont;
    HBRUSH panelBrush;
    HBRUSH backgroundBrush;
    wchar_t reportCopy[kReportCopyCapacity];
    wchar_t copyText[kCopyTextCapacity];
    wchar_t statusText[kStatusTextCapacity];
    double inputValues[kMaxInputs];
};

extern MainWindowState mainWindowState;
