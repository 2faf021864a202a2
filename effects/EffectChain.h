#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>

#include "core/Project.h"
#include "effects/EffectRandom.h"

// A chain of up to 16 effects applied to the selection one after another, then blended with the
// untouched audio; laid out byte for byte as the effect-list file (".jfx") stores it.
namespace jorv {

constexpr int MaxChainItems = 16;

struct ChainItem {
    int32_t effectRow;  // the effect's row in the catalogue (0..34), not its command id
    int32_t p1;
    int32_t p2;
    int32_t p3;
};

struct EffectChain {
    char16_t chainVersion[4];
    uint16_t chainCount;
    uint16_t blend;  // 0: the untouched audio only .. 255: the effects only
    ChainItem chainItems[MaxChainItems];
};

static_assert(sizeof(ChainItem) == 16);
static_assert(sizeof(EffectChain) == 268);
static_assert(offsetof(EffectChain, chainCount) == 8);
static_assert(offsetof(EffectChain, blend) == 10);
static_assert(offsetof(EffectChain, chainItems) == 12);

// As each opening of the FX List dialog starts: version "1.00", no items, blend 128.
EffectChain NewEffectChain();

// Whether every item in use names a catalogue row (and at most 16 are in use).
bool ChainIsUsable(const EffectChain& chain);

// The list operations; each does nothing where it cannot (a full chain, no such item, the
// first item up or the last down).
void AddChainItem(EffectChain& chain, const ChainItem& item);
void RemoveChainItem(EffectChain& chain, int index);
void MoveChainItemUp(EffectChain& chain, int index);
void MoveChainItemDown(EffectChain& chain, int index);

// Frames start..end-1 of trackBuffer to the start of scratchBuffer.
void BackupRange(Project& project, uint32_t start, uint32_t end);
// Mixes the untouched copy in scratchBuffer with the processed frames in trackBuffer: from the
// untouched audio at the first frame, over ramps of up to 8417 frames, to blend/255 of the
// processed plus (255 - blend)/255 of the untouched, and back at the end.
void BlendRange(Project& project, uint32_t start, uint32_t end, int blend);
// Exchanges frames start..end-1 of trackBuffer with as many at the start of scratchBuffer.
void SwapRange(Project& project, uint32_t start, uint32_t end);

// Backs up, runs every item over start..end in chain order (progress(i) after item i, from 1)
// and blends. Returns the number of effects applied.
int ApplyChainToRange(Project& project, const EffectChain& chain, uint32_t start, uint32_t end,
                      EffectRandom& random, const std::function<void(int)>& progress = {});

}  // namespace jorv
