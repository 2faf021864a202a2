#include "core/TrackBuffers.h"

#include <gtest/gtest.h>

#include <vector>

#include "tests/support/RecordingUiServices.h"

namespace jorv::test {
namespace {

TEST(TrackBuffers, CreatedAtTheProjectSizeDiscardingUnsavedChanges) {
    RecordingUiServices ui;
    Project project;
    project.trackDirty = true;
    std::vector<std::size_t> asked;
    const auto recordSize = [&](std::size_t frames) {
        asked.push_back(frames);
        return AllocateFrames(frames);
    };
    ASSERT_TRUE(CreateTrackBuffers(project, 2, ui, recordSize));
    EXPECT_EQ(project.framesPerTrack, 524288u);
    EXPECT_EQ(asked, (std::vector<std::size_t>{524288, 524288, 524288}));  // each buffer holds every frame
    EXPECT_TRUE(project.trackBuffer && project.scratchBuffer && project.backingMix);
    EXPECT_FALSE(project.trackDirty);

    ASSERT_TRUE(CreateTrackBuffers(project, 4, ui));
    EXPECT_EQ(project.framesPerTrack, 1048576u);
    EXPECT_TRUE(ui.messages.empty());
}

TEST(TrackBuffers, FailureToObtainMemoryOrANonsenseSizeLeavesNoBuffersAndNoProject) {
    RecordingUiServices ui;
    Project project;
    project.projectLoaded = true;
    ASSERT_TRUE(CreateTrackBuffers(project, 2, ui));
    int calls = 0;
    const auto failSecond = [&](std::size_t frames) { return ++calls == 2 ? nullptr : AllocateFrames(frames); };
    EXPECT_FALSE(CreateTrackBuffers(project, 4, ui, failSecond));
    EXPECT_FALSE(project.buffersReady());
    EXPECT_FALSE(project.trackBuffer || project.scratchBuffer || project.backingMix);
    EXPECT_FALSE(project.projectLoaded);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].caption, "Jorv Error");
    EXPECT_EQ(ui.messages[0].text, "Not enough memory for the track buffers.  Choose less memory per track.");
    // Nonsense sizes are refused like missing memory.
    for (const int mb : {0, -4, 1 << 20}) EXPECT_FALSE(CreateTrackBuffers(project, mb, ui)) << mb;
    EXPECT_EQ(ui.messages.size(), 4u);
}

}  // namespace
}  // namespace jorv::test
