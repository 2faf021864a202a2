#include "core/UiServices.h"

namespace jorv {

void ShowError(UiServices& ui, std::string_view text) { ui.showMessage(text, ErrorCaption, MessageKind::Error); }

}  // namespace jorv
