#pragma once

#include <string>

namespace jorv {

// The back ends that bring large system libraries with them (audio and MIDI, the media player,
// the speech engine) are modules opened on first use, so that work without a device never
// loads those libraries. A module lib<name>.so is found through the executable's run path: the
// build's module folder, or ../lib/jorv beside an installed executable.
//
// The address of symbol in the module; null, with the reason in error, when the module or the
// symbol cannot be found. A module stays loaded for the rest of the run: its libraries may keep
// threads of their own.
void* ModuleSymbol(const std::string& module, const char* symbol, std::string& error);

// Tells standard error that a module could not be loaded, and why.
void ReportMissingModule(const std::string& module, const std::string& error);

// The table that a module's entry function returns, loaded on the first call; null (reported
// once) when the module cannot be loaded. Each table type belongs to one module.
template <typename Table>
const Table* LoadModuleTable(const char* module, const char* entry) {
    static const Table* const table = [&]() -> const Table* {
        std::string error;
        auto* const function = reinterpret_cast<const Table* (*)()>(ModuleSymbol(module, entry, error));
        if (function) return function();
        ReportMissingModule(module, error);
        return nullptr;
    }();
    return table;
}

}  // namespace jorv
