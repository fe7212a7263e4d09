// Painting of the main window, its owner-drawn buttons and control colours.
#include "ui/main_window_state.h"
#include "ui/main_window_win32.h"

void paintMainWindow(HWND window) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    RECT client;
    GetClientRect(window, &client);
    PaintPlan plan;
    buildPaintPlan(*mainWindowState.tool, mainWindowState.statusText, client.right - client.left,
                   client.bottom - client.top, plan);
    for (const PaintStep& step : plan.steps)
        paintStep(dc, step, fontFor(step.font));
    EndPaint(window, &paint);
}

void drawOwnerButton(const DRAWITEMSTRUCT& item) {
    drawButtonFace(item, buttonColours(static_cast<int32_t>(item.CtlID)), mainWindowState.buttonFont);
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
