// Tick timers in real and virtual time, random numbers, the instance lock.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <map>
#include <string>
#include <vector>

#include "platform/platform.h"

TEST(Timers, VirtualTimeMovesOnlyWhenAsked) {
    UseVirtualTime(1);
    TTimer timer = CreateTickTimer(40);
    ASSERT_NE(timer, 0);
    int64_t start = Millisecs();
    EXPECT_EQ(Ticks(timer), 0);
    EXPECT_EQ(Millisecs(), start);
    EXPECT_EQ(Wait(timer), 1);
    EXPECT_EQ(Ticks(timer), 1);
    EXPECT_EQ(Millisecs() - start, 25);
    for (int i = 0; i < 39; i++) EXPECT_EQ(Wait(timer), 1);
    EXPECT_EQ(Ticks(timer), 40);
    EXPECT_EQ(Millisecs() - start, 1000);
    // Time passing elsewhere: the next wait returns at once with every tick.
    AdvanceVirtualTime(110);
    EXPECT_EQ(Ticks(timer), 44);
    EXPECT_EQ(Wait(timer), 4);
    EXPECT_EQ(Millisecs() - start, 1110);
    EXPECT_EQ(Wait(timer), 1);
    EXPECT_EQ(Millisecs() - start, 1125);
    // A slower timer created later counts from its own start.
    TTimer seconds = CreateTickTimer(1);
    EXPECT_EQ(Wait(seconds), 1);
    EXPECT_EQ(Millisecs() - start, 2125);
    EXPECT_EQ(Ticks(timer), 85);
    UseVirtualTime(0);
    EXPECT_GE(Millisecs() - start, 2125);   // the clock never runs back
    // Timers that cannot be made or do not exist do nothing.
    EXPECT_EQ(CreateTickTimer(0), 0);
    EXPECT_EQ(Ticks(0), 0);
    EXPECT_EQ(Wait(0), 0);
    EXPECT_EQ(Wait(9999), 0);
}

TEST(Timers, RealWaitsLastUntilTheNextTick) {
    TTimer timer = CreateTickTimer(200);
    int total = 0;
    for (int i = 0; i < 5; i++) {
        int passed = Wait(timer);
        EXPECT_GE(passed, 1);
        total += passed;
    }
    // Every wait returned only after a tick: the clock shows at least that many.
    EXPECT_GE(Ticks(timer), 5);
    EXPECT_LE(total, Ticks(timer));   // waits report exactly the ticks that passed
}

// Bounds in either order are inclusive, and a seed repeats its sequence.
TEST(Chance, BoundsAreInclusiveAndSeedsRepeatSequences) {
    SeedRandom(12345);
    std::map<int, int> seen;
    for (int i = 0; i < 6000; i++) {
        for (int v : {RandomInt(1, 6), RandomInt(6, 1)}) {
            ASSERT_GE(v, 1);
            ASSERT_LE(v, 6);
            seen[v]++;
        }
    }
    ASSERT_EQ(seen.size(), 6u);
    for (auto& [value, count] : seen) {
        EXPECT_GT(count, 1700) << value;   // 2000 expected for each
        EXPECT_LT(count, 2300) << value;
    }
    EXPECT_EQ(RandomInt(7, 7), 7);
    auto sequence = [](int seed) {
        SeedRandom(seed);
        std::vector<int> values;
        for (int i = 0; i < 50; i++) values.push_back(RandomInt(0, 1000000));
        return values;
    };
    const std::vector<int> first = sequence(77);
    EXPECT_NE(first, sequence(78));
    EXPECT_EQ(first, sequence(77));
}

TEST(InstanceLock, SecondProcessIsRefused) {
    std::string name = "gld-test-lock-" + std::to_string(static_cast<long>(getpid()));
    // Run in a child process so the lock really is another process's.
    auto childAcquires = [&name]() {
        pid_t child = fork();
        if (child == 0) {
            // Forget the copy of the parent's lock state; the parent's open
            // descriptor keeps its lock.
            ReleaseInstanceLock();
            _exit(AcquireInstanceLock(name) ? 1 : 0);
        }
        int status = 0;
        waitpid(child, &status, 0);
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    };
    EXPECT_EQ(childAcquires(), 1);   // nobody holds it yet
    ASSERT_EQ(AcquireInstanceLock(name), 1);
    EXPECT_EQ(AcquireInstanceLock(name), 1);   // held by this process already
    EXPECT_EQ(childAcquires(), 0);
    ReleaseInstanceLock();
    EXPECT_EQ(childAcquires(), 1);
}
