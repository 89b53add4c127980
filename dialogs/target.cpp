// Finding the control a set or get routine works on, and what its entry owns.
#include <windows.h>

#include "dialogs/control_kind.h"
#include "dialogs/dialog_internal.h"
#include "dialogs/dialogs.h"
#include "dialogs/text_field.h"
#include "framework/framework.h"

namespace velmora {

bool FindTarget(const DIALOG& dialog, int32_t id, Target& target) {
    target = Target{};
    if (dialog.hWnd == nullptr || !IsWindow(dialog.hWnd)) return false;
    HWND hWnd = GetDlgItem(dialog.hWnd, id);
    if (hWnd == nullptr && id == dialog.idDlg) hWnd = dialog.hWnd;
    if (hWnd == nullptr) return false;
    target.hWnd = hWnd;
    target.entry = ControlEntryOf(hWnd);
    target.kind = target.entry != nullptr ? target.entry->kind : ClassifyControl(hWnd);
    target.style = GetWindowLongA(hWnd, GWL_STYLE);
    return true;
}

HWND ComboEditField(HWND combo) {
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    if (!GetComboBoxInfo(combo, &info)) return nullptr;
    return info.hwndItem != combo ? info.hwndItem : nullptr;
}

void ReleaseEntryObjects(ControlEntry& entry) {
    if (entry.hBrush != NoBrush() && entry.hBrush != nullptr) DeleteObject(entry.hBrush);
    entry.hBrush = NoBrush();
    if (entry.hFont != nullptr && entry.hFont != reinterpret_cast<HFONT>(NoBrush())) {
        // A control that lives on goes back to its default font first, so
        // that it never paints with a deleted one.
        if (IsWindow(entry.hWnd) && reinterpret_cast<HFONT>(SendMessageA(entry.hWnd, WM_GETFONT, 0, 0)) == entry.hFont)
            SendMessageA(entry.hWnd, WM_SETFONT, 0, FALSE);
        DeleteObject(entry.hFont);
    }
    entry.hFont = nullptr;
}

std::string LowerClassName(HWND hWnd) {
    char name[32] = {};
    const int length = GetClassNameA(hWnd, name, sizeof name);
    return LowerLatin1(std::string_view(name, length > 0 ? static_cast<std::size_t>(length) : 0));
}

}  // namespace velmora
