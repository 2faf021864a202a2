// Without a JACK server the devices do not open, and editing works all the same.
#include <gtest/gtest.h>

#include <cstdlib>

#include "core/TrackSwitching.h"
#include "devices/SystemDevices.h"
#include "devices/WaveEngine.h"
#include "tests/support/ProjectFixture.h"

namespace jorv::test {
namespace {

TEST(NoJackServer, OpenFailsWithTheOutputMessageAndTheBuffersStillWork) {
    ::setenv("JACK_DEFAULT_SERVER", "jorv-no-such-server", 1);
    ::setenv("JACK_NO_START_SERVER", "1", 1);
    ProjectFixture f(1);
    const auto device = MakeSystemWaveDevice("jack");
    WaveEngine engine(*device);
    ASSERT_TRUE(engine.openDevices(f.project, 2, f.ui));
    EXPECT_EQ(f.ui.textsWithCaption("Jorv Error"), std::vector<std::string>{"Error opening wave out device."});
    f.addTrack();
    SelectTrack(f.project, 0, f.ui);
    f.project.trackBuffer[5] = {7, 7};
    f.project.trackDirty = true;
    FlushTrack(f.project, f.ui);
    EXPECT_EQ(engine.startPlayback(f.project, 0, 100, f.ui), TransportStart::DeviceRefused);
    engine.stop(f.project, f.ui);
    engine.closeDevices(f.project, f.ui);
    EXPECT_EQ(f.ui.textsWithCaption("Jorv Error").back(), "Error preparing wave out for play.");
}

}  // namespace
}  // namespace jorv::test
