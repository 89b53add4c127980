// Drawing contexts, paint and erase set-up, buffered painting and automatic
// scrolling of a window's virtual canvas.
#include <cmath>
#include <cstdint>
#include <cstdlib>

#include "framework/framework.h"
#include "framework/gdi.h"

// The mapping computes in 4-byte reals; x87 registers would keep more
// precision and give other pixels than the 64-bit build.
#if defined(__i386__) && !defined(__SSE2_MATH__)
#error "build 32-bit x86 with -msse2 -mfpmath=sse"
#endif

namespace velmora {
namespace {

constexpr int kLineDivisor = 100;   // a line is a hundredth of the canvas
constexpr int kWheelDivisor = 50;   // a wheel step is a fiftieth of the range

int ScrollBarPosition(HWND hWnd, int bar) {
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_POS;
    if (!GetScrollInfo(hWnd, bar, &info)) return 0;
    return info.nPos;
}

void SetScrollPage(HWND hWnd, int bar, int page) {
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_PAGE;
    info.nPage = static_cast<UINT>(page);
    SetScrollInfo(hWnd, bar, &info, TRUE);
}

}  // namespace

int32_t Nint(float value) {
    // Out-of-range values (a window of width 0 divides by zero) saturate
    // instead of overflowing the conversion.
    constexpr float kLimit = 2147483520.0f;  // the largest float below 2^31
    if (std::isnan(value)) return 0;
    if (value >= kLimit) return INT32_MAX;
    if (value <= -kLimit) return INT32_MIN;
    // The integer nearest to the value, halves away from zero. Adding 0.5
    // first would round in the addition (0.49999997 + 0.5 is 1.0 in single
    // precision); the floor and its remainder are exact.
    const float magnitude = std::fabs(value);
    const float whole = std::floor(magnitude);
    const auto nearest = static_cast<int32_t>(whole) + (magnitude - whole >= 0.5f ? 1 : 0);
    return value < 0.0f ? -nearest : nearest;
}

int32_t DcDeviceX(const V_DC& dc, float x) {
    const float scale = static_cast<float>(dc.viewWidth) / dc.winWidth;
    return dc.viewX + Nint((x - dc.winX) * scale);
}

int32_t DcDeviceY(const V_DC& dc, float y) {
    const float scale = static_cast<float>(dc.viewHeight) / dc.winHeight;
    return dc.viewY + Nint((y - dc.winY) * scale);
}

void DcSetViewport(V_DC& dc, int32_t x1, int32_t y1, int32_t x2, int32_t y2, bool clip) {
    dc.viewX = x1;
    dc.viewY = y1;
    dc.viewWidth = x2 - x1;
    dc.viewHeight = y2 - y1;
    if (clip) {
        GdiObject<HRGN> region(CreateRectRgn(x1, y1, x2, y2));
        SelectClipRgn(dc.hDC, region.get());
    }
}

void DcSetWindow(V_DC& dc, float x1, float y1, float x2, float y2) {
    dc.winX = x1;
    dc.winY = y1;
    dc.winWidth = x2 - x1;
    dc.winHeight = y2 - y1;
}

V_DC DcCreateMemory(int32_t width, int32_t height, const V_DC* source) {
    V_DC result;
    HWND desktop = source == nullptr ? GetDesktopWindow() : nullptr;
    HDC reference = source != nullptr ? source->hDC : GetDC(desktop);
    if (reference == nullptr) return result;
    result.hDC = CreateCompatibleDC(reference);
    if (result.hDC != nullptr) {
        HBITMAP bitmap = CreateCompatibleBitmap(reference, width, height);
        if (bitmap != nullptr) {
            SelectObject(result.hDC, bitmap);
            DcSetViewport(result, 0, 0, width, height);
            DcSetWindow(result, 0.0f, 0.0f, static_cast<float>(width),
                        static_cast<float>(height));
        }
    }
    if (source == nullptr) ReleaseDC(desktop, reference);
    return result;
}

bool DcReleaseMemory(V_DC& dc) {
    HGDIOBJ bitmap = GetCurrentObject(dc.hDC, OBJ_BITMAP);
    // The DC goes first: a bitmap cannot be deleted while it is selected.
    const bool dcDeleted = DeleteDC(dc.hDC) != FALSE;
    const bool bitmapDeleted = bitmap == nullptr || DeleteObject(bitmap) != FALSE;
    dc.hDC = nullptr;
    return dcDeleted && bitmapDeleted;
}

BOOL WindowGetScroll(const V_WINDOW& window, int bar, int32_t* position, int32_t* minimum,
                     int32_t* maximum, int32_t* page) {
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    if (position != nullptr) info.fMask |= SIF_POS;
    if (minimum != nullptr || maximum != nullptr) info.fMask |= SIF_RANGE;
    if (page != nullptr) info.fMask |= SIF_PAGE;
    const BOOL result = GetScrollInfo(window.hWnd, bar, &info);
    if (result) {
        if (position != nullptr) *position = info.nPos;
        if (minimum != nullptr) *minimum = info.nMin;
        if (maximum != nullptr) *maximum = info.nMax;
        if (page != nullptr) *page = static_cast<int32_t>(info.nPage);
    }
    return result;
}

bool WindowSetScroll(const V_WINDOW& window, int bar, std::optional<int32_t> position,
                     std::optional<int32_t> minimum, std::optional<int32_t> maximum,
                     std::optional<int32_t> page, bool redraw) {
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    if (position) {
        info.fMask |= SIF_POS;
        info.nPos = *position;
    }
    if (minimum && maximum) {
        info.fMask |= SIF_RANGE;
        info.nMin = *minimum;
        info.nMax = *maximum;
    }
    if (page) {
        info.fMask |= SIF_PAGE;
        info.nPage = static_cast<UINT>(*page);
    }
    SetScrollInfo(window.hWnd, bar, &info, redraw ? TRUE : FALSE);
    return true;
}

void WindowRedraw(const V_WINDOW& window, const RECT* area) {
    InvalidateRect(window.hWnd, area, FALSE);
    UpdateWindow(window.hWnd);
}

bool WindowSetScrollSize(V_WINDOW& window, int32_t width, int32_t height,
                         std::optional<int32_t> x, std::optional<int32_t> y) {
    if (!WindowQuery(window, QUERY_IS_BOUND)) return false;
    window.scrollWidth = width > 0 ? width : 0;
    window.scrollHeight = height > 0 ? height : 0;
    RECT client{};
    GetClientRect(window.hWnd, &client);
    WindowSetScroll(window, SB_HORZ, x.value_or(0), 0, window.scrollWidth, client.right);
    WindowSetScroll(window, SB_VERT, y.value_or(0), 0, window.scrollHeight, client.bottom);
    WindowRedraw(window);
    return true;
}

bool WindowGetScrollSize(const V_WINDOW& window, int32_t& width, int32_t& height, int32_t* x,
                         int32_t* y) {
    if (!WindowQuery(window, QUERY_IS_BOUND)) return false;
    width = window.scrollWidth;
    height = window.scrollHeight;
    if (x != nullptr) WindowGetScroll(window, SB_HORZ, x);
    if (y != nullptr) WindowGetScroll(window, SB_VERT, y);
    return true;
}

void ScrollByBar(V_WINDOW& window, int bar, int requestCode) {
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_ALL;
    GetScrollInfo(window.hWnd, bar, &info);
    const int page = static_cast<int>(info.nPage);
    switch (requestCode) {
        case SB_LINEUP: info.nPos -= info.nMax / kLineDivisor; break;
        case SB_LINEDOWN: info.nPos += info.nMax / kLineDivisor; break;
        case SB_PAGEUP: info.nPos -= page; break;
        case SB_PAGEDOWN: info.nPos += page; break;
        case SB_THUMBPOSITION:
        case SB_THUMBTRACK: info.nPos = info.nTrackPos; break;
        default: break;
    }
    info.fMask = SIF_POS;
    SetScrollInfo(window.hWnd, bar, &info, TRUE);
    WindowRedraw(window);
}

void ScrollByWheel(V_WINDOW& window, WPARAM wParam) {
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_RANGE | SIF_POS;
    GetScrollInfo(window.hWnd, SB_VERT, &info);
    const int step = std::abs(info.nMax - info.nMin) / kWheelDivisor;
    if (GET_WHEEL_DELTA_WPARAM(wParam) >= 0) {
        info.nPos -= step;
    } else {
        info.nPos += step;
    }
    SetScrollInfo(window.hWnd, SB_VERT, &info, TRUE);
    WindowRedraw(window);
}

void ResizeScrollPages(V_WINDOW& window, int clientWidth, int clientHeight) {
    SetScrollPage(window.hWnd, SB_HORZ, clientWidth);
    SetScrollPage(window.hWnd, SB_VERT, clientHeight);
    WindowRedraw(window);
}

LRESULT PaintWithHandler(V_WINDOW& window, const HandlerCall& call, HandlerArguments& args) {
    RECT update{};
    if (!GetUpdateRect(window.hWnd, &update, FALSE)) return 0;
    RECT client{};
    GetClientRect(window.hWnd, &client);

    PaintSession paint(window.hWnd);
    V_DC paintDc;
    paintDc.hDC = paint.dc();
    const bool buffered = (window.flags & BUFFERED_PAINT) != 0;
    V_DC memoryDc;
    if (buffered) memoryDc = DcCreateMemory(client.right, client.bottom, &paintDc);
    V_DC& target = buffered ? memoryDc : paintDc;

    const int hpos = window.scrollWidth > 0 ? ScrollBarPosition(window.hWnd, SB_HORZ) : 0;
    const int width = window.scrollWidth > 0 ? window.scrollWidth : client.right;
    const int vpos = window.scrollHeight > 0 ? ScrollBarPosition(window.hWnd, SB_VERT) : 0;
    const int height = window.scrollHeight > 0 ? window.scrollHeight : client.bottom;
    DcSetViewport(target, -hpos, -vpos, width - hpos, height - vpos);
    DcSetWindow(target, 0.0f, 0.0f, static_cast<float>(width), static_cast<float>(height));

    const RECT& area = paint.updateRect();
    args.AddDc(target);
    args.AddInt(area.left);
    args.AddInt(area.top);
    args.AddInt(area.right);
    args.AddInt(area.bottom);
    const LRESULT result = call(args);
    if (buffered) {
        if (memoryDc.hDC != nullptr) {
            BitBlt(paintDc.hDC, 0, 0, client.right, client.bottom, memoryDc.hDC, 0, 0, SRCCOPY);
            DcReleaseMemory(memoryDc);
        }
    }
    return result;
}

LRESULT EraseWithHandler(V_WINDOW& window, HDC hDC, const HandlerCall& call,
                         HandlerArguments& args) {
    RECT client{};
    GetClientRect(window.hWnd, &client);
    V_DC dc;
    dc.hDC = hDC;
    DcSetViewport(dc, 0, 0, client.right, client.bottom);
    DcSetWindow(dc, 0.0f, 0.0f, static_cast<float>(client.right),
                static_cast<float>(client.bottom));
    args.AddDc(dc);
    return call(args);
}

}  // namespace velmora
