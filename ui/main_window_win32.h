// The main window's Win32 layer: window procedure, commands and painting.
#pragma once

#include <windows.h>

#include "ui/gdi_win32.h"
#include "ui/window_model.h"

LRESULT CALLBACK mainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// WM_CREATE: builds the controls and sets the first status line.
void createControls(HWND window);

// The outer window size that gives the fixed client area.
SIZE mainWindowSize();

// The first input, or Calculate for a tool without inputs, with its text selected.
void focusFirstStop();

void calculateCommand();
void copyResultCommand();
void resetCommand();
void aboutCommand();

void paintMainWindow(HWND window);
void drawOwnerButton(const DRAWITEMSTRUCT& item);
// WM_CTLCOLOREDIT and WM_CTLCOLORSTATIC; both answer the panel brush.
HBRUSH colourEditControl(HDC dc);
HBRUSH colourStaticControl(HDC dc, HWND control);

// The font of a role (null for FontRole::None).
HFONT fontFor(FontRole role);
