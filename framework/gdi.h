// Small owners of GDI and USER resources: each releases what it holds when it
// goes out of scope.
#pragma once

#include <windows.h>

#include <utility>

namespace velmora {

// An HGDIOBJ of type T (HBRUSH, HBITMAP, HRGN, HFONT, HPEN) deleted with
// DeleteObject.
template <class T>
class GdiObject {
public:
    GdiObject() = default;
    explicit GdiObject(T handle) : handle_(handle) {}
    GdiObject(const GdiObject&) = delete;
    GdiObject& operator=(const GdiObject&) = delete;
    GdiObject(GdiObject&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
    GdiObject& operator=(GdiObject&& other) noexcept {
        if (this != &other) {
            reset();
            handle_ = std::exchange(other.handle_, nullptr);
        }
        return *this;
    }
    ~GdiObject() { reset(); }

    T get() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }
    T release() { return std::exchange(handle_, nullptr); }
    void reset(T handle = nullptr) {
        if (handle_ != nullptr) DeleteObject(handle_);
        handle_ = handle;
    }

private:
    T handle_ = nullptr;
};

// A window's DC from GetDC, released with ReleaseDC.
class WindowDC {
public:
    explicit WindowDC(HWND hWnd) : hWnd_(hWnd), hDC_(GetDC(hWnd)) {}
    WindowDC(const WindowDC&) = delete;
    WindowDC& operator=(const WindowDC&) = delete;
    ~WindowDC() {
        if (hDC_ != nullptr) ReleaseDC(hWnd_, hDC_);
    }
    HDC get() const { return hDC_; }

private:
    HWND hWnd_;
    HDC hDC_;
};

// BeginPaint ... EndPaint.
class PaintSession {
public:
    explicit PaintSession(HWND hWnd) : hWnd_(hWnd) { BeginPaint(hWnd_, &paint_); }
    PaintSession(const PaintSession&) = delete;
    PaintSession& operator=(const PaintSession&) = delete;
    ~PaintSession() { EndPaint(hWnd_, &paint_); }
    HDC dc() const { return paint_.hdc; }
    const RECT& updateRect() const { return paint_.rcPaint; }

private:
    HWND hWnd_;
    PAINTSTRUCT paint_{};
};

}  // namespace velmora
