// Drawing contexts handed to paint, erase and owner-draw routines, their
// world-to-device mapping, and the virtual canvas with automatic scrolling.
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string_view>

#include "framework/window_record.h"

namespace velmora {

// A drawing context: the device context, the viewport in device units and
// the window in world units. Handlers draw in world coordinates.
struct V_DC {
    HDC hDC = nullptr;
    int32_t viewX = 0;
    int32_t viewY = 0;
    int32_t viewWidth = 0;
    int32_t viewHeight = 0;
    float winX = 0.0f;
    float winY = 0.0f;
    float winWidth = 0.0f;
    float winHeight = 0.0f;
    intptr_t drawingState[8] = {};  // kept by the drawing facilities
};

// Nearest integer, halves away from zero, of a 4-byte real.
int32_t Nint(float value);

// World to device coordinates of a context.
int32_t DcDeviceX(const V_DC& dc, float x);
int32_t DcDeviceY(const V_DC& dc, float y);

// Viewport (x1, y1)-(x2, y2) in device units; with `clip` also the DC's clip
// region.
void DcSetViewport(V_DC& dc, int32_t x1, int32_t y1, int32_t x2, int32_t y2, bool clip = false);
// Window (x1, y1)-(x2, y2) in world units.
void DcSetWindow(V_DC& dc, float x1, float y1, float x2, float y2);

// Drawing in world coordinates through the context's mapping; colours are
// RGB values 0x00BBGGRR, and a fill colour outside 0..0xFFFFFF (such as -1)
// leaves a shape hollow. False when nothing could be drawn.
bool DcLine(const V_DC& dc, float x1, float y1, float x2, float y2, int32_t color,
            int32_t width = 1);
bool DcRectangle(const V_DC& dc, float x1, float y1, float x2, float y2, int32_t lineColor,
                 int32_t fillColor = -1);
bool DcEllipse(const V_DC& dc, float x1, float y1, float x2, float y2, int32_t lineColor,
               int32_t fillColor = -1);
// Text with its top left corner at (x, y), trailing blanks left out.
bool DcText(const V_DC& dc, float x, float y, std::string_view text, int32_t color);

// A memory drawing context with a bitmap of the given size, compatible with
// `source` (or with the screen). hDC is 0 when it could not be made.
V_DC DcCreateMemory(int32_t width, int32_t height, const V_DC* source = nullptr);
// Deletes the memory DC and its bitmap.
bool DcReleaseMemory(V_DC& dc);

// The virtual canvas of a window. A positive size turns automatic scrolling
// on for that direction; 0 turns it off. Negative sizes count as 0.
bool WindowSetScrollSize(V_WINDOW& window, int32_t width, int32_t height,
                         std::optional<int32_t> x = std::nullopt,
                         std::optional<int32_t> y = std::nullopt);
bool WindowGetScrollSize(const V_WINDOW& window, int32_t& width, int32_t& height,
                         int32_t* x = nullptr, int32_t* y = nullptr);

// The window's own scroll bars (SB_HORZ, SB_VERT). Outputs are written only
// when GetScrollInfo succeeds.
BOOL WindowGetScroll(const V_WINDOW& window, int bar, int32_t* position = nullptr,
                     int32_t* minimum = nullptr, int32_t* maximum = nullptr,
                     int32_t* page = nullptr);
bool WindowSetScroll(const V_WINDOW& window, int bar, std::optional<int32_t> position,
                     std::optional<int32_t> minimum = std::nullopt,
                     std::optional<int32_t> maximum = std::nullopt,
                     std::optional<int32_t> page = std::nullopt, bool redraw = true);

// Invalidates the rectangle (or the whole client area) without erasing and
// updates the window at once.
void WindowRedraw(const V_WINDOW& window, const RECT* area = nullptr);

// Built-in behaviours used by the window procedure.
void ScrollByBar(V_WINDOW& window, int bar, int requestCode);
void ScrollByWheel(V_WINDOW& window, WPARAM wParam);
void ResizeScrollPages(V_WINDOW& window, int clientWidth, int clientHeight);

// Paint and erase set-up around a handler (the WM_PAINT and WM_ERASEBKGND
// decodings): they add the drawing context (and the update rectangle) to
// `args` and call the handler.
class HandlerCall;
struct HandlerArguments;
LRESULT PaintWithHandler(V_WINDOW& window, const HandlerCall& call, HandlerArguments& args);
LRESULT EraseWithHandler(V_WINDOW& window, HDC hDC, const HandlerCall& call,
                         HandlerArguments& args);

}  // namespace velmora
