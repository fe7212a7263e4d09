// Painting of the main window, its owner-drawn buttons and control colours.
#include "ui/main_window_state.h"
#include "ui/main_window_win32.h"

void drawTextBox(HDC dc, int x, int y, int width, int height, const wchar_t* text, Colour colour, HFONT font,
                 UINT extraFlags) {
    HGDIOBJ previousFont = SelectObject(dc, font);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, colorRef(colour));
    RECT box{x, y, x + width, y + height};
    DrawTextW(dc, text, -1, &box, extraFlags | win_bits::TextSingleLine);
    SelectObject(dc, previousFont);
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

namespace {

void paintStep(HDC dc, const PaintStep& step) {
    switch (step.kind) {
    case PaintKind::Fill:
        fillBox(dc, step.x, step.y, step.width, step.height, step.colour);
        break;
    case PaintKind::Frame:
        frameBox(dc, step.x, step.y, step.width, step.height, step.colour);
        break;
    case PaintKind::Text:
        drawTextBox(dc, step.x, step.y, step.width, step.height, step.text, step.colour, fontFor(step.font),
                    step.extraFlags);
        break;
    }
}

} // namespace

void paintMainWindow(HWND window) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    RECT client;
    GetClientRect(window, &client);
    PaintPlan plan;
    buildPaintPlan(*mainWindowState.tool, mainWindowState.statusText, client.right - client.left,
                   client.bottom - client.top, plan);
    for (const PaintStep& step : plan.steps)
        paintStep(dc, step);
    EndPaint(window, &paint);
}

void drawOwnerButton(const DRAWITEMSTRUCT& item) {
    const ButtonColours colours = buttonColours(static_cast<int32_t>(item.CtlID));
    const RECT& box = item.rcItem;
    const int width = box.right - box.left;
    const int height = box.bottom - box.top;
    const bool pressed = (item.itemState & ODS_SELECTED) != 0;
    fillBox(item.hDC, box.left, box.top, width, height, pressed ? colours.pressedFill : colours.fill);
    frameBox(item.hDC, box.left, box.top, width, height, colours.outline);
    wchar_t caption[kCaptionCapacity];
    GetWindowTextW(item.hwndItem, caption, kCaptionCapacity);
    drawTextBox(item.hDC, box.left, box.top, width, height, caption, colours.caption,
                mainWindowState.buttonFont, win_bits::TextCenter);
}

HBRUSH colourEditControl(HDC dc) {
    SetTextColor(dc, colorRef(colours::BodyText));
    SetBkColor(dc, colorRef(colours::Panel));
    return mainWindowState.panelBrush;
}

HBRUSH colourStaticControl(HDC dc, HWND control) {
    const MainWindowState& s = mainWindowState;
    StaticRole role = StaticRole::Muted;
    if (control == s.verdictLabel)
        role = StaticRole::Verdict;
    else if (control == s.resultEdit || control == s.cautionLabel)
        role = StaticRole::Content;
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, colorRef(staticTextColour(role, s.level)));
    return s.panelBrush;
}
