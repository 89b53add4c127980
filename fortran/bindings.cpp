// The library's C entry points for the Fortran modules Velmora and VMLOGM
// (velmora.f90, vmlogm.f90): every argument by reference (null for an
// absent optional one), texts as an address and a length, logicals and
// results as 4-byte integers 1 or 0. The modules' own Fortran routines turn
// these into the library's Fortran interface.
#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "dialogs/dialogs.h"
#include "framework/framework.h"

using velmora::V_DC;
using velmora::V_MENU;
using velmora::V_WINDOW;

// The records are shared with Fortran's BIND(C) mirrors: their layouts are
// part of the interface.
static_assert(sizeof(V_WINDOW) == (sizeof(void*) == 8 ? 120 : 76), "V_WINDOW layout");
static_assert(offsetof(V_WINDOW, defProc) == (sizeof(void*) == 8 ? 32 : 24), "V_WINDOW layout");
static_assert(offsetof(V_WINDOW, msgKeys) == (sizeof(void*) == 8 ? 64 : 44), "V_WINDOW layout");
static_assert(offsetof(V_WINDOW, scrollHeight) == (sizeof(void*) == 8 ? 116 : 72), "V_WINDOW layout");
static_assert(sizeof(V_DC) == (sizeof(void*) == 8 ? 104 : 68), "V_DC layout");
static_assert(offsetof(V_DC, drawingState) == (sizeof(void*) == 8 ? 40 : 36), "V_DC layout");
static_assert(sizeof(V_MENU) == 2 * sizeof(void*) && sizeof(velmora::V_POINT) == 8, "V_MENU, V_POINT");

namespace {

int32_t Logical(bool value) { return value ? 1 : 0; }

std::optional<int32_t> Optional(const int32_t* value) {
    return value != nullptr ? std::optional<int32_t>(*value) : std::nullopt;
}

std::string_view Text(const char* text, const int32_t* length) {
    if (text == nullptr || length == nullptr || *length <= 0) return {};
    return std::string_view(text, static_cast<size_t>(*length));
}

std::optional<std::string> OptionalText(const char* text, const int32_t* length) {
    if (text == nullptr) return std::nullopt;
    return std::string(Text(text, length));
}

velmora::CommandRoutine AsCommand(velmora::GenericRoutine routine) {
    return reinterpret_cast<velmora::CommandRoutine>(routine);
}

}  // namespace

extern "C" {

// ---------------------------------------------------------------------------
// Handler tables and callbacks

int32_t velmora_set_handler(V_WINDOW* window, const int32_t* message,
                            velmora::GenericRoutine routine,
                            velmora::FortranDropCaller dropCaller) {
    const velmora::MessageHandler handler{&velmora::InvokeByReference, routine,
                                          reinterpret_cast<const void*>(dropCaller)};
    return Logical(velmora::VSetHandler(*window, static_cast<UINT>(*message), handler));
}

int32_t velmora_set_command(V_WINDOW* window, const int32_t* id, velmora::GenericRoutine routine) {
    return Logical(velmora::VSetCommand(*window, *id, AsCommand(routine)));
}

// DlgSetSub and VCtlSetSub: a dialog's controls and the controls of a
// framework window both keep their callbacks in their control entries. Draw
// and display-info callbacks share the slot with the routine's one form.
int32_t velmora_set_sub(V_WINDOW* window, const int32_t* id, velmora::GenericRoutine routine,
                        const int32_t* event) {
    const int32_t chosen = event != nullptr ? *event : velmora::EVT_DEFAULT;
    return Logical(velmora::DlgSetSubAnyForm(*window, *id, routine, chosen));
}

// ---------------------------------------------------------------------------
// Windows

int32_t velmora_window_send_message(V_WINDOW* window, const int32_t* message, const int32_t* wParam,
                                    const int32_t* lParam) {
    return static_cast<int32_t>(velmora::WindowSendMessage(
        *window, static_cast<UINT>(*message), static_cast<WPARAM>(static_cast<intptr_t>(*wParam)),
        static_cast<LPARAM>(*lParam)));
}

void velmora_window_redraw(V_WINDOW* window, const int32_t* x1, const int32_t* y1,
                           const int32_t* x2, const int32_t* y2) {
    if (x1 != nullptr && y1 != nullptr && x2 != nullptr && y2 != nullptr) {
        const RECT area{*x1, *y1, *x2, *y2};
        velmora::WindowRedraw(*window, &area);
    } else {
        velmora::WindowRedraw(*window);
    }
}

int32_t velmora_frame_create(V_MENU* menu, const char* title, const int32_t* titleLength,
                             const int32_t* iconId, const int32_t* showCommand,
                             const int32_t* style, const int32_t* exStyle) {
    velmora::FrameOptions options;
    options.menu = menu;
    options.iconId = Optional(iconId);
    if (showCommand != nullptr) options.showCommand = *showCommand;
    if (style != nullptr) options.style = static_cast<DWORD>(*style);
    if (exStyle != nullptr) options.exStyle = static_cast<DWORD>(*exStyle);
    return Logical(velmora::FrameCreate(std::string(Text(title, titleLength)), options));
}

int32_t velmora_window_create(V_WINDOW* window, V_WINDOW* parent, const int32_t* style,
                              const char* title, const int32_t* titleLength,
                              const int32_t* exStyle, const int32_t* x, const int32_t* y,
                              const int32_t* width, const int32_t* height, V_MENU* menu,
                              const char* className, const int32_t* classLength,
                              const int32_t* controlId) {
    velmora::WindowCreateOptions options;
    options.title = OptionalText(title, titleLength);
    if (exStyle != nullptr) options.exStyle = static_cast<DWORD>(*exStyle);
    if (x != nullptr) options.x = *x;
    if (y != nullptr) options.y = *y;
    if (width != nullptr) options.width = *width;
    if (height != nullptr) options.height = *height;
    options.menu = menu;
    options.className = OptionalText(className, classLength);
    options.controlId = Optional(controlId);
    return Logical(velmora::WindowCreate(*window, *parent, static_cast<DWORD>(*style), options));
}

int32_t velmora_window_set_scroll_size(V_WINDOW* window, const int32_t* width,
                                       const int32_t* height) {
    return Logical(velmora::WindowSetScrollSize(*window, *width, *height));
}

// ---------------------------------------------------------------------------
// Drawing contexts

void velmora_dc_set_viewport(V_DC* dc, const int32_t* x1, const int32_t* y1, const int32_t* x2,
                             const int32_t* y2, const int32_t* clip) {
    velmora::DcSetViewport(*dc, *x1, *y1, *x2, *y2, clip != nullptr && *clip != 0);
}

void velmora_dc_set_window(V_DC* dc, const float* x1, const float* y1, const float* x2,
                           const float* y2) {
    velmora::DcSetWindow(*dc, *x1, *y1, *x2, *y2);
}

int32_t velmora_dc_device_x(const V_DC* dc, const float* x) { return velmora::DcDeviceX(*dc, *x); }
int32_t velmora_dc_device_y(const V_DC* dc, const float* y) { return velmora::DcDeviceY(*dc, *y); }

void velmora_dc_create_memory(V_DC* result, const int32_t* width, const int32_t* height,
                              const V_DC* source) {
    *result = velmora::DcCreateMemory(*width, *height, source);
}

int32_t velmora_dc_release_memory(V_DC* dc) { return Logical(velmora::DcReleaseMemory(*dc)); }

int32_t velmora_dc_line(const V_DC* dc, const float* x1, const float* y1, const float* x2,
                        const float* y2, const int32_t* color, const int32_t* width) {
    return Logical(velmora::DcLine(*dc, *x1, *y1, *x2, *y2, *color, width != nullptr ? *width : 1));
}

int32_t velmora_dc_rectangle(const V_DC* dc, const float* x1, const float* y1, const float* x2,
                             const float* y2, const int32_t* color, const int32_t* fill) {
    return Logical(velmora::DcRectangle(*dc, *x1, *y1, *x2, *y2, *color, fill != nullptr ? *fill : -1));
}

int32_t velmora_dc_ellipse(const V_DC* dc, const float* x1, const float* y1, const float* x2,
                           const float* y2, const int32_t* color, const int32_t* fill) {
    return Logical(velmora::DcEllipse(*dc, *x1, *y1, *x2, *y2, *color, fill != nullptr ? *fill : -1));
}

int32_t velmora_dc_text(const V_DC* dc, const float* x, const float* y, const char* text,
                        const int32_t* length, const int32_t* color) {
    return Logical(velmora::DcText(*dc, *x, *y, Text(text, length), *color));
}

// ---------------------------------------------------------------------------
// Dialogs

int32_t velmora_dlg_create_frame(const int32_t* templateId, V_MENU* menu, const int32_t* iconId) {
    return Logical(velmora::DlgCreateFrame(*templateId, menu, Optional(iconId)));
}

int32_t velmora_dlg_create(const int32_t* templateId, V_WINDOW* dialog, const V_WINDOW* parent,
                           const intptr_t* module) {
    HMODULE owner = module != nullptr ? reinterpret_cast<HMODULE>(*module) : nullptr;
    return Logical(velmora::DlgCreate(*templateId, *dialog, parent, owner));
}

int32_t velmora_dlg_show(V_WINDOW* dialog, const int32_t* showCommand) {
    return Logical(velmora::DlgShow(*dialog, showCommand != nullptr ? *showCommand : SW_SHOW));
}

int32_t velmora_dlg_run_modal(V_WINDOW* dialog, const intptr_t* owner, const int32_t* disableAll) {
    HWND ownerWindow = owner != nullptr ? reinterpret_cast<HWND>(*owner) : nullptr;
    return velmora::DlgRunModal(*dialog, ownerWindow, disableAll != nullptr && *disableAll != 0);
}

int32_t velmora_dlg_end(V_WINDOW* dialog, const int32_t* value) {
    return Logical(velmora::DlgEnd(*dialog, *value));
}

void velmora_dlg_destroy(V_WINDOW* dialog) { velmora::DlgDestroy(*dialog); }

int32_t velmora_dlg_send_message(V_WINDOW* dialog, const int32_t* id, const int32_t* message,
                                 const int32_t* wParam, const int32_t* lParam) {
    return static_cast<int32_t>(velmora::DlgSendMessage(
        *dialog, *id, static_cast<UINT>(*message),
        static_cast<WPARAM>(static_cast<intptr_t>(*wParam)), static_cast<LPARAM>(*lParam)));
}

int32_t velmora_dlg_set_string(V_WINDOW* dialog, const int32_t* id, const char* text,
                               const int32_t* length, const int32_t* index) {
    return Logical(velmora::DlgSetString(*dialog, *id, Text(text, length), Optional(index)));
}

int32_t velmora_dlg_set_integer(V_WINDOW* dialog, const int32_t* id, const int32_t* value,
                                const int32_t* index) {
    return Logical(velmora::DlgSetInteger(*dialog, *id, *value, Optional(index)));
}

int32_t velmora_dlg_set_logical(V_WINDOW* dialog, const int32_t* id, const int32_t* value,
                                const int32_t* index) {
    return Logical(velmora::DlgSetLogical(*dialog, *id, *value != 0, Optional(index)));
}

// `text` is the caller's field of `length` characters, left blank-padded.
int32_t velmora_dlg_get_string(V_WINDOW* dialog, const int32_t* id, char* text,
                               const int32_t* length, const int32_t* index) {
    const size_t field = *length > 0 ? static_cast<size_t>(*length) : 0;
    return Logical(velmora::DlgGetString(*dialog, *id, text, field, Optional(index)));
}

int32_t velmora_dlg_get_integer(V_WINDOW* dialog, const int32_t* id, int32_t* value,
                                const int32_t* index, int32_t* cursor) {
    return Logical(velmora::DlgGetInteger(*dialog, *id, *value, Optional(index), cursor));
}

// `value` is written (1 or 0) only with a true result.
int32_t velmora_dlg_get_logical(V_WINDOW* dialog, const int32_t* id, int32_t* value,
                                const int32_t* index) {
    bool read = false;
    if (!velmora::DlgGetLogical(*dialog, *id, read, Optional(index))) return 0;
    *value = Logical(read);
    return 1;
}

}  // extern "C"
