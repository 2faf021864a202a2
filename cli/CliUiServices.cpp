#include "cli/CliUiServices.h"

#include "core/WaveFile.h"

namespace jorv::cli {

Answer CliUiServices::showMessage(std::string_view text, std::string_view caption, MessageKind kind) {
    err_ << caption << ": " << text << '\n';
    // The wave loader's warning comes in an error box, but the load succeeded.
    if (kind == MessageKind::Error && text != WaveWarningMessage) failureShown_ = true;
    if (!IsQuestion(kind)) return Answer::Ok;
    return answerYes_ ? Answer::Yes : Answer::No;
}

}  // namespace jorv::cli
