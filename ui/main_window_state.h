// The main window's one shared record (Win32 layer only).
#pragma once

#include <windows.h>

#include <cstdint>

#include "engine/tool.h"

constexpr int32_t kReportCopyCapacity = 8192;
constexpr int32_t kCopyTextCapacity = 1024;
constexpr int32_t kStatusTextCapacity = 256;

struct MainWindowState {
    HINSTANCE instance;
    HWND mainWindow;
    const ToolDef* tool;
    int32_t level;
    HWND inputEdits[kMaxInputs];
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
