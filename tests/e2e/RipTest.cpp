// The rip on real ports: jorv-cli rip plays a wave file through the media player into Jorv's
// JACK inputs while it records, and the track holds the file's audio.
#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

#include "cli/RunCli.h"
#include "core/ProjectFile.h"
#include "core/SilentUiServices.h"
#include "core/WaveFile.h"
#include "tests/support/ProjectFixture.h"
#include "tests/support/WaveBytes.h"

namespace jorv::test {
namespace {

TEST(RipOnJack, TheMediaFileLandsInTheTrackNearTheSelectionStart) {
    ProjectFixture f{1};
    f.project.projectPath = f.folder.file("rip.jor");
    StoreField(f.project.block.header.name, "rip");
    f.project.block.header.memPerTrackMB = 2;
    f.addTrack();
    SaveProject(f.project, f.ui);
    // A rising tone that never repeats, so that where it landed is plain.
    std::vector<Frame> media(44100);
    for (std::size_t k = 0; k < media.size(); ++k) {
        const auto sample = static_cast<int16_t>(12000 * std::sin(0.02 * k + 2e-6 * k * k));
        media[k] = {sample, int16_t(-sample)};
    }
    const std::string file = f.folder.file("media file.wav");  // a space, as paths have
    WriteFileBytes(file, CanonicalWave(media));

    std::ostringstream out, err;
    ASSERT_EQ(cli::RunCli({"rip", file, f.project.projectPath, "0", "10000", "120000", "--api", "jack"}, out, err), 0)
        << err.str();
    std::vector<Frame> track(524288);
    SilentUiServices quiet;
    // Opening the project names its track files after it.
    ASSERT_EQ(LoadWave(f.folder.file("rip-Track 1.wav"), track.data(), 524288, quiet), 0);
    std::size_t start = 0;
    while (start < track.size() && std::abs(track[start].left) < 200) ++start;
    ASSERT_LT(start, track.size()) << "nothing was recorded";
    // The player starts within a few periods of the selection start.
    EXPECT_GE(start, 10000u);
    EXPECT_LT(start, 10000u + 8 * 2048);
    // From where it starts, the take is the file at the track's gains (254/256 at full volume
    // and centre pan), sample for sample up to the player's float round trip: the best alignment
    // of a stretch of the file near where it should be leaves next to no difference. A loaded
    // machine may drop a period anywhere, so any one of three stretches may show it.
    const auto scaled = [](int16_t sample) { return (sample * 254) >> 8; };
    const auto firstLoud = std::distance(media.begin(), std::find_if(media.begin(), media.end(), [](const Frame& m) {
                                             return std::abs(m.left) >= 200;
                                         }));
    const auto bestDifference = [&](std::size_t from) {
        int worst = INT32_MAX;
        for (std::ptrdiff_t shift = -2048; shift <= 2048; ++shift) {
            const std::ptrdiff_t offset = std::ptrdiff_t(start) - firstLoud + shift;
            if (offset + std::ptrdiff_t(from) < 0) continue;
            int here = 0;
            for (std::size_t k = from; k < from + 4096 && here < worst; ++k) {
                const Frame& got = track[std::size_t(offset + std::ptrdiff_t(k))];
                here = std::max({here, std::abs(got.left - scaled(media[k].left)), std::abs(got.right - scaled(media[k].right))});
            }
            worst = std::min(worst, here);
        }
        return worst;
    };
    EXPECT_LE(std::min({bestDifference(1000), bestDifference(15000), bestDifference(30000)}), 2);
    // All of it is there: the whole take is checked by its length.
    const auto loud = std::count_if(track.begin() + std::ptrdiff_t(start), track.end(),
                                    [](const Frame& t) { return std::abs(t.left) >= 200; });
    const auto mediaLoud =
        std::count_if(media.begin(), media.end(), [](const Frame& m) { return std::abs(m.left) >= 200; });
    EXPECT_NEAR(double(loud), double(mediaLoud), 0.05 * mediaLoud);
}

}  // namespace
}  // namespace jorv::test
