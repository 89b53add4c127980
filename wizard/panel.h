// The wizard's window: the frame (template 101) and the panel (template 102),
// their control ids, and the state that the commands share.
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>

#include "framework/window_record.h"
#include "resource.h"
#include "wizard/settings.h"

namespace genhand::wizard {

// Template, control, icon and help ids are those of resources/resource.h,
// which the resource script shares.

// The panel's record and the settings, shared by the main routine and the
// commands for the whole run.
velmora::DIALOG& Panel();
Settings& CurrentSettings();

// The buttons that show an icon instead of a text.
constexpr int32_t kIconButtons[] = {IDC_SEPARATOR_FILE, IDC_COPY_STATEMENT, IDC_COPY_ROUTINE};

// The two icons the buttons show, freed when the window is gone.
struct ButtonIcons {
    ButtonIcons();
    ~ButtonIcons();
    ButtonIcons(const ButtonIcons&) = delete;
    ButtonIcons& operator=(const ButtonIcons&) = delete;
    HICON copy;
    HICON file;
};

// The main routine without its modal run: creates the frame and the panel,
// loads the settings, fills and wires every control. Needs the framework's
// entry (the main routine's context).
void BuildWizard(const ButtonIcons& icons);

// The whole main routine: builds the window, runs it modally until Close,
// destroys it. Returns false (no application loop wanted).
bool RunWizard();

// Control callbacks.
void Generate(velmora::DIALOG& panel, const int32_t& id, const int32_t& event);
void ChooseSeparatorFile(velmora::DIALOG& panel, const int32_t& id, const int32_t& event);
void CloseCommand(velmora::DIALOG& frame, const int32_t& id, const int32_t& event);
void HelpCommand(velmora::DIALOG& frame, const int32_t& id, const int32_t& event);
void CopyCommand(velmora::DIALOG& panel, const int32_t& id, const int32_t& event);

// Splits a chosen path at the backslash in front of the file name and takes
// each part over unless it is shorter than 2 characters; each part is kept
// up to kSeparatorPartLength (MAX_PATH) characters.
void TakeOverSeparatorPath(const std::string& path, std::string& directory, std::string& file);

// "Velmora.chm" in the directory of the program's path as GetModuleFileNameA
// gave it (`length` characters of a buffer of `bufferSize`): everything up
// to and including its last backslash, nothing when there is none. No file
// when the path is empty or did not fit the buffer.
std::optional<std::string> HelpFileFor(const char* modulePath, DWORD length, DWORD bufferSize);

}  // namespace genhand::wizard
