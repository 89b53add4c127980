// End-to-end tests of Velmora Sketch, the sample Fortran program: it runs as
// a process of its own, this driver works it with real mouse and keyboard
// input, and reads back what it shows: its window texts, its controls and
// the pixels of its drawing.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "examples/sketch.h"
#include "tests/support/desktop_driver.h"

namespace {

using desktop::WaitFor;

std::string gProgram;  // path of VelmoraSketch.exe

// The colours the program draws with (0x00BBGGRR).
constexpr COLORREF kBlack = 0x000000, kRed = 0x0000D0, kGreen = 0x00A000, kBlue = 0xD00000, kOrange = 0x008CFF;
constexpr COLORREF kWhite = 0xFFFFFF;
constexpr int kCircle = 0, kSquare = 1, kCross = 2;  // items of the shape list
constexpr double kHalf = 16.0;                       // half a shape, in sheet units

// Where the sheet is on the screen, as its black border shows it; points
// of the sheet are given in its own units, 400 x 300.
struct Sheet {
    LONG left = 0, top = 0, width = 0, height = 0;
    POINT At(double x, double y) const {
        return POINT{left + std::lround(x * width / 400.0), top + std::lround(y * height / 300.0)};
    }
};

COLORREF ColourAt(POINT screen) {
    return desktop::ScreenImage(RECT{screen.x, screen.y, screen.x + 1, screen.y + 1}).At(screen);
}

class Sketch {
public:
    // Starts the program with a command line and gives its frame a known
    // size, in front, with the sheet drawn.
    bool Start(const std::string& arguments = "") {
        if (!process_.Start(gProgram, arguments)) return false;
        // The panel shows once the program has set up its handlers.
        if (!WaitFor([&] {
                frame_ = process_.Window("VWndClass", nullptr);
                tools_ = frame_ != nullptr ? FindWindowExA(frame_, nullptr, "#32770", nullptr) : nullptr;
                return tools_ != nullptr && IsWindowVisible(tools_);
            }))
            return false;
        SetWindowPos(frame_, nullptr, 40, 30, 900, 640, SWP_NOZORDER);
        return desktop::BringToFront(frame_) && WaitForSheet();
    }

    HWND Control(int id) const { return GetDlgItem(tools_, id); }
    std::string Text(int id) const { return desktop::TextOf(Control(id)); }
    std::string Caption() const { return desktop::TextOf(frame_); }
    const Sheet& sheet() const { return sheet_; }

    // The frame's client area on the screen, and the panel's right edge in it.
    RECT Client() const {
        RECT client{};
        GetClientRect(frame_, &client);
        MapWindowPoints(frame_, nullptr, reinterpret_cast<POINT*>(&client), 2);
        return client;
    }
    LONG ToolsRight() const {
        RECT tools{};
        GetWindowRect(tools_, &tools);
        return tools.right;
    }

    // Finds the sheet's black border along the middle of the area right of
    // the tools panel.
    bool MeasureSheet(Sheet& sheet) const {
        const RECT client = Client();
        const LONG start = ToolsRight();
        const desktop::ScreenImage image(client);
        const LONG row = (client.top + client.bottom) / 2;
        LONG left = -1, right = -1;
        for (LONG x = start; x < client.right && left < 0; ++x)
            if (image.At(POINT{x, row}) == kBlack) left = x;
        for (LONG x = client.right - 1; x >= start && right < 0; --x)
            if (image.At(POINT{x, row}) == kBlack) right = x;
        if (left < 0 || right <= left) return false;
        const LONG column = (left + right) / 2;
        LONG top = -1, bottom = -1;
        for (LONG y = client.top; y < client.bottom && top < 0; ++y)
            if (image.At(POINT{column, y}) == kBlack) top = y;
        for (LONG y = client.bottom - 1; y >= client.top && bottom < 0; --y)
            if (image.At(POINT{column, y}) == kBlack) bottom = y;
        if (top < 0 || bottom <= top) return false;
        sheet = Sheet{left, top, right - left + 1, bottom - top + 1};
        return true;
    }
    // Waits until the sheet shows where it belongs in the window as it is
    // now: centred right of the panel, 12 pixels from the nearer edges.
    bool WaitForSheet() {
        return WaitFor([&] { return MeasureSheet(sheet_) && Placed(sheet_); }, 5000);
    }
    bool Placed(const Sheet& sheet) const {
        const RECT client = Client();
        const LONG left = sheet.left - ToolsRight();
        const LONG right = client.right - (sheet.left + sheet.width);
        const LONG top = sheet.top - client.top, bottom = client.bottom - (sheet.top + sheet.height);
        const LONG nearer = std::min(left, top);
        return std::abs(left - right) <= 1 && std::abs(top - bottom) <= 1 && nearer >= 12 && nearer <= 13;
    }

    // A colour shows at a point of the sheet (the screen catches up with
    // the program's painting in its own time).
    bool Shows(double x, double y, COLORREF colour) const {
        return WaitFor([&] { return ColourAt(sheet_.At(x, y)) == colour; }, 5000);
    }
    // Whether the head of the sheet, where the title goes, shows black ink,
    // once the screen shows `ink`.
    bool TitleInk(bool ink) const {
        return WaitFor([&] {
            const POINT from = sheet_.At(4, 2), to = sheet_.At(120, 24);
            const desktop::ScreenImage image(RECT{from.x, from.y, to.x, to.y});
            bool found = false;
            for (LONG y = from.y + 2; y < to.y && !found; ++y)
                for (LONG x = from.x + 2; x < to.x && !found; ++x) found = image.At(POINT{x, y}) == kBlack;
            return found == ink;
        }, 5000);
    }
    bool Count(const std::string& text) const {
        return WaitFor([&] { return Text(IDC_COUNT) == text; }, 5000);
    }

    // What a person does.
    bool ChooseShape(int item) {
        const HWND list = Control(IDC_SHAPE);
        const auto height = static_cast<LONG>(SendMessageA(list, LB_GETITEMHEIGHT, 0, 0));
        return desktop::Click(list, POINT{8, item * height + height / 2}) &&
               WaitFor([&] { return SendMessageA(list, LB_GETCURSEL, 0, 0) == item; }, 5000);
    }
    // Opens the drop-down list of colours and clicks an item of it.
    bool ChooseColour(int item) {
        const HWND combo = Control(IDC_COLOUR);
        HWND list = nullptr;
        if (!desktop::ClickMiddle(combo) ||
            !WaitFor([&] { return (list = process_.Window("ComboLBox", nullptr)) != nullptr; }, 5000))
            return false;
        const auto height = static_cast<LONG>(SendMessageA(combo, CB_GETITEMHEIGHT, 0, 0));
        return desktop::Click(list, POINT{8, item * height + height / 2}) && WaitFor([&] {
                   return SendMessageA(combo, CB_GETCURSEL, 0, 0) == item &&
                          SendMessageA(combo, CB_GETDROPPEDSTATE, 0, 0) == 0;
               }, 5000);
    }
    // Clicks a point of the sheet and waits until the count says `count`.
    bool ClickSheet(double x, double y, const std::string& count) {
        return desktop::ClickScreen(sheet_.At(x, y)) && Count(count);
    }
    // Opens the Drawing menu, the first of the menu bar, with a click and
    // picks an item by its mnemonic.
    bool Menu(char item) {
        const RECT bar = desktop::NonClientArea(frame_, HTMENU, false);
        if (bar.right - bar.left < 20) return false;
        if (!desktop::ClickScreen(POINT{bar.left + 16, (bar.top + bar.bottom) / 2})) return false;
        if (!WaitFor([&] { return process_.Window("#32768", nullptr) != nullptr; }, 5000)) return false;
        return desktop::PressKey(static_cast<WORD>(item));
    }
    // Clicks the close box of the caption.
    bool CloseBox() {
        const RECT box = desktop::NonClientArea(frame_, HTCLOSE, true);
        return box.right > box.left &&
               desktop::ClickScreen(POINT{(box.left + box.right) / 2, (box.top + box.bottom) / 2});
    }
    // The question asked before the drawing goes, once it shows.
    HWND Question() const {
        HWND question = nullptr;
        WaitFor([&] { return (question = process_.Window("#32770", "Velmora Sketch")) != nullptr; }, 5000);
        return question;
    }
    HWND FocusedWindow() const {
        GUITHREADINFO info{};
        info.cbSize = sizeof info;
        if (!GetGUIThreadInfo(GetWindowThreadProcessId(frame_, nullptr), &info)) return nullptr;
        return info.hwndFocus;
    }

    desktop::Process process_;
    HWND frame_ = nullptr;
    HWND tools_ = nullptr;
    Sheet sheet_;
};

// The shape drawn at (x, y), told by three points: its centre, a point on
// its diagonal and one on its horizontal axis. A disc covers the centre and
// the axis point, a square all three, a cross (two diagonal strokes) the
// centre and the diagonal.
void ExpectShape(const Sketch& sketch, double x, double y, int shape, COLORREF colour) {
    const bool square = shape == kSquare, cross = shape == kCross;
    const auto centre = [&] { return ColourAt(sketch.sheet().At(x, y)) == colour; };
    const auto diagonal = [&] { return ColourAt(sketch.sheet().At(x + 0.8 * kHalf, y + 0.8 * kHalf)) == colour; };
    const auto axis = [&] { return ColourAt(sketch.sheet().At(x + 0.9 * kHalf, y)) == colour; };
    WaitFor([&] { return centre() && diagonal() == (square || cross) && axis() == !cross; }, 5000);
    EXPECT_TRUE(centre());
    EXPECT_EQ(diagonal(), square || cross);
    EXPECT_EQ(axis(), !cross);
}

TEST(SketchTest, StartsWithTheTitleFromTheCommandLine) {
    Sketch sketch;
    ASSERT_TRUE(sketch.Start("Harbour"));
    EXPECT_EQ(sketch.Caption(), "Harbour - Velmora Sketch");
    EXPECT_EQ(sketch.Text(IDC_TITLE), "Harbour");
    EXPECT_TRUE(sketch.TitleInk(true));
    EXPECT_EQ(sketch.Text(IDC_COUNT), "No shapes");
    EXPECT_EQ(SendMessageA(sketch.Control(IDC_SHAPE), LB_GETCOUNT, 0, 0), 3);
    EXPECT_EQ(SendMessageA(sketch.Control(IDC_COLOUR), CB_GETCOUNT, 0, 0), 5);
    // The sheet keeps its 4:3 shape.
    EXPECT_NEAR(sketch.sheet().width * 3.0 / 4.0, sketch.sheet().height, 2.0);
}

// Each click puts the shape and colour chosen in the panel where it lands.
TEST(SketchTest, ClickPutsTheChosenShapeInTheChosenColour) {
    struct Case {
        int shape;
        int colour;
        COLORREF rgb;
        double x, y;
    };
    const Case cases[] = {
        {kCircle, 0, kBlack, 80, 90},  {kSquare, 1, kRed, 200, 80},     {kCross, 2, kGreen, 320, 110},
        {kCircle, 3, kBlue, 130, 210}, {kSquare, 4, kOrange, 270, 220},
    };
    Sketch sketch;
    ASSERT_TRUE(sketch.Start("Shapes"));
    int count = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "shape " << c.shape << ", colour " << c.colour);
        ASSERT_TRUE(sketch.ChooseShape(c.shape));
        ASSERT_TRUE(sketch.ChooseColour(c.colour));
        ++count;
        ASSERT_TRUE(sketch.ClickSheet(c.x, c.y, std::to_string(count) + (count == 1 ? " shape" : " shapes")));
        ExpectShape(sketch, c.x, c.y, c.shape, c.rgb);
    }
    // A picture of the sample at work, for the README.
    RECT frame{};
    GetWindowRect(sketch.frame_, &frame);
    EXPECT_TRUE(desktop::SaveScreenshot(frame, "sketch.bmp"));
}

// A click beside the sheet draws nothing.
TEST(SketchTest, ClickBesideTheSheetDrawsNothing) {
    Sketch sketch;
    ASSERT_TRUE(sketch.Start());
    ASSERT_TRUE(desktop::ClickScreen(sketch.sheet().At(405, 150)));  // the grey right of the sheet
    ASSERT_TRUE(desktop::ClickScreen(sketch.sheet().At(200, -5)));   // and above it
    ASSERT_TRUE(desktop::ClickScreen(sketch.sheet().At(210, 160)));
    // The shape of the last click shows once all three clicks are handled.
    ASSERT_TRUE(sketch.Shows(210, 160, kRed));
    EXPECT_EQ(sketch.Text(IDC_COUNT), "1 shape");
}

// The title typed into the panel names the window and heads the sheet as it
// is typed.
TEST(SketchTest, TypedTitleNamesTheWindow) {
    Sketch sketch;
    ASSERT_TRUE(sketch.Start());
    EXPECT_EQ(sketch.Caption(), "Untitled - Velmora Sketch");
    EXPECT_TRUE(sketch.TitleInk(false));
    ASSERT_TRUE(desktop::ClickMiddle(sketch.Control(IDC_TITLE)));
    ASSERT_TRUE(WaitFor([&] { return sketch.FocusedWindow() == sketch.Control(IDC_TITLE); }, 5000));
    ASSERT_TRUE(desktop::TypeText("garden"));
    EXPECT_TRUE(WaitFor([&] { return sketch.Caption() == "garden - Velmora Sketch"; }, 5000)) << sketch.Caption();
    EXPECT_EQ(sketch.Text(IDC_TITLE), "garden");
    EXPECT_TRUE(sketch.TitleInk(true));  // and it heads the sheet
    for (int i = 0; i < 6; ++i) ASSERT_TRUE(desktop::PressKey(VK_BACK));
    EXPECT_TRUE(WaitFor([&] { return sketch.Caption() == "Untitled - Velmora Sketch"; }, 5000)) << sketch.Caption();
    EXPECT_TRUE(sketch.TitleInk(false));
}

// Delete and Backspace on the sheet and the Undo button take the last shape
// away; Drawing > Clear takes them all.
TEST(SketchTest, ShapesAreTakenAway) {
    struct Case {
        const char* name;
        bool (*act)(Sketch&);
        const char* count;
        bool firstStays;
    };
    const Case cases[] = {
        {"Delete", [](Sketch&) { return desktop::PressKey(VK_DELETE); }, "1 shape", true},
        {"Backspace", [](Sketch&) { return desktop::PressKey(VK_BACK); }, "1 shape", true},
        {"Undo", [](Sketch& s) { return desktop::ClickMiddle(s.Control(IDC_UNDO)); }, "1 shape", true},
        {"Drawing > Clear", [](Sketch& s) { return s.Menu('C'); }, "No shapes", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Sketch sketch;
        ASSERT_TRUE(sketch.Start());
        // Two shapes, their centres off the grid lines.
        ASSERT_TRUE(sketch.ClickSheet(110, 135, "1 shape"));
        ASSERT_TRUE(sketch.ClickSheet(290, 165, "2 shapes"));
        ASSERT_TRUE(sketch.Shows(290, 165, kRed));
        ASSERT_TRUE(c.act(sketch));
        EXPECT_TRUE(sketch.Count(c.count)) << sketch.Text(IDC_COUNT);
        EXPECT_TRUE(sketch.Shows(290, 165, kWhite));
        EXPECT_TRUE(sketch.Shows(110, 135, c.firstStays ? kRed : kWhite));
    }
}

// A new size of the window places and scales the sheet anew, all of it.
TEST(SketchTest, ResizingScalesTheSheet) {
    Sketch sketch;
    ASSERT_TRUE(sketch.Start());
    ASSERT_TRUE(sketch.ChooseShape(kSquare));
    ASSERT_TRUE(sketch.ClickSheet(350, 250, "1 shape"));
    ASSERT_TRUE(sketch.Shows(350, 250, kRed));
    const Sheet before = sketch.sheet();
    const POINT oldSquare = before.At(350, 250);

    // The window's lower right corner, dragged up and to the left.
    RECT r{};
    GetWindowRect(sketch.frame_, &r);
    ASSERT_TRUE(desktop::DragScreen(POINT{r.right - 2, r.bottom - 2}, POINT{r.right - 252, r.bottom - 162}));
    ASSERT_TRUE(WaitFor([&] {
        RECT now{};
        GetWindowRect(sketch.frame_, &now);
        return now.right - now.left == r.right - r.left - 250 && now.bottom - now.top == r.bottom - r.top - 160;
    }, 5000));
    ASSERT_TRUE(sketch.WaitForSheet());
    const Sheet after = sketch.sheet();
    EXPECT_LT(after.width, before.width);
    EXPECT_NEAR(after.width * 3.0 / 4.0, after.height, 2.0);
    // The square moved with the sheet and shrank with it; where it was, the
    // window shows the grey around the sheet now.
    EXPECT_TRUE(sketch.Shows(350, 250, kRed));
    EXPECT_TRUE(sketch.Shows(350 + 0.8 * kHalf, 250 + 0.8 * kHalf, kRed));
    EXPECT_TRUE(WaitFor([&] { return ColourAt(oldSquare) != kRed; }, 5000));
}

// Closing asks first when there is a drawing to lose; Cancel keeps it.
TEST(SketchTest, ClosingAsksBeforeADrawingIsLost) {
    Sketch sketch;
    ASSERT_TRUE(sketch.Start());
    ASSERT_TRUE(sketch.ClickSheet(200, 150, "1 shape"));
    ASSERT_TRUE(sketch.ClickSheet(250, 150, "2 shapes"));

    // The close box asks; Cancel keeps the window and the drawing.
    ASSERT_TRUE(sketch.CloseBox());
    HWND question = sketch.Question();
    ASSERT_NE(question, nullptr);
    EXPECT_EQ(desktop::TextOf(GetDlgItem(question, IDC_QUESTION)), "Discard the drawing of 2 shapes?");
    ASSERT_TRUE(desktop::ClickMiddle(GetDlgItem(question, IDCANCEL)));
    ASSERT_TRUE(WaitFor([&] { return !IsWindowVisible(question); }, 5000));
    EXPECT_FALSE(sketch.process_.Exited());
    EXPECT_TRUE(sketch.Shows(200, 150, kRed));
    EXPECT_EQ(sketch.Text(IDC_COUNT), "2 shapes");

    // Drawing > Exit asks too; Discard ends the program.
    ASSERT_TRUE(sketch.Menu('X'));
    question = sketch.Question();
    ASSERT_NE(question, nullptr);
    ASSERT_TRUE(desktop::ClickMiddle(GetDlgItem(question, IDOK)));
    DWORD code = 1;
    ASSERT_TRUE(sketch.process_.WaitForExit(&code));
    EXPECT_EQ(code, 0u);
}

// Without a drawing the window closes at once.
TEST(SketchTest, EmptySheetClosesWithoutAsking) {
    Sketch sketch;
    ASSERT_TRUE(sketch.Start());
    ASSERT_TRUE(sketch.CloseBox());
    DWORD code = 1;
    ASSERT_TRUE(sketch.process_.WaitForExit(&code));
    EXPECT_EQ(code, 0u);
}

}  // namespace

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    // The program under test: the first argument, or SKETCH_EXE.
    const char* program = argc >= 2 ? argv[1] : std::getenv("SKETCH_EXE");
    if (program == nullptr) {
        std::fprintf(stderr, "usage: sketch_e2e_tests PATH-TO-VelmoraSketch.exe\n");
        return 2;
    }
    gProgram = program;
    return RUN_ALL_TESTS();
}
