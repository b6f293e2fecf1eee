#include "runtime/generator.h"

#include <gtest/gtest.h>

#include <set>

namespace vellumark {
namespace {

TEST(ReseedAndDraw, MatchesTheClassicRuntimeCheckValue) {
    EXPECT_EQ(ReseedAndDraw(-1.0f), 3758214.0f / 16777216.0f);
}

TEST(ReseedAndDraw, DependsOnTheSeedAlone) {
    const float first = ReseedAndDraw(-408153.0f);
    ProcessGenerator().NextValue();
    EXPECT_EQ(ReseedAndDraw(-408153.0f), first);
    EXPECT_NE(ReseedAndDraw(-408154.0f), first);
}

TEST(ReseedAndDraw, LeavesTheProcessSequenceAlone) {
    RandomGenerator a;
    RandomGenerator b;
    a.NextValue();
    b.NextValue();
    ReseedAndDraw(-12345.0f);
    EXPECT_EQ(a.NextValue(), b.NextValue());
    const std::uint32_t state = ProcessGenerator().state();
    ReseedAndDraw(-777.0f);
    EXPECT_EQ(ProcessGenerator().state(), state);
}

TEST(ReseedAndDraw, StaysWithinZeroAndOneForEveryCodeAndSeed) {
    for (int magnitude = 1; magnitude <= 999999; ++magnitude) {
        const float r = ReseedAndDraw(-static_cast<float>(magnitude));
        ASSERT_GE(r, 0.0f);
        ASSERT_LT(r, 1.0f);
    }
    for (float seed = -0.5f; seed > -32000.0f; seed *= 1.37f) {
        const float r = ReseedAndDraw(seed);
        ASSERT_GE(r, 0.0f);
        ASSERT_LT(r, 1.0f);
    }
}

TEST(ReseedAndDraw, ZeroSeedsGiveZero) {
    EXPECT_EQ(ReseedAndDraw(0.0f), 0.0f);
    EXPECT_EQ(ReseedAndDraw(-0.0f), 0.0f);
}

TEST(RandomGenerator, StartsFromTheClassicStateAndSteps) {
    RandomGenerator generator;
    EXPECT_EQ(generator.state(), 0x050000u);
    const float first = generator.NextValue();
    EXPECT_EQ(generator.state(), (0x050000u * 0x43FD43FDu + 0xC39EC3u) & 0xFFFFFFu);
    EXPECT_EQ(first, static_cast<float>(generator.state()) / 16777216.0f);
}

TEST(RandomGenerator, SeedReplacesTheMiddleBitsFromTheTimer) {
    RandomGenerator generator;
    generator.Seed(1.0f);
    // 1.0 as a double is 0x3FF00000_00000000: 0x0000 ^ 0x3FF0 goes into bits 8..23.
    EXPECT_EQ(generator.state(), 0x3FF000u);
}

TEST(RandomGenerator, DifferentTimersGiveDifferentSequences) {
    std::set<float> firsts;
    for (const float timer : {100.25f, 3600.0f, 43200.5f, 86399.9f}) {
        RandomGenerator generator;
        generator.Seed(timer);
        firsts.insert(generator.NextValue());
    }
    EXPECT_EQ(firsts.size(), 4u);
}

TEST(SecondsSinceMidnight, IsATimeOfDay) {
    const float seconds = SecondsSinceMidnight();
    EXPECT_GE(seconds, 0.0f);
    EXPECT_LT(seconds, 86401.0f);
}

}  // namespace
}  // namespace vellumark
