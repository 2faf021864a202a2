#include "shell/MenuTable.h"

#include "shell/CommandIds.h"
#include "shell/MenuMnemonics.h"
#include "effects/EffectCatalogue.h"

namespace jorv {

namespace {

using Kind = MenuEntry::Kind;

MenuEntry Item(std::string_view text, int id) { return {Kind::Item, std::string(text), id, {}}; }
MenuEntry Separator() { return {Kind::Separator, {}, 0, {}}; }
MenuEntry RecentProjects() { return {Kind::RecentProjects, {}, 0, {}}; }
MenuEntry Submenu(std::string_view text, std::vector<MenuEntry> children) {
    return {Kind::Submenu, std::string(text), 0, std::move(children)};
}

// One popup per effect group, its items in catalogue order.
std::vector<MenuEntry> EffectPopupEntries() {
    std::vector<MenuEntry> popups;
    for (const std::string_view popup : EffectPopups()) {
        std::vector<MenuEntry> items;
        for (const EffectInfo& effect : EffectCatalogue())
            if (effect.popup == popup) items.push_back(Item(effect.menuLabel, effect.id));
        popups.push_back(Submenu(popup, std::move(items)));
    }
    return popups;
}

std::vector<MenuEntry> BuildMenuBar() {
    return {
        Submenu("&File", {Item("&New ...", cmd::New), Item("&Open ...", cmd::Open),
                          Item("&Properties ...", cmd::ProjectProperties), Item("&Save", cmd::Save),
                          Item("Save &As ...", cmd::SaveAs), Item("&Import Audio ...", cmd::ImportAudio),
                          Item("Save &Wave ...", cmd::SaveWave), RecentProjects(), Separator(), Item("E&xit", cmd::Exit)}),
        Submenu("&Edit", {Item("&Undo", cmd::Undo), Item("&Redo", cmd::Redo), Item("C&ut", cmd::Cut), Item("&Copy", cmd::Copy),
                          Item("&Paste", cmd::Paste), Separator(),
                          Submenu("Paste Sp&ecial", {Item("&Merge", cmd::PasteMerge), Item("&Ring", cmd::PasteRing),
                                                     Item("&Negate", cmd::PasteNegate)}),
                          Item("Copy &From ...", cmd::CopyFrom), Separator(), Item("&Align to Beat", cmd::AlignToBeat),
                          Separator(), Item("&Select All", cmd::SelectAll),
                          Item("Select Ra&nge ...", cmd::SelectRange)}),
        Submenu("&Control", {Item("&Play", cmd::Play), Item("&Record", cmd::Record), Item("&Stop", cmd::Stop),
                             Separator(), Item("&Merge Record", cmd::MergeRecord),
                             Item("A&ctivate Drums", cmd::ActivateDrums)}),
        Submenu("&Track", {Item("&Add", cmd::AddTrack), Item("&Properties ...", cmd::TrackProperties),
                           Item("&Delete", cmd::DeleteTrack),
                           Submenu("&Clone", {Item("&This Track", cmd::CloneThisTrack),
                                              Item("&All Tracks Merged", cmd::CloneAllMerged)}),
                           Item("&Mute", cmd::Mute)}),
        Submenu("&FX", EffectPopupEntries()),
        Submenu("&Tools", {Item("&FX List ...", cmd::FxList), Item("&Master ...", cmd::Master),
                           Item("&Rip MCI ...", cmd::RipMci), Item("&SK1 Mode ...", cmd::Sk1Mode),
                           Item("&TTS Mode ...", cmd::TtsMode), Item("&Drum Machine ...", cmd::DrumMachine),
                           Item("&Audio Mixer ...", cmd::AudioMixer), Item("M&idi Sequencer ...", cmd::MidiSequencer),
                           Separator(), Item("&Options ...", cmd::Options)}),
        Submenu("&Help", {Item("&Index ...", cmd::HelpIndex), Item("&About ...", cmd::About)}),
    };
}

constexpr CommandShortcut Shortcuts[] = {
    {cmd::New, "Ctrl+N"}, {cmd::Open, "Ctrl+O"}, {cmd::Save, "Ctrl+S"}, {cmd::SaveAs, "Ctrl+Shift+S"}, {cmd::Cut, "Ctrl+X"},
    {cmd::Copy, "Ctrl+C"}, {cmd::Paste, "Ctrl+V"}, {cmd::Undo, "Ctrl+Z"}, {cmd::SelectAll, "Ctrl+A"},
    {cmd::Redo, "Ctrl+Shift+Z"}, {cmd::Redo, "Ctrl+Y"}, {cmd::ImportAudio, "Ctrl+I"}, {cmd::SaveWave, "Ctrl+E"},
    {cmd::Exit, "Ctrl+Q"}, {cmd::Record, "Ctrl+R"}, {cmd::HelpIndex, "F1"},
};

}  // namespace

std::span<const CommandShortcut> CommandShortcuts() { return Shortcuts; }

int PlayOrStopCommand(const Project& project) { return project.busy ? cmd::Stop : cmd::Play; }

const std::vector<MenuEntry>& MenuBarEntries() {
    static const std::vector<MenuEntry> entries = [] {
        std::vector<MenuEntry> built = BuildMenuBar();
        MarkMnemonics(built);  // the effects' labels come without one
        return built;
    }();
    return entries;
}

}  // namespace jorv
