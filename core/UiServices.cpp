#include "core/UiServices.h"

#include "core/PathParts.h"

namespace jorv {

void ShowError(UiServices& ui, std::string_view text) { ui.showMessage(text, ErrorCaption, MessageKind::Error); }

void ShowWarning(UiServices& ui, std::string_view text) { ui.showMessage(text, ErrorCaption, MessageKind::Warning); }

std::optional<std::string> ChooseFileRemembering(UiServices& ui, FileChoice choice, std::string& folder,
                                                 const std::string& defaultFolder) {
    choice.initialFolder = folder.empty() ? defaultFolder : folder;
    auto path = ui.chooseFile(choice);
    if (path) folder = SplitAtLastSeparator(*path).folder;
    return path;
}

}  // namespace jorv
