#include "shell/ScriptedUiServices.h"

namespace jorv {

namespace {

std::string_view AnswerText(Answer answer) {
    switch (answer) {
        case Answer::Yes: return "Yes";
        case Answer::No: return "No";
        case Answer::Cancel: return "Cancel";
        case Answer::Ok: break;
    }
    return "OK";
}

}  // namespace

Answer ScriptedUiServices::showMessage(std::string_view text, std::string_view caption, MessageKind kind) {
    if (kind == MessageKind::Error) failureShown_ = true;
    if (!IsQuestion(kind)) {
        out_ << caption << ": " << text << std::endl;
        return Answer::Ok;
    }
    Answer answer = Answer::No;
    if (!answers_.empty()) {
        answer = answers_.front();
        answers_.pop_front();
    }
    // A question without Cancel takes a scripted Cancel as its window would: as No.
    if (answer == Answer::Cancel && kind != MessageKind::QuestionWithCancel) answer = Answer::No;
    out_ << "question: " << text << " -> " << AnswerText(answer) << std::endl;
    return answer;
}

std::optional<std::string> ScriptedUiServices::chooseFile(const FileChoice&) {
    if (files_.empty()) return std::nullopt;
    std::string path = std::move(files_.front());
    files_.pop_front();
    return path;
}

// Each line goes out at once, so that whoever watches the session sees it as it happens.
void ScriptedUiServices::setStatus(std::string_view text) { out_ << "status: " << text << std::endl; }

std::optional<ScriptedUiServices::Posted> ScriptedUiServices::takePosted() {
    if (posted_.empty()) return std::nullopt;
    const Posted next = posted_.front();
    posted_.pop_front();
    return next;
}

}  // namespace jorv
