#include "tests/support/RecordingUiServices.h"

namespace jorv::test {

Answer RecordingUiServices::showMessage(std::string_view text, std::string_view caption, MessageKind kind) {
    messages.push_back({std::string(text), std::string(caption), kind});
    if (!IsQuestion(kind)) return Answer::Ok;
    if (answers.empty()) return Answer::No;
    const Answer answer = answers.front();
    answers.pop_front();
    return answer;
}

std::optional<std::string> RecordingUiServices::chooseFile(const FileChoice& choice) {
    fileRequests.push_back(choice);
    if (fileChoices.empty()) return std::nullopt;
    auto choiceMade = fileChoices.front();
    fileChoices.pop_front();
    return choiceMade;
}

void RecordingUiServices::fillTrackList(const std::vector<std::string>& titles, int selected) {
    trackList = titles;
    trackListSelection = selected;
}

std::vector<std::string> RecordingUiServices::textsWithCaption(std::string_view caption) const {
    std::vector<std::string> texts;
    for (const auto& message : messages)
        if (message.caption == caption) texts.push_back(message.text);
    return texts;
}

}  // namespace jorv::test
