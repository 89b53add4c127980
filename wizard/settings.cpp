#include "wizard/settings.h"

#include <windows.h>

#include "generator/text.h"
#include "wizard/registry.h"

namespace genhand {
namespace {

RegistryKey OpenSettingsKey() {
    return RegistryKey(RegistryOpenKey(HKEY_CURRENT_USER, kSettingsSubKey));
}

void ReadLogical(HKEY key, const char* name, bool& value) {
    Logical stored = ToLogical(value);
    RegistryRead(key, name, stored);
    value = IsTrue(stored);
}

void ReadText(HKEY key, const char* name, std::size_t length, std::string& value) {
    std::string field = FixedText(value, length);
    if (RegistryRead(key, name, field) == ERROR_SUCCESS) {
        value = std::string(TrimTrailingBlanks(field));
    }
}

void WriteText(HKEY key, const char* name, std::size_t length, const std::string& value) {
    RegistryWrite(key, name, FixedText(value, length));
}

// A separator folder or name: in the field of earlier versions when it fits
// there, else whole.
void WriteSeparatorPart(HKEY key, const char* name, std::size_t field, const std::string& value) {
    const std::string_view part = CutToField(TrimTrailingBlanks(value), kSeparatorPartLength);
    WriteText(key, name, part.size() <= field ? field : part.size(), std::string(part));
}

}  // namespace

void LoadSettings(Settings& settings) {
    const RegistryKey key = OpenSettingsKey();
    RegistryRead(key.get(), "Separator", settings.separator);
    RegistryRead(key.get(), "Keywords", settings.keywords);
    RegistryRead(key.get(), "Indent", settings.indent);
    ReadLogical(key.get(), "UseVelmora", settings.useVelmora);
    ReadLogical(key.get(), "ImplicitNone", settings.implicitNone);
    ReadLogical(key.get(), "Comments", settings.comments);
    ReadText(key.get(), "SeparatorDir", kSeparatorPartLength, settings.separatorDir);
    ReadText(key.get(), "SeparatorFile", kSeparatorPartLength, settings.separatorFile);
    ReadText(key.get(), "VWindow", kVWindowLength, settings.vWindow);
}

void SaveSettings(const Settings& settings) {
    const RegistryKey key = OpenSettingsKey();
    RegistryWrite(key.get(), "Separator", settings.separator);
    RegistryWrite(key.get(), "Keywords", settings.keywords);
    RegistryWrite(key.get(), "Indent", settings.indent);
    RegistryWrite(key.get(), "UseVelmora", ToLogical(settings.useVelmora));
    RegistryWrite(key.get(), "ImplicitNone", ToLogical(settings.implicitNone));
    RegistryWrite(key.get(), "Comments", ToLogical(settings.comments));
    WriteSeparatorPart(key.get(), "SeparatorDir", kSeparatorDirField, settings.separatorDir);
    WriteSeparatorPart(key.get(), "SeparatorFile", kSeparatorFileField, settings.separatorFile);
    WriteText(key.get(), "VWindow", kVWindowLength, settings.vWindow);
}

std::int32_t ComboSettingToSave(std::optional<std::int32_t> selection, std::int32_t loaded) {
    if (selection.has_value() && *selection >= 1) return *selection;
    return loaded;
}

}  // namespace genhand
