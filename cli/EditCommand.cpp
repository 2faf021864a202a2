#include <array>
#include <string>

#include "cli/Subcommand.h"
#include "cli/TrackOptions.h"
#include "core/TrackEditing.h"

namespace jorv::cli {

namespace {

struct EditOperation {
    std::string_view name;
    EditResult (*run)(Project&, UiServices&);
};

constexpr auto Operations = std::to_array<EditOperation>({
    {"cut", CutSelection},
    {"copy", CopySelection},
    {"paste", [](Project& p, UiServices& ui) { return PasteClip(p, PasteMode::Replace, ui); }},
    {"merge", [](Project& p, UiServices& ui) { return PasteClip(p, PasteMode::Add, ui); }},
    {"ring", RingClip},
    {"negate", NegateClip},
});

const EditOperation* FindOperation(std::string_view name) {
    for (const EditOperation& operation : Operations)
        if (operation.name == name) return &operation;
    return nullptr;
}

int RunEdit(SubcommandContext& context) {
    const auto& words = context.arguments.positional;
    const EditOperation* operation = FindOperation(words[0]);
    const auto start = ParseNumber(words[1], 0, UINT32_MAX);
    const auto end = ParseNumber(words[2], 0, UINT32_MAX);
    Project project;
    if (!operation || !start || !end || *end < *start || !ApplyTrackOptions(context.arguments, project))
        return ExitUsage;

    uint32_t frames = 0;
    if (const int status = LoadTrackWithScratch(context, words[3], project, frames); status != ExitSuccess) return status;
    project.selectionStart = uint32_t(*start);
    project.selectionEnd = uint32_t(*end);
    context.out << "result " << operation->run(project, context.ui).code() << '\n';
    // The track as the command left it, unchanged when the command failed.
    return SaveTrackResult(context, words[4], project, frames);
}

}  // namespace

const Subcommand& EditCommand() {
    static const std::string usage = std::string("OP START END IN OUT ") + TrackOptionsUsage + " [--mem MB]";
    static const Subcommand command{
        "edit", usage, {{"OP", "START", "END", "IN", "OUT"}, {"--clip", "--volume", "--pan", "--mem"}, {"--mute"}},
        RunEdit};
    return command;
}

}  // namespace jorv::cli
