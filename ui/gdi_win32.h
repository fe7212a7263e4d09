// Drawing and sizing shared by the tools' window and the launcher: free of
// either window's state, so the launcher links none of the tools' window code.
#pragma once

#include <windows.h>

#include "ui/window_model.h"

inline COLORREF colorRef(Colour colour) {
    return RGB(colour.red, colour.green, colour.blue);
}

HFONT createFont(const FontParams& font);

void fillBox(HDC dc, int x, int y, int width, int height, Colour colour);
void frameBox(HDC dc, int x, int y, int width, int height, Colour colour);
// Transparent text in the box with exactly the flags given.
void drawText(HDC dc, RECT box, const wchar_t* text, Colour colour, HFONT font, UINT flags);
// One line, vertically centred, cut with an ellipsis, plus the extra flags.
void drawTextBox(HDC dc, int x, int y, int width, int height, const wchar_t* text, Colour colour, HFONT font,
                 UINT extraFlags);
// One step of a paint plan, its text in the given font.
void paintStep(HDC dc, const PaintStep& step, HFONT font);
// An owner-drawn button: its fill (pressed or not), outline and centred caption.
void drawButtonFace(const DRAWITEMSTRUCT& item, const ButtonColours& colours, HFONT font);

// The outer size of a window of the suite's style around the client area.
SIZE outerWindowSize(int clientWidth, int clientHeight);
// Centred on the primary screen, never above or left of its origin.
int centred(int screen, int size);

// Moves the focus one Tab stop (step +1 or -1, wrapping) from the control among the parent's
// stops; an edit box reached so has its whole text selected, so typing replaces it.
void moveFocusAmong(HWND parent, const int32_t* stopIds, int32_t stopCount, HWND from, int32_t step);
// Focuses one control as a Tab stop does.
void focusStop(HWND control);
