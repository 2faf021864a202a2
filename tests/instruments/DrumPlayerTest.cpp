#include "instruments/DrumPlayer.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/mman.h>
#include <ucontext.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <thread>

#include "instruments/DrumBlockSetup.h"
#include "instruments/DrumEditor.h"
#include "tests/support/ManualTickTimer.h"

namespace jorv::test {
namespace {

// Remembers each message with the tick that sent it.
struct RecordingMidiOutput final : MidiOutput {
    void startSong() override { ++songs; }
    void send(uint32_t message, uint32_t songMs) override { sent.push_back({message, songMs, timer->ticks}); }
    struct Sent {
        uint32_t message, songMs;
        int tick;
        bool operator==(const Sent&) const = default;
    };
    std::vector<Sent> sent;
    int songs = 0;
    const ManualTickTimer* timer = nullptr;
};

struct DrumPlayerTest : ::testing::Test {
    DrumPlayerTest() {
        InitialiseDrumBlock(drums);
        drums.patterns[0].length = 4;
        for (int s = 0; s < 4; ++s) drums.patterns[0].steps[s * DrumInstrumentCount + 8] = 100;
        StoreSongPattern(drums, u"0");
        output.timer = &timer;
        player.open(65536, output, timer);
    }
    DrumBlock drums{};
    ManualTickTimer timer;
    RecordingMidiOutput output;
    DrumPlayer player;
};

TEST_F(DrumPlayerTest, AnEventDueAtTIsSentOnTickTOver10PlusOneAndTheSongEndsWithItsLastEvent) {
    player.build(drums);
    player.start();
    EXPECT_TRUE(player.running());
    timer.advance(40);
    const uint32_t hit = 0x99 | 35 << 8 | 100 << 16;
    EXPECT_EQ(output.sent, (std::vector<RecordingMidiOutput::Sent>{{hit, 0, 1}, {hit, 100, 11}, {hit, 200, 21},
                                                                    {hit, 300, 31}}));
    EXPECT_FALSE(player.running());
    EXPECT_EQ(timer.ticks, 32);  // the tick after the last event ends the timer
    EXPECT_EQ(output.songs, 1);
}

TEST_F(DrumPlayerTest, StopEndsTheSendingAtOnceAndTheTimerAtItsNextTick) {
    player.build(drums);
    player.start();
    timer.advance(15);
    player.stop();
    EXPECT_EQ(timer.advance(5), 1);
    EXPECT_EQ(output.sent.size(), 2u);
}

TEST_F(DrumPlayerTest, ANewSongWaitsForTheLastTimerSoItsListIsNotEmptiedUnderIt) {
    player.build(drums);
    player.start();
    timer.advance(31);  // finished: one more tick would empty the list
    EXPECT_FALSE(player.running());
    player.build(drums);
    EXPECT_FALSE(timer.alive());
    EXPECT_EQ(player.events().events(), 4);
    player.start();
    timer.advance(40);
    EXPECT_EQ(output.sent.size(), 8u);
    EXPECT_EQ(timer.starts, 2);
}

TEST_F(DrumPlayerTest, AnEmptySongEndsOnTheFirstTickAndAClosedPlayerStartsNothing) {
    StoreSongPattern(drums, u"");
    player.build(drums);
    player.start();
    EXPECT_EQ(timer.advance(5), 2);
    EXPECT_TRUE(output.sent.empty());
    player.close();
    player.build(drums);
    player.start();
    EXPECT_FALSE(player.running());
    EXPECT_EQ(timer.starts, 1);
}

// stop() runs with a tick of its own thread in the middle of its send loop, and that tick is let
// go on between stop()'s two stores: the worst moment. The player lives alone on a page that
// is made read-only, so stop()'s first store faults; the fault handler opens the page and
// single-steps the store (the x86 trap flag), and the trap handler, with the first store done
// and the second not yet, lets the tick finish. Cleared first, the event count ends the tick's
// loop there; cleared second, the tick sends the rest of its due notes after stop() began.
namespace worst_moment {
std::atomic<bool> release{false};
std::atomic<int> ticksReturned{0};
std::atomic<bool> tickRanBetweenTheStores{false};
char* page = nullptr;
long pageSize = 0;

bool WaitFor(const std::atomic<bool>& flag, bool value) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (flag.load() != value)
        if (std::chrono::steady_clock::now() > deadline) return false;
    return true;
}

void OnFault(int, siginfo_t* info, void* context) {
    char* const at = static_cast<char*>(info->si_addr);
    if (at < page || at >= page + pageSize) {
        ::signal(SIGSEGV, SIG_DFL);
        return;
    }
    ::mprotect(page, pageSize, PROT_READ | PROT_WRITE);
    static_cast<ucontext_t*>(context)->uc_mcontext.gregs[REG_EFL] |= 0x100;
}

void OnStep(int, siginfo_t*, void* context) {
    static_cast<ucontext_t*>(context)->uc_mcontext.gregs[REG_EFL] &= ~0x100;
    release = true;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (ticksReturned.load() == 0 && std::chrono::steady_clock::now() < deadline) {
    }
    tickRanBetweenTheStores = ticksReturned.load() > 0;
}

// Ticks back to back on a thread of its own.
struct ThreadTimer final : TickTimer {
    void start(std::function<bool()> tick) override {
        thread = std::thread([tick] {
            for (bool more = true; more;) {
                more = tick();
                ++ticksReturned;
            }
        });
    }
    void join() override {
        if (thread.joinable()) thread.join();
    }
    // A test that failed early still lets its held tick go before the thread is gone.
    ~ThreadTimer() override {
        release = true;
        join();
    }
    std::thread thread;
};

// Holds the first message until the test lets it go.
struct HoldingOutput final : MidiOutput {
    void send(uint32_t, uint32_t) override {
        if (sent++ == 0) {
            holding = true;
            WaitFor(release, true);
        }
    }
    std::atomic<int> sent{0};
    std::atomic<bool> holding{false};
};
}  // namespace worst_moment

TEST(DrumPlayerStop, ATickInItsSendLoopSendsNothingMoreOnceStopHasBegun) {
    using namespace worst_moment;
    DrumBlock drums{};
    InitialiseDrumBlock(drums);
    drums.patterns[0].length = 1;
    for (const int instrument : {8, 9, 10}) drums.patterns[0].steps[instrument] = 100;  // three notes due at 0 ms
    StoreSongPattern(drums, u"0");

    pageSize = ::sysconf(_SC_PAGESIZE);
    ASSERT_LE(sizeof(DrumPlayer), std::size_t(pageSize));
    void* memory = ::mmap(nullptr, pageSize, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    ASSERT_NE(memory, MAP_FAILED);
    page = static_cast<char*>(memory);
    release = false;
    ticksReturned = 0;
    tickRanBetweenTheStores = false;
    HoldingOutput output;
    ThreadTimer timer;  // gone before the output its tick sends to
    auto* player = new (memory) DrumPlayer;
    player->open(64, output, timer);
    player->build(drums);
    ASSERT_EQ(player->events().events(), 3);
    player->start();
    ASSERT_TRUE(WaitFor(output.holding, true));

    struct sigaction fault {}, step {}, oldFault {}, oldStep {};
    fault.sa_sigaction = OnFault;
    fault.sa_flags = SA_SIGINFO;
    step.sa_sigaction = OnStep;
    step.sa_flags = SA_SIGINFO;
    ::sigaction(SIGSEGV, &fault, &oldFault);
    ::sigaction(SIGTRAP, &step, &oldStep);
    ::mprotect(page, pageSize, PROT_READ);
    player->stop();
    ::mprotect(page, pageSize, PROT_READ | PROT_WRITE);
    ::sigaction(SIGSEGV, &oldFault, nullptr);
    ::sigaction(SIGTRAP, &oldStep, nullptr);
    release = true;  // should the stores never have faulted

    EXPECT_TRUE(tickRanBetweenTheStores.load());
    player->~DrumPlayer();
    ::munmap(memory, pageSize);
    EXPECT_EQ(output.sent.load(), 1);
}

}  // namespace
}  // namespace jorv::test
