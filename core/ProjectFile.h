#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/Project.h"
#include "core/UiServices.h"

namespace jorv {

inline constexpr std::size_t ProjectFileSize = 4 + sizeof(ProjectBlock);
inline constexpr std::string_view SaveProjectFailedMessage = "Could not save .jor file.";
inline constexpr std::string_view OpenProjectFailedMessage = "There has been a warning error opening the .jor file.";
inline constexpr std::string_view NoProjectHeaderMessage = "No JORV header found in .jor file.";

// A write that failed, naming the file.
std::string FileNotWrittenMessage(const std::string& path);
// Whether the file could be written now (created, or replaced), trying it without changing it.
bool CanWriteFile(const std::string& path);

// Writes "JORV" and the block to projectPath. The file is replaced in one step (written beside
// it, then renamed), so a failed save leaves the previous file as it was.
bool SaveProject(Project& project, UiServices& ui);

// "JORV" and the block, replacing the file in one step.
bool WriteProjectFile(const std::string& path, const ProjectBlock& block);

// Open's file dialog: the project file chosen, or nothing when cancelled.
std::optional<std::string> ChooseProjectFile(const Project& project, UiServices& ui);
// Reads the project file into the block, then names the track files after their positions.
// Returns false (block unchanged) when unreadable, without the magic, or holding a track count
// or memory size that the program cannot use. A relative path is taken from the current folder.
bool OpenProjectFile(Project& project, const std::string& path, UiServices& ui);
// The absolute, normal form of a project file's name, as Open keeps it.
std::string FullProjectPath(const std::string& named);

// Reads the project file at path into block; the outcome says which message applies, if any.
// The file is only read, so a read-only project opens. A file without the magic or too short to
// hold the header and the track records leaves the block unchanged; volumes and pans beyond
// 255 are read as 255.
enum class ProjectReadResult { Read, CannotOpen, NoHeader };
ProjectReadResult ReadProjectFile(const std::string& path, ProjectBlock& block);

// True when the block's header can be used as it is: 1..16 tracks, an even size of 2..256 MB.
bool ProjectHeaderUsable(const ProjectHeader& header);

// Every used track's waveFile becomes projectDir/name-Track N.wav. Returns false, after a
// message, when a name does not fit its field; the block is then unchanged.
bool RenameTrackFiles(Project& project, UiServices& ui);

// "Jorv - name", and "*" after it while the project has changes that are not saved.
std::string ProjectTitle(const Project& project);
// The title, and the status line "Project Loaded".
void ShowProjectTitle(const Project& project, UiServices& ui);
// After anything that may change the project: the title's "*" follows. Until a project is
// loaded the title stays as it is.
void RefreshProjectTitle(const Project& project, UiServices& ui);

}  // namespace jorv
