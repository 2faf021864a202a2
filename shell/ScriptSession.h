#pragma once

#include <array>
#include <cstdint>
#include <istream>
#include <optional>
#include <string>
#include <vector>

#include "shell/AppContext.h"
#include "shell/HeadlessWindow.h"
#include "shell/ScriptedUiServices.h"

// A session driven by a script instead of a user: each line is a selection, a track choice, a
// menu command or an effect with its parameters, an answer to the next question, the name the
// next file chooser returns, or time for the transport to run.
namespace jorv {

struct ScriptStep {
    enum class Kind { Select, Track, Command, Effect, Answer, File, Wait };
    Kind kind = Kind::Command;
    int lineNumber = 0;
    int command = 0;                  // Command, Effect
    std::array<int64_t, 3> values{};  // Select: start, end; Track: the track; Effect: P1 P2 P3
    Answer answer = Answer::No;
    std::string path;  // File
    double seconds = 0;
};

struct ParsedScript {
    std::vector<ScriptStep> steps;
    // The first line that is none of the above, when there is one; nothing then runs.
    std::optional<int> unknownLine;
};

ParsedScript ParseScript(std::istream& lines);

enum class ScriptOutcome { Completed, FailureShown };

// Runs the steps through the command table as the window runs its commands, delivering what
// they post; Exit ends the session as closing the window does, and so does the script's end.
ScriptOutcome RunScript(AppContext& context, ScriptedUiServices& ui, HeadlessWindow& window, const ParsedScript& script);

}  // namespace jorv
