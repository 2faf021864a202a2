#include "shell/FxListActions.h"

#include <algorithm>
#include <chrono>
#include <string>

#include "effects/EffectCatalogue.h"
#include "effects/EffectListFile.h"
#include "shell/RecordFileKinds.h"

namespace jorv {

namespace {

constexpr uint32_t MaxAuditionFrames = 131072;

// The parameter dialog for row as a picker: its OK stores the values without applying.
void PickParameters(AppContext& context, int row, bool keepValues) {
    EffectDialogState& dialog = context.effectDialog;
    dialog.dialogEffectId = EffectCatalogue()[std::size_t(row)].id;
    dialog.pickOnly = true;
    dialog.keepValues = keepValues;
    context.window.runEffectDialog();
    dialog.pickOnly = false;
    dialog.keepValues = false;
}

ChainItem ItemFromDialog(const AppContext& context, int row) {
    const auto& p = context.effectDialog.effectParams;
    return {row, p[0], p[1], p[2]};
}

void RunChain(AppContext& context, const EffectChain& chain, uint32_t start, uint32_t end, const ChainProgress& show) {
    show("Applying effects.");
    ApplyChainToRange(context.project, chain, start, end, context.effectRandom,
                      [&](int applied) { show("Effects Applied: " + std::to_string(applied)); });
}

}  // namespace

void AddChainEffect(AppContext& context, EffectChain& chain, int row) {
    if (chain.chainCount >= MaxChainItems || row < 0 || std::size_t(row) >= EffectCatalogue().size()) return;
    PickParameters(context, row, false);
    AddChainItem(chain, ItemFromDialog(context, row));
}

void EditChainEffect(AppContext& context, EffectChain& chain, int index) {
    if (index < 0 || index >= chain.chainCount) return;
    ChainItem& item = chain.chainItems[index];
    context.effectDialog.effectParams = {item.p1, item.p2, item.p3};
    PickParameters(context, item.effectRow, true);
    item = ItemFromDialog(context, item.effectRow);
}

void ApplyFxList(AppContext& context, const EffectChain& chain, const ChainProgress& show) {
    Project& project = context.project;
    if (chain.chainCount == 0 || !project.buffersReady()) return;
    RunChain(context, chain, project.selectionStart, project.selectionEnd, show);
    project.trackDirty = true;
}

bool AuditionFxList(AppContext& context, const EffectChain& chain, const ChainProgress& show,
                    const std::function<void()>& pump) {
    Project& project = context.project;
    const uint32_t half = project.selectionEnd > project.selectionStart ? (project.selectionEnd - project.selectionStart) / 2 : 0;
    if (half <= 256 || chain.chainCount == 0 || !project.buffersReady()) return false;
    const uint32_t width = std::min(half, MaxAuditionFrames);
    const uint32_t start = project.selectionStart + half - width / 2;
    const uint32_t end = std::min(project.selectionStart + half + width / 2, project.framesPerTrack);
    RunChain(context, chain, start, end, show);
    SwapRange(project, start, end);
    const uint32_t frames = end - start;
    if (context.wave.playScratch(project, frames, context.ui)) {
        // A second more than the window lasts, in case the output never moves.
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(frames / 44 + 1000);
        while (project.busy && context.wave.playPosition() < frames && std::chrono::steady_clock::now() < deadline)
            pump();
    }
    context.wave.stop(project, context.ui);
    SwapRange(project, start, end);
    std::copy_n(project.scratchBuffer.get(), frames, project.trackBuffer.get() + start);
    return true;
}

void SaveFxList(AppContext& context, const EffectChain& chain) {
    SaveRecord(EffectListFiles, context.effectListFolders, chain, context.project.folder(), context.ui);
}

bool LoadFxList(AppContext& context, EffectChain& chain) {
    return LoadRecord(EffectListFiles, context.effectListFolders, chain, context.project.folder(), context.ui);
}

}  // namespace jorv
