#include "shell/DrumEditActions.h"

#include <iterator>

#include "core/Utf16Text.h"
#include "shell/RecordFileKinds.h"

namespace jorv {

namespace {

DrumBlock& Drums(AppContext& context) { return context.project.block.drumBlock; }

}  // namespace

void AuditionDrums(AppContext& context, std::u16string_view songText) {
    if (context.drums.running()) return;
    StoreSongPattern(Drums(context), songText);
    context.drums.build(Drums(context));
    context.drums.start();
}

void StopAuditionDrums(AppContext& context) {
    if (context.drums.running()) context.drums.stop();
}

void DrumEditClosed(AppContext& context) { context.drums.stop(); }

void SaveDrumEditPatterns(AppContext& context) {
    SaveRecord(DrumPatternFiles, context.drumPatternFolders, Drums(context), context.project.folder(), context.ui);
}

std::optional<std::u16string> LoadDrumEditPatterns(AppContext& context) {
    if (!LoadRecord(DrumPatternFiles, context.drumPatternFolders, Drums(context), context.project.folder(), context.ui)) return std::nullopt;
    const DrumBlock& drums = Drums(context);
    return std::u16string(FieldText(drums.songPattern, std::size(drums.songPattern)));
}

void AcceptDrumEditDialog(AppContext& context, std::u16string_view songText) {
    AcceptDrumEdit(Drums(context), songText, context.project.beatFrames);
}

}  // namespace jorv
