#include "effects/EffectChain.h"

#include <algorithm>
#include <utility>

#include "core/TrackSwitching.h"
#include "effects/ApplyEffect.h"
#include "effects/EffectCatalogue.h"

namespace jorv {

namespace {

constexpr float OneOver255 = 0.003921569f;
constexpr uint32_t RampValues = 16834;  // sample values (two per frame) each ramp covers at most

int16_t ClampToSample(float value) { return static_cast<int16_t>(std::clamp(value, -32767.0f, 32767.0f)); }

}  // namespace

EffectChain NewEffectChain() {
    EffectChain chain{};
    constexpr char16_t version[4] = {u'1', u'.', u'0', u'0'};
    std::copy(std::begin(version), std::end(version), chain.chainVersion);
    chain.blend = 128;
    return chain;
}

bool ChainIsUsable(const EffectChain& chain) {
    if (chain.chainCount > MaxChainItems) return false;
    const auto rows = static_cast<int32_t>(EffectCatalogue().size());
    return std::all_of(chain.chainItems, chain.chainItems + chain.chainCount,
                       [rows](const ChainItem& item) { return item.effectRow >= 0 && item.effectRow < rows; });
}

void AddChainItem(EffectChain& chain, const ChainItem& item) {
    if (chain.chainCount >= MaxChainItems) return;
    chain.chainItems[chain.chainCount++] = item;
}

void RemoveChainItem(EffectChain& chain, int index) {
    if (index < 0 || index >= chain.chainCount) return;
    std::copy(chain.chainItems + index + 1, chain.chainItems + chain.chainCount, chain.chainItems + index);
    --chain.chainCount;
}

void MoveChainItemUp(EffectChain& chain, int index) {
    if (index <= 0 || index >= chain.chainCount) return;
    std::swap(chain.chainItems[index], chain.chainItems[index - 1]);
}

void MoveChainItemDown(EffectChain& chain, int index) { MoveChainItemUp(chain, index + 1); }

void BackupRange(Project& project, uint32_t start, uint32_t end) {
    if (start < end) std::copy(project.trackBuffer.get() + start, project.trackBuffer.get() + end, project.scratchBuffer.get());
}

void SwapRange(Project& project, uint32_t start, uint32_t end) {
    if (start < end) std::swap_ranges(project.trackBuffer.get() + start, project.trackBuffer.get() + end, project.scratchBuffer.get());
}

void BlendRange(Project& project, uint32_t start, uint32_t end, int blend) {
    if (start >= end) return;
    const float wFx = static_cast<float>(blend) * OneOver255;
    const float wOrig = static_cast<float>(255 - blend) * OneOver255;
    const uint32_t frames = end - start;
    const uint32_t values = 2 * frames;
    const uint32_t ramp = values >= 2 * RampValues ? RampValues : frames;  // R, in sample values
    const float stepFx = 2 * wFx / static_cast<float>(ramp);
    // The untouched weight falls from 1 to wOrig over the ramp, as the processed one rises to wFx.
    const float stepOrig = 2 * (1 - wOrig) / static_cast<float>(ramp);
    float orig = 1, fx = 0;
    const Frame* untouched = project.scratchBuffer.get();
    Frame* track = project.trackBuffer.get() + start;
    for (uint32_t k = 0; k < frames; ++k) {
        track[k].left = ClampToSample(orig * untouched[k].left + fx * track[k].left);
        track[k].right = ClampToSample(orig * untouched[k].right + fx * track[k].right);
        const uint32_t offset = 2 * k;
        if (offset < ramp) {
            fx += stepFx;
            orig -= stepOrig;
        } else if (offset >= values - ramp) {
            fx -= stepFx;
            orig += stepOrig;
        }
    }
}

int ApplyChainToRange(Project& project, const EffectChain& chain, uint32_t start, uint32_t end,
                      EffectRandom& random, const std::function<void(int)>& progress) {
    if (!ChainIsUsable(chain) || chain.chainCount == 0) return 0;
    const FrameRange range = LimitToBuffer(project, start, end);
    start = range.start;
    end = range.end;
    BackupRange(project, start, end);
    const auto catalogue = EffectCatalogue();
    for (int i = 0; i < chain.chainCount; ++i) {
        const ChainItem& item = chain.chainItems[i];
        ApplyEffect(project, catalogue[item.effectRow].id, start, end, item.p1, item.p2, item.p3, random);
        if (progress) progress(i + 1);
    }
    BlendRange(project, start, end, chain.blend);
    return chain.chainCount;
}

}  // namespace jorv
