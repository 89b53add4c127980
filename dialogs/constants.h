// Numbers shared by the dialog module and its callers: control kinds,
// attribute indexes of the set and get routines, and callback events.
// Attribute indexes and events share one number space.
#pragma once

#include <cstdint>

namespace velmora {

// Control kinds (ControlEntry::kind). 18 and 19 are not used.
constexpr int32_t KIND_OTHER = 0;
constexpr int32_t KIND_STATIC = 1;
constexpr int32_t KIND_GROUPBOX = 2;
constexpr int32_t KIND_PUSHBUTTON = 3;
constexpr int32_t KIND_CHECKBOX = 4;
constexpr int32_t KIND_RADIOBUTTON = 5;
constexpr int32_t KIND_EDIT = 6;
constexpr int32_t KIND_LISTBOX = 7;
constexpr int32_t KIND_DROPDOWNLIST = 8;
constexpr int32_t KIND_MANUALRADIO = 9;
constexpr int32_t KIND_TAB = 10;
constexpr int32_t KIND_SCROLLBAR = 11;
constexpr int32_t KIND_COMBOBOX = 12;
constexpr int32_t KIND_SPINNER = 13;
constexpr int32_t KIND_SLIDER = 14;
constexpr int32_t KIND_PROGRESS = 15;
constexpr int32_t KIND_STATUSBAR = 16;
constexpr int32_t KIND_LISTVIEW = 17;
constexpr int32_t KIND_DIALOG = 20;

// Groups of kinds that the set and get routines treat alike.
constexpr bool IsRadioKind(int32_t kind) { return kind == KIND_RADIOBUTTON || kind == KIND_MANUALRADIO; }
constexpr bool IsButtonKind(int32_t kind) {
    return kind == KIND_PUSHBUTTON || kind == KIND_CHECKBOX || IsRadioKind(kind);
}
constexpr bool IsComboKind(int32_t kind) { return kind == KIND_DROPDOWNLIST || kind == KIND_COMBOBOX; }

// Attribute indexes. Zero and positive values are list items counted from 1.
constexpr int32_t ATTR_TEXT = -2;
constexpr int32_t ATTR_ENABLED = -3;
constexpr int32_t ATTR_VALUE = -5;
constexpr int32_t ATTR_BITMAP = -11;
constexpr int32_t ATTR_SELECTION = -12;
constexpr int32_t ATTR_ITEMCOUNT = -13;
constexpr int32_t ATTR_FONT = -15;
constexpr int32_t ATTR_VISIBLE = -16;
constexpr int32_t ATTR_MINIMUM = -18;
constexpr int32_t ATTR_MAXIMUM = -19;
constexpr int32_t ATTR_STEP = -20;
constexpr int32_t ATTR_TEXTCOLOR = -21;
constexpr int32_t ATTR_BACKCOLOR = -22;
constexpr int32_t ATTR_WIDTHS = -24;
constexpr int32_t ATTR_ICON = -25;
constexpr int32_t ATTR_RESIZEROUTINE = -32;
constexpr int32_t ATTR_COLUMNTYPES = -35;
constexpr int32_t ATTR_ROWSIZE = -37;

// Callback events: what a routine is registered for and, for most events,
// the third argument it receives.
constexpr int32_t EVT_DEFAULT = -1;
constexpr int32_t EVT_CLICKED = -4;
constexpr int32_t EVT_CHANGE = -6;
constexpr int32_t EVT_UPDATE = -7;
constexpr int32_t EVT_SELCHANGE = -10;
constexpr int32_t EVT_DBLCLICK = -14;
constexpr int32_t EVT_DRAW = -26;
constexpr int32_t EVT_GAINFOCUS = -27;
constexpr int32_t EVT_LOSEFOCUS = -28;
constexpr int32_t EVT_TABCHANGING = -29;
constexpr int32_t EVT_HELP = -30;
constexpr int32_t EVT_DESTROY = -31;
constexpr int32_t EVT_SIZE = -33;
constexpr int32_t EVT_INIT = -34;
constexpr int32_t EVT_COLUMNCLICK = -38;

// Colours are Windows RGB values 0x00BBGGRR; -1 is the default colour.
constexpr int32_t COLOR_DEFAULT = -1;
constexpr int32_t COLOR_MAX = 0xFFFFFF;

}  // namespace velmora
