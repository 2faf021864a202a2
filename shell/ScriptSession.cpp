#include "shell/ScriptSession.h"

#include <cctype>
#include <chrono>
#include <sstream>
#include <thread>

#include "shell/CommandDispatch.h"
#include "shell/CommandIds.h"
#include "shell/MenuPaths.h"
#include "shell/ProjectCommands.h"
#include "shell/StartUp.h"
#include "shell/TransportRun.h"
#include "effects/EffectCatalogue.h"

namespace jorv {

namespace {

std::string Lower(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

std::string Trimmed(const std::string& text) {
    const std::size_t first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

// The line without its comment and outer blanks; "#" starts a comment at the line's start or
// after a blank.
std::string Content(const std::string& line) {
    std::size_t hash = line.find('#');
    while (hash != std::string::npos && hash > 0 && line[hash - 1] != ' ' && line[hash - 1] != '\t')
        hash = line.find('#', hash + 1);
    return Trimmed(line.substr(0, hash));
}

std::optional<int64_t> Number(const std::string& word, int64_t lowest, int64_t highest) {
    if (word.empty()) return std::nullopt;
    std::size_t used = 0;
    try {
        const long long value = std::stoll(word, &used);
        if (used != word.size() || value < lowest || value > highest) return std::nullopt;
        return value;
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

std::vector<std::string> Words(const std::string& text) {
    std::istringstream in(text);
    std::vector<std::string> words;
    for (std::string word; in >> word;) words.push_back(word);
    return words;
}

// A file name is the rest of its line as it stands: it may hold a "#".
std::optional<ScriptStep> ParseKeywordLine(const std::string& keyword, const std::string& text, const std::string& line) {
    const std::vector<std::string> words = Words(text);
    ScriptStep step;
    if (keyword == "select" && words.size() == 3) {
        const auto start = Number(words[1], 0, UINT32_MAX), end = Number(words[2], 0, UINT32_MAX);
        if (!start || !end || *end < *start) return std::nullopt;
        step.kind = ScriptStep::Kind::Select;
        step.values = {*start, *end, 0};
        return step;
    }
    if (keyword == "track" && words.size() == 2) {
        const auto track = Number(words[1], 0, MaxTracks - 1);
        if (!track) return std::nullopt;
        step.kind = ScriptStep::Kind::Track;
        step.values = {*track, 0, 0};
        return step;
    }
    if (keyword == "answer" && words.size() == 2) {
        const std::string answer = Lower(words[1]);
        step.kind = ScriptStep::Kind::Answer;
        if (answer == "yes") step.answer = Answer::Yes;
        else if (answer == "no") step.answer = Answer::No;
        else if (answer == "cancel") step.answer = Answer::Cancel;
        else return std::nullopt;
        return step;
    }
    if (keyword == "file" && words.size() >= 2) {
        step.kind = ScriptStep::Kind::File;
        step.path = Trimmed(Trimmed(line).substr(4));
        return step;
    }
    if (keyword == "wait" && words.size() == 2) {
        std::istringstream in(words[1]);
        double seconds = -1;
        if (!(in >> seconds) || !in.eof() || seconds < 0 || seconds > 24 * 3600) return std::nullopt;
        step.kind = ScriptStep::Kind::Wait;
        step.seconds = seconds;
        return step;
    }
    return std::nullopt;
}

// A menu path, or an effect's path followed by its three parameters.
std::optional<ScriptStep> ParseMenuLine(const std::string& text) {
    ScriptStep step;
    if (const auto id = FindMenuCommand(text); id && !FindEffect(*id)) {
        step.command = *id;
        return step;
    }
    std::vector<std::string> words = Words(text);
    if (words.size() < 4) return std::nullopt;
    for (int k = 2; k >= 0; --k) {
        const auto value = Number(words.back(), INT32_MIN, INT32_MAX);
        if (!value) return std::nullopt;
        step.values[std::size_t(k)] = *value;
        words.pop_back();
    }
    std::string path;
    for (const std::string& word : words) path += (path.empty() ? "" : " ") + word;
    const auto id = FindMenuCommand(path);
    if (!id || !FindEffect(*id)) return std::nullopt;
    step.kind = ScriptStep::Kind::Effect;
    step.command = *id;
    return step;
}

void DeliverPosted(AppContext& context, ScriptedUiServices& ui) {
    while (const auto next = ui.takePosted()) RunCommand(context, next->id, next->notification);
}

// What the window's timer does while the time passes.
void LetTransportRun(AppContext& context, ScriptedUiServices& ui, double seconds) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    while (std::chrono::steady_clock::now() < deadline) {
        PollTransport(context);
        DeliverPosted(context, ui);
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
}

void RunStep(AppContext& context, ScriptedUiServices& ui, HeadlessWindow& window, const ScriptStep& step) {
    Project& project = context.project;
    switch (step.kind) {
        case ScriptStep::Kind::Select:
            project.selectionStart = static_cast<uint32_t>(std::min<int64_t>(step.values[0], project.framesPerTrack));
            project.selectionEnd = static_cast<uint32_t>(std::min<int64_t>(step.values[1], project.framesPerTrack));
            ui.invalidateWave();
            break;
        case ScriptStep::Kind::Track:
            ui.trackEntry = static_cast<int>(step.values[0]);
            RunCommand(context, cmd::TrackList, Notification::SelectionChange);
            break;
        case ScriptStep::Kind::Command: RunCommand(context, step.command); break;
        case ScriptStep::Kind::Effect:
            window.setEffectParameters({int32_t(step.values[0]), int32_t(step.values[1]), int32_t(step.values[2])});
            RunCommand(context, step.command);
            break;
        case ScriptStep::Kind::Answer: ui.giveAnswer(step.answer); break;
        case ScriptStep::Kind::File: ui.giveFile(step.path); break;
        case ScriptStep::Kind::Wait: LetTransportRun(context, ui, step.seconds); break;
    }
    DeliverPosted(context, ui);
}

// Closing the window: a running take is placed and unsaved changes offered first; Cancel keeps
// the session going.
bool Close(AppContext& context) {
    if (!MayCloseProject(context)) return false;
    ShutDown(context);
    return true;
}

}  // namespace

ParsedScript ParseScript(std::istream& lines) {
    ParsedScript script;
    int number = 0;
    for (std::string line; std::getline(lines, line);) {
        ++number;
        const std::string text = Content(line);
        if (text.empty()) continue;
        // "File > Save" is a menu path even though "file" is also a keyword.
        auto step = ParseMenuLine(text);
        if (!step) step = ParseKeywordLine(Lower(Words(text).front()), text, line);
        if (!step) {
            script.unknownLine = number;
            script.steps.clear();
            return script;
        }
        step->lineNumber = number;
        script.steps.push_back(*step);
    }
    return script;
}

ScriptOutcome RunScript(AppContext& context, ScriptedUiServices& ui, HeadlessWindow& window, const ParsedScript& script) {
    DeliverPosted(context, ui);
    bool closed = false;
    for (const ScriptStep& step : script.steps) {
        RunStep(context, ui, window, step);
        if (window.takeCloseRequest() && Close(context)) {
            closed = true;
            break;
        }
    }
    // The script's end closes the window; a Cancel to its question still ends the session.
    if (!closed && !Close(context)) ShutDown(context);
    return ui.failureShown() ? ScriptOutcome::FailureShown : ScriptOutcome::Completed;
}

}  // namespace jorv
