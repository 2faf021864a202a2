#include "formats/AudioExport.h"

#include "core/WaveFile.h"
#include "formats/Codecs.h"

namespace jorv {

ExportOutcome ExportFrames(const Frame* frames, uint32_t count, const std::string& path, int quality, UiServices& ui) {
    const std::optional<ExportType> type = ExportTypeOf(path);
    if (!type) {
        ShowError(ui, UnknownExportTypeMessage);
        return ExportOutcome::UnknownType;
    }
    if (*type == ExportType::Wave)
        return SaveWave(0, count, path, frames, ui) == WaveSaved ? ExportOutcome::Written : ExportOutcome::NotWritten;
    const CodecBackend* codecs = Codecs();
    if (codecs && codecs->encode(frames, count, path, *type, quality)) return ExportOutcome::Written;
    ShowError(ui, WaveSaveFailedMessage);
    return ExportOutcome::NotWritten;
}

}  // namespace jorv
