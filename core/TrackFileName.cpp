#include "core/TrackFileName.h"

#include "core/Utf16Text.h"

namespace jorv {

std::string ProjectFilePath(std::string_view folder, std::string_view projectName) {
    std::string path;
    path.append(folder).append("/").append(projectName).append(".jor");
    return path;
}

std::string TrackWaveFilePath(std::string_view folder, std::string_view projectName, std::string_view title) {
    std::string path;
    path.append(folder).append("/").append(projectName).append("-").append(title).append(".wav");
    return path;
}

bool AssignTrackWaveFile(Track& track, std::string_view folder, std::string_view projectName, std::string_view title,
                         UiServices& ui) {
    if (StoreField(track.waveFile, TrackWaveFilePath(folder, projectName, title))) return true;
    ui.showMessage(PathTooLongMessage, RefusalCaption, MessageKind::Plain);
    return false;
}

}  // namespace jorv
