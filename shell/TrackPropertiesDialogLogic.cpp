#include "shell/TrackPropertiesDialogLogic.h"

#include "shell/CommandIds.h"
#include "core/TrackManagement.h"
#include "core/Utf16Text.h"

namespace jorv {

void AcceptTrackProperties(Project& project, const std::string& title, UiServices& ui) {
    std::u16string wide = Utf8ToUtf16(title);
    if (wide.size() > 15) wide.resize(15);
    StoreField(project.current().title, std::size(project.current().title), wide);
    FillTrackList(project, ui);
    ui.postCommand(cmd::TrackPropertiesClosed);
}

}  // namespace jorv
