#include "dialogs/control_kind.h"

#include <gtest/gtest.h>

#include "dialogs/constants.h"

namespace velmora {
namespace {

TEST(KindFromClass, ClassNamesInAnyCase) {
    EXPECT_EQ(KindFromClass("#32770", 0), KIND_DIALOG);
    EXPECT_EQ(KindFromClass("Static", 0), KIND_STATIC);
    EXPECT_EQ(KindFromClass("EDIT", 0), KIND_EDIT);
    EXPECT_EQ(KindFromClass("ListBox", 0), KIND_LISTBOX);
    EXPECT_EQ(KindFromClass("SysTabControl32", 0), KIND_TAB);
    EXPECT_EQ(KindFromClass("ScrollBar", 0), KIND_SCROLLBAR);
    EXPECT_EQ(KindFromClass("msctls_updown32", 0), KIND_SPINNER);
    EXPECT_EQ(KindFromClass("msctls_trackbar32", 0), KIND_SLIDER);
    EXPECT_EQ(KindFromClass("msctls_progress32", 0), KIND_PROGRESS);
    EXPECT_EQ(KindFromClass("msctls_statusbar32", 0), KIND_STATUSBAR);
    EXPECT_EQ(KindFromClass("SysListView32", 0), KIND_LISTVIEW);
    EXPECT_EQ(KindFromClass("SysHeader32", 0), KIND_OTHER);
    EXPECT_EQ(KindFromClass("Edit2", 0), KIND_OTHER);  // compared in full
    EXPECT_EQ(KindFromClass("", 0), KIND_OTHER);
}

TEST(KindFromClass, ButtonTypes) {
    const int32_t expected[16] = {KIND_PUSHBUTTON, KIND_PUSHBUTTON, KIND_CHECKBOX, KIND_CHECKBOX,
                                  KIND_MANUALRADIO, KIND_OTHER, KIND_OTHER, KIND_GROUPBOX,
                                  KIND_OTHER, KIND_RADIOBUTTON, KIND_OTHER, KIND_PUSHBUTTON,
                                  KIND_OTHER, KIND_OTHER, KIND_OTHER, KIND_OTHER};
    for (uint32_t type = 0; type < 16; ++type)
        EXPECT_EQ(KindFromClass("Button", 0x50010000u | type), expected[type]) << type;
}

TEST(KindFromClass, ComboBoxStyles) {
    EXPECT_EQ(KindFromClass("ComboBox", 0x3), KIND_DROPDOWNLIST);
    EXPECT_EQ(KindFromClass("combobox", 0x2), KIND_COMBOBOX);
    EXPECT_EQ(KindFromClass("COMBOBOX", 0x1), KIND_COMBOBOX);
}

}  // namespace
}  // namespace velmora
