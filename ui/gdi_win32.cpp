// Drawing and sizing shared by the tools' window and the launcher.
#include "ui/gdi_win32.h"

HFONT createFont(const FontParams& font) {
    return CreateFontW(font.height, 0, 0, 0, font.weight, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY, 0, font.face);
}

void fillBox(HDC dc, int x, int y, int width, int height, Colour colour) {
    HBRUSH brush = CreateSolidBrush(colorRef(colour));
    RECT box{x, y, x + width, y + height};
    FillRect(dc, &box, brush);
    DeleteObject(brush);
}

void frameBox(HDC dc, int x, int y, int width, int height, Colour colour) {
    HPEN pen = CreatePen(PS_SOLID, 1, colorRef(colour));
    HGDIOBJ previousPen = SelectObject(dc, pen);
    HGDIOBJ previousBrush = SelectObject(dc, GetStockObject(NULL_BRUSH));
    Rectangle(dc, x, y, x + width, y + height);
    SelectObject(dc, previousBrush);
    SelectObject(dc, previousPen);
    DeleteObject(pen);
}

void drawText(HDC dc, RECT box, const wchar_t* text, Colour colour, HFONT font, UINT flags) {
    HGDIOBJ previousFont = SelectObject(dc, font);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, colorRef(colour));
    DrawTextW(dc, text, -1, &box, flags);
    SelectObject(dc, previousFont);
}

void drawTextBox(HDC dc, int x, int y, int width, int height, const wchar_t* text, Colour colour, HFONT font,
                 UINT extraFlags) {
    drawText(dc, RECT{x, y, x + width, y + height}, text, colour, font,
             extraFlags | win_bits::TextSingleLine);
}

void paintStep(HDC dc, const PaintStep& step, HFONT font) {
    switch (step.kind) {
    case PaintKind::Fill:
        fillBox(dc, step.x, step.y, step.width, step.height, step.colour);
        break;
    case PaintKind::Frame:
        frameBox(dc, step.x, step.y, step.width, step.height, step.colour);
        break;
    case PaintKind::Text:
        drawTextBox(dc, step.x, step.y, step.width, step.height, step.text, step.colour, font,
                    step.extraFlags);
        break;
    }
}

void drawButtonFace(const DRAWITEMSTRUCT& item, const ButtonColours& colours, HFONT font) {
    const RECT& box = item.rcItem;
    const int width = box.right - box.left;
    const int height = box.bottom - box.top;
    const bool pressed = (item.itemState & ODS_SELECTED) != 0;
    fillBox(item.hDC, box.left, box.top, width, height, pressed ? colours.pressedFill : colours.fill);
    frameBox(item.hDC, box.left, box.top, width, height, colours.outline);
    wchar_t caption[kCaptionCapacity];
    GetWindowTextW(item.hwndItem, caption, kCaptionCapacity);
    drawTextBox(item.hDC, box.left, box.top, width, height, caption, colours.caption, font,
                win_bits::TextCenter);
}

SIZE outerWindowSize(int clientWidth, int clientHeight) {
    RECT frame{0, 0, clientWidth, clientHeight};
    AdjustWindowRect(&frame, kMainWindowStyle, FALSE);
    return SIZE{frame.right - frame.left, frame.bottom - frame.top};
}

int centred(int screen, int size) {
    const int position = (screen - size) / 2;
    return position < 0 ? 0 : position;
}

void focusStop(HWND control) {
    SetFocus(control);
    wchar_t className[16] = L"";
    GetClassNameW(control, className, 16);
    if (lstrcmpiW(className, L"Edit") == 0) SendMessageW(control, EM_SETSEL, 0, -1);
}

void moveFocusAmong(HWND parent, const int32_t* stopIds, int32_t stopCount, HWND from, int32_t step) {
    int32_t at = -1;
    for (int32_t i = 0; i < stopCount; ++i)
        if (GetDlgItem(parent, stopIds[i]) == from) at = i;
    const int32_t next = nextTabStop(at, stopCount, step);
    if (next >= 0) focusStop(GetDlgItem(parent, stopIds[next]));
}
