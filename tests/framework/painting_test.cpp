// Painting and scrolling: the world-to-device mapping, paint and erase
// set-up, buffered painting, the scroll-size operations and the scrolling
// arithmetic of bars, wheel and resizing.
#include <windows.h>

#include <gtest/gtest.h>

#include "framework/framework.h"
#include "framework/gdi.h"
#include "tests/framework/test_support.h"

namespace velmora {
namespace {

using test::ScopedWindow;

TEST(MappingTest, NintRoundsHalvesAwayFromZero) {
    const struct {
        float value;
        int32_t nearest;
    } cases[] = {
        {2.5f, 3}, {-2.5f, -3}, {1.4999f, 1}, {-0.5f, -1}, {0.0f, 0},
        // Just below a half: adding 0.5 in single precision would give 1.
        {0.49999997f, 0}, {-0.49999997f, 0}, {8388609.0f, 8388609}, {-4194304.5f, -4194305},
        {1e20f, INT32_MAX},  // saturates instead of overflowing
    };
    for (const auto& c : cases) EXPECT_EQ(Nint(c.value), c.nearest) << c.value;
}

// The product is computed as a 4-byte real on both targets: 25 x (1/50)
// is exactly 0.5 in single precision (0.49999998 if kept in x87 registers).
TEST(MappingTest, MappingRoundsTheSinglePrecisionProduct) {
    V_DC dc;
    DcSetViewport(dc, 0, 0, 1, 1);
    DcSetWindow(dc, 0.0f, 0.0f, 50.0f, 50.0f);
    EXPECT_EQ(DcDeviceX(dc, 25.0f), 1);
    EXPECT_EQ(DcDeviceY(dc, 75.0f), 2);
}

TEST(MappingTest, WorldPointsMapThroughViewportAndWindow) {
    V_DC dc;
    DcSetViewport(dc, 10, 20, 110, 220);
    DcSetWindow(dc, 0.0f, 0.0f, 200.0f, 100.0f);
    EXPECT_EQ(dc.viewWidth, 100);
    EXPECT_EQ(dc.viewHeight, 200);
    EXPECT_FLOAT_EQ(dc.winWidth, 200.0f);
    EXPECT_EQ(DcDeviceX(dc, 3.0f), 10 + 2);   // 1.5 rounds up
    EXPECT_EQ(DcDeviceX(dc, -3.0f), 10 - 2);  // -1.5 rounds down
    EXPECT_EQ(DcDeviceY(dc, 50.0f), 20 + 100);
    // A window of no width must not overflow the conversion.
    V_DC empty;
    EXPECT_EQ(DcDeviceX(empty, 1.0f), 0);
    DcSetViewport(empty, 0, 0, 10, 10);
    EXPECT_EQ(DcDeviceX(empty, 1.0f), INT32_MAX);
}

TEST(MemoryDcTest, CreateAndReleaseLeaveNothingBehind) {
    V_DC memory = DcCreateMemory(10, 8);
    ASSERT_NE(memory.hDC, nullptr);
    HGDIOBJ bitmap = GetCurrentObject(memory.hDC, OBJ_BITMAP);
    BITMAP info{};
    ASSERT_EQ(GetObjectA(bitmap, sizeof info, &info), static_cast<int>(sizeof info));
    EXPECT_EQ(info.bmWidth, 10);
    EXPECT_EQ(info.bmHeight, 8);
    EXPECT_EQ(memory.viewWidth, 10);
    EXPECT_FLOAT_EQ(memory.winHeight, 8.0f);
    HDC hDC = memory.hDC;
    EXPECT_TRUE(DcReleaseMemory(memory));
    EXPECT_EQ(memory.hDC, nullptr);
    EXPECT_EQ(GetObjectType(hDC), 0u);
    EXPECT_EQ(GetObjectType(bitmap), 0u);
}

TEST(MemoryDcTest, ViewportWithClippingSetsTheClipRegion) {
    V_DC memory = DcCreateMemory(50, 50);
    DcSetViewport(memory, 5, 6, 25, 36, true);
    RECT box{};
    EXPECT_EQ(GetClipBox(memory.hDC, &box), SIMPLEREGION);
    EXPECT_EQ(box.left, 5);
    EXPECT_EQ(box.top, 6);
    EXPECT_EQ(box.right, 25);
    EXPECT_EQ(box.bottom, 36);
    DcReleaseMemory(memory);
}

// Shapes and lines land where the mapping puts their world coordinates, and
// each call gives back the pen and brush it selected.
TEST(MemoryDcTest, DrawingGoesThroughTheMapping) {
    V_DC memory = DcCreateMemory(40, 40);
    ASSERT_NE(memory.hDC, nullptr);
    DcSetWindow(memory, 0.0f, 0.0f, 4.0f, 4.0f);  // one world unit = 10 pixels
    const HGDIOBJ pen = GetCurrentObject(memory.hDC, OBJ_PEN);
    const HGDIOBJ brush = GetCurrentObject(memory.hDC, OBJ_BRUSH);
    constexpr COLORREF kRed = RGB(255, 0, 0), kBlue = RGB(0, 0, 255);
    EXPECT_TRUE(DcRectangle(memory, 1.0f, 1.0f, 3.0f, 3.0f, kBlue, kRed));
    EXPECT_EQ(GetPixel(memory.hDC, 20, 20), kRed);   // inside
    EXPECT_EQ(GetPixel(memory.hDC, 10, 20), kBlue);  // the outline at world x 1
    EXPECT_EQ(GetPixel(memory.hDC, 5, 5), RGB(0, 0, 0));
    EXPECT_TRUE(DcLine(memory, 0.0f, 0.5f, 4.0f, 0.5f, kBlue));
    EXPECT_EQ(GetPixel(memory.hDC, 30, 5), kBlue);
    EXPECT_TRUE(DcText(memory, 0.0f, 3.0f, "x  ", kRed));
    EXPECT_FALSE(DcEllipse(memory, 0.0f, 0.0f, 1.0f, 1.0f, 0x1000000));  // not a colour
    EXPECT_EQ(GetCurrentObject(memory.hDC, OBJ_PEN), pen);
    EXPECT_EQ(GetCurrentObject(memory.hDC, OBJ_BRUSH), brush);
    DcReleaseMemory(memory);
}

// What the paint and erase handlers saw.
struct PaintSeen {
    int paints = 0;
    int erases = 0;
    V_DC dc;
    RECT update{};
    int32_t deviceXOf300 = 0;
    HGDIOBJ bitmap = nullptr;
    COLORREF fill = RGB(255, 0, 0);
};
PaintSeen seen;

bool OnPaint(V_WINDOW&, V_DC& dc, int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
    ++seen.paints;
    seen.dc = dc;
    seen.update = RECT{x1, y1, x2, y2};
    seen.deviceXOf300 = DcDeviceX(dc, 300.0f);
    seen.bitmap = GetCurrentObject(dc.hDC, OBJ_BITMAP);
    GdiObject<HBRUSH> brush(CreateSolidBrush(seen.fill));
    RECT all{-10000, -10000, 10000, 10000};
    FillRect(dc.hDC, &all, brush.get());
    return true;
}

bool OnErase(V_WINDOW&, const V_DC& dc) {
    ++seen.erases;
    seen.dc = dc;
    return true;
}

class PaintTest : public ::testing::Test {
protected:
    void SetUp() override {
        seen = PaintSeen{};
        test::StartFramework();
    }
    static RECT Client(HWND hWnd) {
        RECT rect{};
        GetClientRect(hWnd, &rect);
        return rect;
    }
    static COLORREF PixelAt(HWND hWnd, int x, int y) {
        WindowDC dc(hWnd);
        return GetPixel(dc.get(), x, y);
    }
};

TEST_F(PaintTest, CanvasScrolledTo300DrawsWorldX300AtTheLeftEdge) {
    V_WINDOW record;
    ScopedWindow window(record, WS_OVERLAPPEDWINDOW | WS_HSCROLL | WS_VISIBLE);
    ASSERT_TRUE(VSetHandler(record, WM_PAINT, OnPaint));
    ASSERT_TRUE(WindowSetScrollSize(record, 2000, 0, 300));
    int32_t position = 0;
    WindowGetScroll(record, SB_HORZ, &position);
    ASSERT_EQ(position, 300);
    seen.paints = 0;
    WindowRedraw(record);
    ASSERT_EQ(seen.paints, 1);
    EXPECT_EQ(seen.dc.viewX, -300);
    EXPECT_EQ(seen.dc.viewWidth, 2000);
    EXPECT_FLOAT_EQ(seen.dc.winWidth, 2000.0f);
    EXPECT_EQ(seen.deviceXOf300, 0);
    // Height 0: the vertical mapping is the identity on the client area.
    EXPECT_EQ(seen.dc.viewY, 0);
    EXPECT_EQ(seen.dc.viewHeight, Client(window.get()).bottom);
}

TEST_F(PaintTest, WithoutACanvasThePaintMappingIsTheIdentity) {
    V_WINDOW record;
    ScopedWindow window(record, WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    ASSERT_TRUE(VSetHandler(record, WM_PAINT, OnPaint));
    WindowRedraw(record);
    ASSERT_GE(seen.paints, 1);
    const RECT client = Client(window.get());
    EXPECT_EQ(seen.dc.viewX, 0);
    EXPECT_EQ(seen.dc.viewWidth, client.right);
    EXPECT_FLOAT_EQ(seen.dc.winWidth, static_cast<float>(client.right));
    EXPECT_EQ(DcDeviceX(seen.dc, 123.0f), 123);
    EXPECT_EQ(seen.update.right, client.right);
    EXPECT_EQ(seen.update.bottom, client.bottom);
    EXPECT_EQ(PixelAt(window.get(), 5, 5), RGB(255, 0, 0));
}

TEST_F(PaintTest, EmptyUpdateRegionNeverReachesTheHandler) {
    V_WINDOW record;
    ScopedWindow window(record, WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    ASSERT_TRUE(VSetHandler(record, WM_PAINT, OnPaint));
    UpdateWindow(window.get());
    ValidateRect(window.get(), nullptr);
    seen.paints = 0;
    SendMessageA(window.get(), WM_PAINT, 0, 0);
    EXPECT_EQ(seen.paints, 0);
}

TEST_F(PaintTest, BufferedPaintReachesTheWindowAndFreesItsBitmap) {
    V_WINDOW record;
    WindowCreateOptions options;
    options.exStyle = static_cast<DWORD>(BUFFERED_PAINT);
    ScopedWindow window(record, WS_OVERLAPPEDWINDOW | WS_VISIBLE, options);
    EXPECT_NE(record.flags & BUFFERED_PAINT, 0);
    EXPECT_EQ(GetWindowLongA(window.get(), GWL_EXSTYLE) & BUFFERED_PAINT, 0);
    ASSERT_TRUE(VSetHandler(record, WM_PAINT, OnPaint));
    seen.fill = RGB(0, 0, 255);
    UpdateWindow(window.get());

    const DWORD before = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    for (int i = 0; i < 50; ++i) {
        seen.paints = 0;
        WindowRedraw(record);
        ASSERT_EQ(seen.paints, 1);
        // The handler drew into a memory DC, deleted with its bitmap.
        EXPECT_EQ(GetObjectType(seen.dc.hDC), 0u);
        EXPECT_EQ(GetObjectType(seen.bitmap), 0u);
    }
    const DWORD after = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    EXPECT_EQ(after, before);
    EXPECT_EQ(PixelAt(window.get(), 3, 3), RGB(0, 0, 255));
}

TEST_F(PaintTest, EraseHandlerGetsTheGivenDcWithAnIdentityMapping) {
    V_WINDOW record;
    ScopedWindow window(record, WS_OVERLAPPEDWINDOW);
    ASSERT_TRUE(WindowSetScrollSize(record, 2000, 2000, 500, 500));
    ASSERT_TRUE(VSetHandler(record, WM_ERASEBKGND, OnErase));
    WindowDC dc(window.get());
    EXPECT_EQ(SendMessageA(window.get(), WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc.get()), 0), 1);
    EXPECT_EQ(seen.erases, 1);
    const RECT client = Client(window.get());
    EXPECT_EQ(seen.dc.hDC, dc.get());
    EXPECT_EQ(seen.dc.viewX, 0);
    EXPECT_EQ(seen.dc.viewWidth, client.right);
    EXPECT_FLOAT_EQ(seen.dc.winHeight, static_cast<float>(client.bottom));
}

class ScrollTest : public ::testing::Test {
protected:
    void SetUp() override {
        test::StartFramework();
        WindowCreateOptions options;
        options.x = 0;
        options.y = 0;
        options.width = 200;
        options.height = 120;
        window_ = std::make_unique<ScopedWindow>(
            record_, WS_OVERLAPPEDWINDOW | WS_VSCROLL | WS_HSCROLL, options);
        ASSERT_TRUE(window_->created());
    }
    int32_t Position(int bar) {
        int32_t position = -1;
        WindowGetScroll(record_, bar, &position);
        return position;
    }
    V_WINDOW record_;
    std::unique_ptr<ScopedWindow> window_;
};

TEST_F(ScrollTest, ScrollSizeSetsRangePageAndPosition) {
    ASSERT_TRUE(WindowSetScrollSize(record_, 1500, 900, 40, 60));
    RECT client{};
    GetClientRect(record_.hWnd, &client);
    int32_t position = 0, minimum = -1, maximum = 0, page = 0;
    ASSERT_TRUE(WindowGetScroll(record_, SB_HORZ, &position, &minimum, &maximum, &page));
    EXPECT_EQ(position, 40);
    EXPECT_EQ(minimum, 0);
    EXPECT_EQ(maximum, 1500);
    EXPECT_EQ(page, client.right);
    int32_t width = 0, height = 0, x = 0, y = 0;
    ASSERT_TRUE(WindowGetScrollSize(record_, width, height, &x, &y));
    EXPECT_EQ(width, 1500);
    EXPECT_EQ(height, 900);
    EXPECT_EQ(x, 40);
    EXPECT_EQ(y, 60);
}

TEST_F(ScrollTest, NegativeSizesCountAsZeroAndUnboundRecordsAreRefused) {
    ASSERT_TRUE(WindowSetScrollSize(record_, -5, -1));
    EXPECT_EQ(record_.scrollWidth, 0);
    EXPECT_EQ(record_.scrollHeight, 0);
    V_WINDOW unbound;
    EXPECT_FALSE(WindowSetScrollSize(unbound, 100, 100));
    int32_t width = 7, height = 7;
    EXPECT_FALSE(WindowGetScrollSize(unbound, width, height));
    EXPECT_EQ(width, 7);
    int32_t position = 99;
    EXPECT_FALSE(WindowGetScroll(unbound, SB_VERT, &position));
    EXPECT_EQ(position, 99);
}

TEST_F(ScrollTest, LineStepIsAHundredthOfTheCanvas) {
    ASSERT_TRUE(WindowSetScrollSize(record_, 0, 250));
    EXPECT_EQ(SendMessageA(record_.hWnd, WM_VSCROLL, SB_LINEDOWN, 0), 0);
    EXPECT_EQ(Position(SB_VERT), 2);
    SendMessageA(record_.hWnd, WM_VSCROLL, SB_LINEUP, 0);
    EXPECT_EQ(Position(SB_VERT), 0);
    ASSERT_TRUE(WindowSetScrollSize(record_, 0, 99));
    SendMessageA(record_.hWnd, WM_VSCROLL, SB_LINEDOWN, 0);
    EXPECT_EQ(Position(SB_VERT), 0);
}

TEST_F(ScrollTest, PageStepIsThePageAndTheSystemKeepsTheRange) {
    ASSERT_TRUE(WindowSetScrollSize(record_, 1000, 0));
    int32_t page = 0;
    WindowGetScroll(record_, SB_HORZ, nullptr, nullptr, nullptr, &page);
    SendMessageA(record_.hWnd, WM_HSCROLL, SB_PAGEDOWN, 0);
    EXPECT_EQ(Position(SB_HORZ), page);
    for (int i = 0; i < 20; ++i) SendMessageA(record_.hWnd, WM_HSCROLL, SB_PAGEDOWN, 0);
    EXPECT_EQ(Position(SB_HORZ), 1000 - page + 1);
    // Without a canvas width the bar message gets default processing.
    ASSERT_TRUE(WindowSetScrollSize(record_, 0, 0));
    SendMessageA(record_.hWnd, WM_HSCROLL, SB_PAGEUP, 0);
}

TEST_F(ScrollTest, OneWheelNotchMovesAFiftiethOfTheRange) {
    ASSERT_TRUE(WindowSetScrollSize(record_, 0, 1000));
    const WPARAM down = static_cast<WPARAM>(static_cast<uint32_t>(MAKELONG(0, -WHEEL_DELTA)));
    const WPARAM up = MAKEWPARAM(0, WHEEL_DELTA);
    EXPECT_EQ(SendMessageA(record_.hWnd, WM_MOUSEWHEEL, down, 0), 0);
    EXPECT_EQ(Position(SB_VERT), 20);
    SendMessageA(record_.hWnd, WM_MOUSEWHEEL, down, 0);
    EXPECT_EQ(Position(SB_VERT), 40);
    SendMessageA(record_.hWnd, WM_MOUSEWHEEL, up, 0);
    EXPECT_EQ(Position(SB_VERT), 20);
}

TEST_F(ScrollTest, ResizingSetsBothPagesToTheNewClientSize) {
    ASSERT_TRUE(WindowSetScrollSize(record_, 3000, 3000));
    ASSERT_TRUE(VSetHandler(record_, WM_PAINT, OnPaint));
    ShowWindow(record_.hWnd, SW_SHOW);
    UpdateWindow(record_.hWnd);
    seen = PaintSeen{};
    SetWindowPos(record_.hWnd, nullptr, 0, 0, 320, 240, SWP_NOMOVE | SWP_NOZORDER);
    RECT client{};
    GetClientRect(record_.hWnd, &client);
    int32_t horizontal = 0, vertical = 0;
    WindowGetScroll(record_, SB_HORZ, nullptr, nullptr, nullptr, &horizontal);
    WindowGetScroll(record_, SB_VERT, nullptr, nullptr, nullptr, &vertical);
    EXPECT_EQ(horizontal, client.right);
    EXPECT_EQ(vertical, client.bottom);
    EXPECT_GE(seen.paints, 1);  // repainted at once
}

}  // namespace
}  // namespace velmora
