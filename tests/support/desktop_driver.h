// Driving a program that runs as a process of its own, as a person at the
// desktop would: its windows are found among the visible top-level windows
// of that process only, input is real mouse and keyboard input (SendInput),
// and what the program shows is read back from its windows and from the
// screen. Every wait is bounded and waits for an effect, never for time.
#pragma once

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

namespace desktop {

// Polls `done` until it holds or `milliseconds` have passed; its last answer.
template <class Predicate>
bool WaitFor(Predicate done, int milliseconds = 10000) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
    while (std::chrono::steady_clock::now() < deadline) {
        if (done()) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return done();
}

// A Unix path as Wine's drive Z: sees it; Windows paths stay as they are.
inline std::string WindowsPath(std::string path) {
    if (!path.empty() && path[0] == '/') path = "Z:" + path;
    for (char& c : path) {
        if (c == '/') c = '\\';
    }
    return path;
}

inline std::string TextOf(HWND window) {
    const LRESULT length = SendMessageA(window, WM_GETTEXTLENGTH, 0, 0);
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    const LRESULT got = SendMessageA(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(got));
    return text;
}

struct WindowSearch {
    DWORD process;
    const char* cls;
    const char* caption;
    HWND found;
};

inline BOOL CALLBACK MatchProcessWindow(HWND window, LPARAM data) {
    auto* search = reinterpret_cast<WindowSearch*>(data);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != search->process || !IsWindowVisible(window)) return TRUE;
    char text[128] = {};
    if (search->cls != nullptr && (GetClassNameA(window, text, sizeof text) == 0 || lstrcmpA(text, search->cls) != 0))
        return TRUE;
    if (search->caption != nullptr &&
        (GetWindowTextA(window, text, sizeof text) == 0 || lstrcmpA(text, search->caption) != 0))
        return TRUE;
    search->found = window;
    return FALSE;
}

// The first visible top-level window of `process` with this class and
// caption (either may be null): windows of earlier, dying processes never
// count.
inline HWND ProcessWindow(DWORD process, const char* cls, const char* caption) {
    WindowSearch search{process, cls, caption, nullptr};
    EnumWindows(MatchProcessWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// A program started as a process of its own; ended (killed if need be) with
// this object.
class Process {
public:
    Process() = default;
    Process(const Process&) = delete;
    Process& operator=(const Process&) = delete;
    ~Process() {
        if (info_.hProcess == nullptr) return;
        if (!Exited()) {
            TerminateProcess(info_.hProcess, 9);
            WaitForSingleObject(info_.hProcess, 10000);
        }
        CloseHandle(info_.hProcess);
        CloseHandle(info_.hThread);
    }
    // Starts `program` (in `currentDirectory`, or this process's); says why
    // on standard error when it cannot.
    bool Start(const std::string& program, const std::string& arguments = "",
               const char* currentDirectory = nullptr) {
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        std::string command = "\"" + WindowsPath(program) + "\"";
        if (!arguments.empty()) command += " " + arguments;
        if (CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, currentDirectory, &startup,
                           &info_))
            return true;
        std::fprintf(stderr, "cannot start %s: error %lu\n", command.c_str(), GetLastError());
        return false;
    }
    HANDLE Handle() const { return info_.hProcess; }
    DWORD Id() const { return info_.dwProcessId; }
    bool Exited() const { return WaitForSingleObject(info_.hProcess, 0) == WAIT_OBJECT_0; }
    bool WaitForExit(DWORD* code = nullptr) const {
        if (WaitForSingleObject(info_.hProcess, 10000) != WAIT_OBJECT_0) return false;
        if (code != nullptr) GetExitCodeProcess(info_.hProcess, code);
        return true;
    }
    // A visible top-level window of this process.
    HWND Window(const char* cls, const char* caption) const { return ProcessWindow(info_.dwProcessId, cls, caption); }

private:
    PROCESS_INFORMATION info_{};
};

// --- Real input ---------------------------------------------------------------

// Brings a top-level window to the front, where keyboard input reaches it.
inline bool BringToFront(HWND window) {
    if (GetForegroundWindow() != window) SetForegroundWindow(window);
    return WaitFor([&] { return GetForegroundWindow() == window; }, 5000);
}

// Mouse input at a point of the screen: a move there, with the button
// events of `flags` (MOUSEEVENTF_LEFTDOWN, ...). Every event carries its
// point: under Wine a button event without one may land where the cursor
// was before the move.
inline INPUT MouseAt(POINT point, DWORD flags = 0) {
    const auto normal = [](LONG value, int metric) {
        const LONG size = GetSystemMetrics(metric);
        return static_cast<LONG>((value * 65535 + size / 2) / (size - 1));
    };
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = normal(point.x, SM_CXSCREEN);
    input.mi.dy = normal(point.y, SM_CYSCREEN);
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | flags;
    return input;
}

inline bool SendInputs(std::vector<INPUT> inputs) {
    return SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT)) == inputs.size();
}

// Presses and releases the left mouse button at a point of the screen.
inline bool ClickScreen(POINT point) {
    return SendInputs({MouseAt(point), MouseAt(point, MOUSEEVENTF_LEFTDOWN), MouseAt(point, MOUSEEVENTF_LEFTUP)});
}

// Clicks a point given in the client coordinates of `window`.
inline bool Click(HWND window, POINT client) {
    ClientToScreen(window, &client);
    return ClickScreen(client);
}

// Clicks the middle of a window (a button, say).
inline bool ClickMiddle(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return ClickScreen(POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2});
}

// Drags with the left button held from one point of the screen to another.
inline bool DragScreen(POINT from, POINT to) {
    const POINT middle{(from.x + to.x) / 2, (from.y + to.y) / 2};
    return SendInputs({MouseAt(from), MouseAt(from, MOUSEEVENTF_LEFTDOWN), MouseAt(middle), MouseAt(to),
                       MouseAt(to, MOUSEEVENTF_LEFTUP)});
}

// The part of a window's frame (caption buttons, menu bar) for which the
// window answers WM_NCHITTEST with `code`, searched in its top `band` rows
// from its left or right edge, every third pixel; an empty rectangle when
// there is none.
inline RECT NonClientArea(HWND window, LRESULT code, bool fromRight, LONG band = 60) {
    RECT frame{};
    GetWindowRect(window, &frame);
    RECT found{LONG_MAX, LONG_MAX, LONG_MIN, LONG_MIN};
    for (LONG y = frame.top; y < frame.top + band; y += 3) {
        for (LONG dx = 0; dx < band; dx += 3) {
            const LONG x = fromRight ? frame.right - 1 - dx : frame.left + dx;
            if (SendMessageA(window, WM_NCHITTEST, 0, MAKELPARAM(x, y)) != code) continue;
            found.left = std::min(found.left, x);
            found.right = std::max(found.right, x + 1);
            found.top = std::min(found.top, y);
            found.bottom = std::max(found.bottom, y + 1);
        }
    }
    return found.left <= found.right ? found : RECT{};
}

// Presses a key, with the modifier keys (VK_SHIFT, VK_CONTROL, VK_MENU) held.
// Under Wine in Xvfb a modifier can be let go of under way: the X server's
// keyboard state, which knows nothing of this input, replaces Wine's when a
// window gets the X focus. Tests keep to plain keys where they can.
inline bool PressKey(WORD key, std::vector<WORD> modifiers = {}) {
    std::vector<INPUT> inputs;
    const auto add = [&](WORD virtualKey, DWORD flags) {
        INPUT input{};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = virtualKey;
        input.ki.wScan = static_cast<WORD>(MapVirtualKeyA(virtualKey, MAPVK_VK_TO_VSC));
        input.ki.dwFlags = flags;
        inputs.push_back(input);
    };
    for (WORD modifier : modifiers) add(modifier, 0);
    add(key, 0);
    add(key, KEYEVENTF_KEYUP);
    for (auto m = modifiers.rbegin(); m != modifiers.rend(); ++m) add(*m, KEYEVENTF_KEYUP);
    return SendInputs(inputs);
}

// Types a character as the keyboard makes it (with Shift where it needs it).
inline bool TypeCharacter(char c) {
    const SHORT scan = VkKeyScanA(c);
    if (scan == -1) return false;
    std::vector<WORD> modifiers;
    if (scan & 0x100) modifiers.push_back(VK_SHIFT);
    return PressKey(static_cast<WORD>(scan & 0xFF), modifiers);
}

inline bool TypeText(const std::string& text) {
    for (char c : text) {
        if (!TypeCharacter(c)) return false;
    }
    return true;
}

// --- What the screen shows ---------------------------------------------------------

// A copy of a rectangle of the screen, to read its pixels.
class ScreenImage {
public:
    explicit ScreenImage(const RECT& area)
        : left_(area.left), top_(area.top), width_(area.right - area.left), height_(area.bottom - area.top) {
        if (width_ <= 0 || height_ <= 0) return;
        pixels_.resize(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_));
        HDC screen = GetDC(nullptr);
        HDC memory = CreateCompatibleDC(screen);
        HBITMAP bitmap = CreateCompatibleBitmap(screen, width_, height_);
        HGDIOBJ old = SelectObject(memory, bitmap);
        BitBlt(memory, 0, 0, width_, height_, screen, left_, top_, SRCCOPY);
        SelectObject(memory, old);
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = width_;
        info.bmiHeader.biHeight = -height_;  // top-down rows
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        GetDIBits(memory, bitmap, 0, static_cast<UINT>(height_), pixels_.data(), &info, DIB_RGB_COLORS);
        DeleteObject(bitmap);
        DeleteDC(memory);
        ReleaseDC(nullptr, screen);
    }
    // The colour (0x00BBGGRR) at a point of the screen; CLR_INVALID outside.
    COLORREF At(POINT screen) const {
        const LONG x = screen.x - left_, y = screen.y - top_;
        if (x < 0 || y < 0 || x >= width_ || y >= height_) return CLR_INVALID;
        const uint32_t bgr = pixels_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
                                     static_cast<std::size_t>(x)];
        return RGB((bgr >> 16) & 0xFF, (bgr >> 8) & 0xFF, bgr & 0xFF);
    }

private:
    LONG left_, top_, width_, height_;
    std::vector<uint32_t> pixels_;
};

// Writes what the screen shows in `area` as a 24-bit BMP.
inline bool SaveScreenshot(const RECT& area, const std::string& path) {
    const int width = area.right - area.left, height = area.bottom - area.top;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, area.left, area.top, SRCCOPY);
    GdiFlush();
    const DWORD stride = ((static_cast<DWORD>(width) * 24 + 31) / 32) * 4;
    const DWORD imageSize = stride * static_cast<DWORD>(height);
    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof info.bmiHeader;
    file.bfSize = file.bfOffBits + imageSize;
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(&file), sizeof file);
    out.write(reinterpret_cast<const char*>(&info.bmiHeader), sizeof info.bmiHeader);
    out.write(static_cast<const char*>(bits), imageSize);
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return static_cast<bool>(out);
}

}  // namespace desktop
