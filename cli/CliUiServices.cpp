#include "cli/CliUiServices.h"

namespace jorv::cli {

Answer CliUiServices::showMessage(std::string_view text, std::string_view caption, MessageKind kind) {
    err_ << caption << ": " << text << '\n';
    if (kind == MessageKind::Error) failureShown_ = true;
    if (!IsQuestion(kind)) return Answer::Ok;
    return answerYes_ ? Answer::Yes : Answer::No;
}

}  // namespace jorv::cli
