// The wizard's options, kept between runs in the per-user registry under
// HKEY_CURRENT_USER\Software\Velmora\Genhand\1.0.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "generator/separator.h"

namespace genhand {

constexpr char kSettingsSubKey[] = "Software\\Velmora\\Genhand\\1.0";

// Declared length of the window-name setting; it is stored at its full
// length, blank-padded, with a NUL after it.
constexpr std::size_t kVWindowLength = 40;

// The fields in which earlier versions keep the separator file's folder and
// name. A value that fits is stored in its field exactly as they store it
// (blank-padded, 257 and 65 bytes), so that they still read it; a longer one
// (up to kSeparatorPartLength) is stored whole, at its own length.
constexpr std::size_t kSeparatorDirField = 256;
constexpr std::size_t kSeparatorFileField = 64;

// Separator styles: positions in the separator combo box, counted from 1.
constexpr std::int32_t kSeparatorEquals = 1;
constexpr std::int32_t kSeparatorDash = 2;
constexpr std::int32_t kSeparatorStar = 3;
constexpr std::int32_t kSeparatorFromFile = 4;
// Keyword cases: positions in the keyword combo box, counted from 1.
constexpr std::int32_t kKeywordsUppercase = 1;
constexpr std::int32_t kKeywordsLowercase = 2;

// The nine settings, with the values a first run starts from. Integers are
// stored as they are; nothing here checks their range. Texts are held
// without trailing blanks (they carry no meaning) and are cut to their
// lengths when saved.
struct Settings {
    std::int32_t separator = kSeparatorEquals;  // "Separator", combo box 1005
    std::int32_t keywords = kKeywordsUppercase;  // "Keywords", combo box 1007
    std::int32_t indent = 0;                     // "Indent", spinner 1009 (0..6)
    bool useVelmora = false;                     // "UseVelmora", check box 1013
    bool implicitNone = false;                   // "ImplicitNone", check box 1016
    bool comments = false;                       // "Comments", check box 1011
    std::string separatorDir;                    // "SeparatorDir", folder of the separator file
    std::string separatorFile;                   // "SeparatorFile", its name
    std::string vWindow = "VW_FRAME";            // "VWindow", edit box 1010
};

// Opens the settings key, creating it if it is missing (so a first run
// leaves an empty key behind), and reads each value over the matching member
// of `settings`. A value that is absent or unreadable leaves its member as it
// was, so `settings` should hold the defaults on entry. Failures are silent.
void LoadSettings(Settings& settings);

// Opens or creates the settings key and writes all nine values in their
// fixed order: six REG_DWORDs (logicals as 1 or 0), then the three texts as
// REG_SZ in their fields plus the NUL (257, 65 and 41 bytes; a longer
// separator folder or name at its own length plus the NUL). Failures are
// silent.
void SaveSettings(const Settings& settings);

// The value Close stores for a combo-box setting: the 1-based selection read
// back from the box, or, when the box has no selection (possible only after
// an out-of-range stored value the user never corrected), the value that was
// loaded, so that the stored setting survives unchanged.
std::int32_t ComboSettingToSave(std::optional<std::int32_t> selection, std::int32_t loaded);

}  // namespace genhand
