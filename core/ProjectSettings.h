#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/Project.h"
#include "core/UiServices.h"

// The Project Settings dialog's logic: memory per track, the project's name and folder, and
// loading an existing project from its "..." button.
namespace jorv {

// The list "2", "4", ..., "256"; entry i stands for 2 x (i + 1) MB.
std::vector<int> MemoryChoices();
// The list entry of a memory size, or nothing for a size that is not in the list.
std::optional<int> MemoryChoiceIndex(int memPerTrackMB);

// Free physical memory in whole megabytes, from MemAvailable of /proc/meminfo (0 if unknown).
long FreeMemoryMB(const std::string& meminfoPath = "/proc/meminfo");

// "Total Memory Required: ...", "Recording Time: ...", "Available Memory: ...".
std::array<std::string, 3> MemoryInfoLines(int memPerTrackMB, long freeMB);

// The "..." button after the chooser: reads the project named in the File field, if any.
// Returns whether a project was loaded; projectLoaded follows.
bool LoadFromSettingsField(Project& project, const std::string& fileField, UiServices& ui);

inline constexpr std::string_view StemTooLongMessage =
    "The filename minus path and extension must be less than 16 characters.";

struct ProjectStem {
    std::string folder;
    std::string stem;
};
// The path cut at its last '.', then split at its last separator.
ProjectStem SplitProjectPath(const std::string& path);

// OK: takes the memory size and the File field. Returns false, after the "ERROR" message, when
// the stem is too long (the dialog then stays open). On success the name and folder are set and
// the title shows them; reopening the devices is the caller's part.
// A folder that does not exist is created once the user agrees; a new project whose project file
// or first track file is already in its folder asks first; No to either keeps the dialog open,
// with nothing written. So does a folder where the project file cannot be written, after a
// message naming that file: the project and the title stay as they were.
bool AcceptProjectSettings(Project& project, int memPerTrackMB, const std::string& fileField, UiServices& ui);

inline constexpr std::string_view NewProjectCaption = "New Jorv Project";
inline constexpr std::string_view CreateFolderCaption = "Create Folder";
// True when the folder exists, or did not and was created after the user agreed to it.
bool MayCreateFolder(const std::string& folder, UiServices& ui);
// True when no file of a project of that name is in the folder, or the user agrees to replace them.
bool MayReplaceProjectFiles(const std::string& folder, const std::string& name, UiServices& ui);

}  // namespace jorv
