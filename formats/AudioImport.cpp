#include "formats/AudioImport.h"

#include "core/FileCopy.h"
#include "core/FileHandle.h"
#include "core/SilentUiServices.h"
#include "core/WaveFile.h"
#include "formats/Codecs.h"

namespace jorv {

namespace {

ImportReport Convert(const std::string& source, const std::string& wave, const ImportProgress& progress) {
    ImportReport report;
    const CodecBackend* codecs = Codecs();
    if (!codecs) {
        report.outcome = ImportReport::Outcome::NoCodecs;
        return report;
    }
    const DecodedAudio decoded = codecs->decode(source, progress);
    report.source = decoded.source;
    if (decoded.outcome == DecodedAudio::Outcome::NotAudio) return report;
    if (decoded.outcome == DecodedAudio::Outcome::Cancelled) {
        report.outcome = ImportReport::Outcome::Cancelled;
        return report;
    }
    report.frames = static_cast<uint32_t>(decoded.frames.size());
    report.cutShort = !decoded.problem.empty();
    SilentUiServices quiet;
    report.outcome = SaveWave(0, report.frames, wave, decoded.frames.data(), quiet, Durability::WithTheSystem) == WaveSaved
                         ? ImportReport::Outcome::Converted
                         : ImportReport::Outcome::NotWritten;
    return report;
}

}  // namespace

ImportReport ImportAudioFile(const std::string& source, const std::string& wave, const ImportProgress& progress) {
    if (!OpenForReading(source).file) {
        ImportReport unreadable;
        unreadable.outcome = ImportReport::Outcome::Unreadable;
        return unreadable;
    }
    const WaveHeaderInfo asWave = InspectWave(source);
    if (asWave.result != WaveLoaded) return Convert(source, wave, progress);
    ImportReport report;
    report.source = {int(WaveFormat::sampleRate), WaveFormat::channels, "WAV PCM_16"};
    report.frames = asWave.frames;
    report.outcome = CopyFileOver(source, wave) ? ImportReport::Outcome::Copied : ImportReport::Outcome::NotWritten;
    return report;
}

std::string_view ImportMessage(const ImportReport& report) {
    switch (report.outcome) {
    case ImportReport::Outcome::Copied:
    case ImportReport::Outcome::Converted: return report.cutShort ? ImportCutShortMessage : std::string_view{};
    case ImportReport::Outcome::Unreadable:
    case ImportReport::Outcome::NotWritten: return CopyFromFailedMessage;
    case ImportReport::Outcome::NotAudio: return NotAudioMessage;
    case ImportReport::Outcome::Cancelled: return {};
    case ImportReport::Outcome::NoCodecs: return CodecsMissingMessage;
    }
    return {};
}

}  // namespace jorv
