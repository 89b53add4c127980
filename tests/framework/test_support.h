// Shared helpers of the framework tests: the framework's start-up, real
// windows that clean up after themselves, and a vectored exception handler
// that counts the framework's continuable exceptions.
#pragma once

#include <windows.h>
#include <shellapi.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "framework/framework.h"

namespace velmora::test {

// Registers "VWndClass" once, as the entry does.
inline void StartFramework() {
    static const bool started = [] {
        StartApplication(GetModuleHandleA(nullptr));
        return true;
    }();
    (void)started;
}

inline bool RunningUnderWine() {
    HMODULE ntdll = GetModuleHandleA("ntdll");
    return ntdll != nullptr && GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

// Counts exceptions with one code and continues after them.
class ExceptionCounter {
public:
    explicit ExceptionCounter(DWORD code) {
        code_ = code;
        count_ = 0;
        handler_ = AddVectoredExceptionHandler(1, &ExceptionCounter::Handle);
    }
    ExceptionCounter(const ExceptionCounter&) = delete;
    ExceptionCounter& operator=(const ExceptionCounter&) = delete;
    ~ExceptionCounter() { RemoveVectoredExceptionHandler(handler_); }
    int count() const { return count_; }

private:
    static LONG CALLBACK Handle(EXCEPTION_POINTERS* info) {
        if (info->ExceptionRecord->ExceptionCode != code_) return EXCEPTION_CONTINUE_SEARCH;
        ++count_;
        return EXCEPTION_CONTINUE_EXECUTION;
    }
    static inline DWORD code_ = 0;
    static inline int count_ = 0;
    void* handler_ = nullptr;
};

// A framework window bound to `record`, destroyed at the end of the scope.
class ScopedWindow {
public:
    ScopedWindow(V_WINDOW& record, DWORD style = WS_OVERLAPPEDWINDOW,
                 WindowCreateOptions options = {}) {
        StartFramework();
        if (options.width == CW_USEDEFAULT) {
            options.x = 10;
            options.y = 10;
            options.width = 400;
            options.height = 300;
        }
        created_ = WindowCreate(record, *WindowForHandle(), style, options);
        hWnd_ = record.hWnd;
    }
    ScopedWindow(const ScopedWindow&) = delete;
    ScopedWindow& operator=(const ScopedWindow&) = delete;
    ~ScopedWindow() {
        if (IsWindow(hWnd_)) DestroyWindow(hWnd_);
    }
    bool created() const { return created_; }
    HWND get() const { return hWnd_; }

private:
    bool created_ = false;
    HWND hWnd_ = nullptr;
};

// Dispatches whatever is queued for this thread.
inline void PumpMessages() {
    MSG message;
    constexpr int kLimit = 1000;  // a test must not hang on a message storm
    for (int i = 0; i < kLimit && PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE); ++i) {
        if (message.message == WM_QUIT) continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

// A DROPFILES block with ANSI names, as the shell hands it over (the list
// ends with an empty name).
inline HDROP MakeDrop(const std::vector<std::string>& names) {
    size_t size = sizeof(DROPFILES) + 2;
    for (const std::string& name : names) size += name.size() + 1;
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, size);
    auto* header = static_cast<DROPFILES*>(GlobalLock(memory));
    header->pFiles = sizeof(DROPFILES);
    header->fWide = FALSE;
    char* text = reinterpret_cast<char*>(header + 1);
    for (const std::string& name : names) {
        memcpy(text, name.c_str(), name.size() + 1);
        text += name.size() + 1;
    }
    GlobalUnlock(memory);
    return static_cast<HDROP>(memory);
}

// Removes a pending WM_QUIT; true (and its code) when there was one.
inline bool TakeQuit(int* code = nullptr) {
    MSG message;
    if (!PeekMessageA(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) return false;
    if (code != nullptr) *code = static_cast<int>(message.wParam);
    return true;
}

}  // namespace velmora::test
