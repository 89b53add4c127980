// Simple drawing on a drawing context in world coordinates: lines, shapes
// and text, each through the context's mapping. Every call makes and frees
// the pen or brush it needs, so that nothing outlives the call.
#include "common/text.h"
#include "framework/framework.h"
#include "framework/gdi.h"

namespace velmora {
namespace {

// Selects an object into a DC for the lifetime of the selection.
class Selection {
public:
    Selection(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    Selection(const Selection&) = delete;
    Selection& operator=(const Selection&) = delete;
    ~Selection() {
        if (previous_ != nullptr && previous_ != HGDI_ERROR) SelectObject(dc_, previous_);
    }

private:
    HDC dc_;
    HGDIOBJ previous_;
};

bool IsColor(int32_t color) { return color >= 0 && color <= 0xFFFFFF; }

// The device rectangle of two world corners.
RECT DeviceRect(const V_DC& dc, float x1, float y1, float x2, float y2) {
    return RECT{DcDeviceX(dc, x1), DcDeviceY(dc, y1), DcDeviceX(dc, x2), DcDeviceY(dc, y2)};
}

using ShapeCall = BOOL(WINAPI*)(HDC, int, int, int, int);

bool DrawShape(const V_DC& dc, ShapeCall shape, float x1, float y1, float x2, float y2,
               int32_t lineColor, int32_t fillColor) {
    if (dc.hDC == nullptr || !IsColor(lineColor)) return false;
    GdiObject<HPEN> pen(CreatePen(PS_SOLID, 1, static_cast<COLORREF>(lineColor)));
    // Without a fill colour the shape is hollow (the stock null brush).
    HGDIOBJ fill = GetStockObject(NULL_BRUSH);
    GdiObject<HBRUSH> brush;
    if (IsColor(fillColor)) {
        brush.reset(CreateSolidBrush(static_cast<COLORREF>(fillColor)));
        fill = brush.get();
    }
    Selection usePen(dc.hDC, pen.get());
    Selection useBrush(dc.hDC, fill);
    const RECT r = DeviceRect(dc, x1, y1, x2, y2);
    return shape(dc.hDC, r.left, r.top, r.right, r.bottom) != FALSE;
}

}  // namespace

bool DcLine(const V_DC& dc, float x1, float y1, float x2, float y2, int32_t color, int32_t width) {
    if (dc.hDC == nullptr || !IsColor(color)) return false;
    GdiObject<HPEN> pen(CreatePen(PS_SOLID, width > 0 ? width : 1, static_cast<COLORREF>(color)));
    if (!pen) return false;
    Selection usePen(dc.hDC, pen.get());
    return MoveToEx(dc.hDC, DcDeviceX(dc, x1), DcDeviceY(dc, y1), nullptr) != FALSE &&
           LineTo(dc.hDC, DcDeviceX(dc, x2), DcDeviceY(dc, y2)) != FALSE;
}

bool DcRectangle(const V_DC& dc, float x1, float y1, float x2, float y2, int32_t lineColor,
                 int32_t fillColor) {
    return DrawShape(dc, Rectangle, x1, y1, x2, y2, lineColor, fillColor);
}

bool DcEllipse(const V_DC& dc, float x1, float y1, float x2, float y2, int32_t lineColor,
               int32_t fillColor) {
    return DrawShape(dc, Ellipse, x1, y1, x2, y2, lineColor, fillColor);
}

bool DcText(const V_DC& dc, float x, float y, std::string_view text, int32_t color) {
    if (dc.hDC == nullptr || !IsColor(color)) return false;
    const std::string_view shown = common::TrimTrailingBlanks(text);
    const COLORREF previousColor = SetTextColor(dc.hDC, static_cast<COLORREF>(color));
    const int previousMode = SetBkMode(dc.hDC, TRANSPARENT);
    const bool drawn = TextOutA(dc.hDC, DcDeviceX(dc, x), DcDeviceY(dc, y), shown.data(),
                                static_cast<int>(shown.size())) != FALSE;
    SetBkMode(dc.hDC, previousMode);
    SetTextColor(dc.hDC, previousColor);
    return drawn;
}

}  // namespace velmora
