#pragma once

#include <cstddef>
#include <cstdint>

// The persistent records, laid out byte for byte as the project and drum-pattern files store them.
namespace jorv {

constexpr int MaxTracks = 16;

struct ProjectHeader {
    char16_t formatVersion[4];
    char16_t name[16];
    int32_t memPerTrackMB;
    uint16_t trackCount;
    uint8_t reserved[210];
};

struct Track {
    char16_t title[16];
    char16_t waveFile[128];
    uint16_t volume;
    uint16_t pan;
    uint16_t mute;
    uint8_t reserved[218];
};

constexpr int DrumSteps = 32;
constexpr int DrumInstrumentCount = 61;
constexpr int DrumPatternCount = 10;

struct DrumPattern {
    int16_t length;
    uint8_t steps[DrumSteps * DrumInstrumentCount];
    uint8_t reserved[32];
    int16_t msPerBeat;
};

struct DrumBlock {
    char16_t drumVersion[4];
    DrumPattern patterns[DrumPatternCount];
    char16_t songPattern[128];
};

struct ProjectBlock {
    ProjectHeader header;
    Track tracks[MaxTracks];
    DrumBlock drumBlock;
};

static_assert(sizeof(ProjectHeader) == 256);
static_assert(offsetof(ProjectHeader, name) == 8);
static_assert(offsetof(ProjectHeader, memPerTrackMB) == 40);
static_assert(offsetof(ProjectHeader, trackCount) == 44);
static_assert(offsetof(ProjectHeader, reserved) == 46);

static_assert(sizeof(Track) == 512);
static_assert(offsetof(Track, waveFile) == 32);
static_assert(offsetof(Track, volume) == 288);
static_assert(offsetof(Track, pan) == 290);
static_assert(offsetof(Track, mute) == 292);
static_assert(offsetof(Track, reserved) == 294);

static_assert(sizeof(DrumPattern) == 1988);
static_assert(offsetof(DrumPattern, steps) == 2);
static_assert(offsetof(DrumPattern, reserved) == 1954);
static_assert(offsetof(DrumPattern, msPerBeat) == 1986);

static_assert(sizeof(DrumBlock) == 20144);
static_assert(offsetof(DrumBlock, patterns) == 8);
static_assert(offsetof(DrumBlock, songPattern) == 19888);

static_assert(sizeof(ProjectBlock) == 28592);
static_assert(offsetof(ProjectBlock, tracks) == 256);
static_assert(offsetof(ProjectBlock, drumBlock) == 8448);

}  // namespace jorv
