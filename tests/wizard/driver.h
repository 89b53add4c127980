// Helpers for tests that drive a program running in another process: a
// bounded wait for an effect, the program's windows and their texts.
#pragma once

#include <windows.h>

#include <chrono>
#include <string>
#include <thread>

namespace driver {

// A Unix path as Wine's Windows programs see it (drive Z:), backslashes
// throughout; a Windows path stays as it is.
inline std::string WindowsPath(std::string path) {
    if (!path.empty() && path[0] == '/') path = "Z:" + path;  // a Unix path under Wine
    for (char& c : path) {
        if (c == '/') c = '\\';
    }
    return path;
}

// Polls `done` until it holds or the time is up; the result is its last
// answer. Waits for an effect, never stands in for one.
template <class Predicate>
inline bool WaitFor(Predicate done, int milliseconds = 10000) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
    while (std::chrono::steady_clock::now() < deadline) {
        if (done()) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return done();
}

inline std::string TextOf(HWND window) {
    const LRESULT length = SendMessageA(window, WM_GETTEXTLENGTH, 0, 0);
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    const LRESULT got = SendMessageA(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(got));
    return text;
}

// The first visible top-level window of `process` with this class and
// caption (either may be null): windows of earlier, dying processes never
// count.
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
    char text[64] = {};
    if (search->cls != nullptr && (GetClassNameA(window, text, sizeof text) == 0 || lstrcmpA(text, search->cls) != 0))
        return TRUE;
    if (search->caption != nullptr && (GetWindowTextA(window, text, sizeof text) == 0 || lstrcmpA(text, search->caption) != 0))
        return TRUE;
    search->found = window;
    return FALSE;
}

inline HWND ProcessWindow(DWORD process, const char* cls, const char* caption) {
    WindowSearch search{process, cls, caption, nullptr};
    EnumWindows(MatchProcessWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

}  // namespace driver
