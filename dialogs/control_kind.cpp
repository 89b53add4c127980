#include "dialogs/control_kind.h"

#include <string>

#include "dialogs/constants.h"
#include "dialogs/text_field.h"

namespace velmora {
namespace {

constexpr uint32_t kButtonTypeMask = 0x0F;  // BS_TYPEMASK
constexpr uint32_t kComboTypeMask = 0x03;
constexpr uint32_t kComboDropDownList = 0x03;  // CBS_DROPDOWNLIST

int32_t ButtonKind(uint32_t style) {
    switch (style & kButtonTypeMask) {
        case 0x0:  // BS_PUSHBUTTON
        case 0x1:  // BS_DEFPUSHBUTTON
        case 0xB:  // BS_OWNERDRAW
            return KIND_PUSHBUTTON;
        case 0x2:  // BS_CHECKBOX
        case 0x3:  // BS_AUTOCHECKBOX
            return KIND_CHECKBOX;
        case 0x4:  // BS_RADIOBUTTON
            return KIND_MANUALRADIO;
        case 0x7:  // BS_GROUPBOX
            return KIND_GROUPBOX;
        case 0x9:  // BS_AUTORADIOBUTTON
            return KIND_RADIOBUTTON;
        default:  // three-state, user button, push box, split buttons ...
            return KIND_OTHER;
    }
}

}  // namespace

int32_t KindFromClass(std::string_view className, uint32_t style) {
    // GetClassNameA fills a 32-byte buffer: at most 31 characters count.
    const std::string name = LowerLatin1(className.substr(0, 31));
    if (name == "#32770") return KIND_DIALOG;
    if (name == "button") return ButtonKind(style);
    if (name == "static") return KIND_STATIC;
    if (name == "edit") return KIND_EDIT;
    if (name == "listbox") return KIND_LISTBOX;
    if (name == "combobox")
        return (style & kComboTypeMask) == kComboDropDownList ? KIND_DROPDOWNLIST : KIND_COMBOBOX;
    if (name == "systabcontrol32") return KIND_TAB;
    if (name == "scrollbar") return KIND_SCROLLBAR;
    if (name == "msctls_updown32") return KIND_SPINNER;
    if (name == "msctls_trackbar32") return KIND_SLIDER;
    if (name == "msctls_progress32") return KIND_PROGRESS;
    if (name == "msctls_statusbar32") return KIND_STATUSBAR;
    if (name == "syslistview32") return KIND_LISTVIEW;
    return KIND_OTHER;
}

}  // namespace velmora
