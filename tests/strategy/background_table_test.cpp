// The table built in the background is the table built in the foreground, whichever copy of the
// kernel builds it, and an owner that leaves early waits for its builder.

#include <gtest/gtest.h>

#include "strategy/background_table.h"

namespace {

using namespace yacht::strategy;

const FilledMask kBase = static_cast<FilledMask>(kAllFilled & ~(bitOf(1) | bitOf(6) | bitOf(13)));

TEST(BackgroundTable, OnceReadyItHoldsTheSameValuesAsABuildInTheForeground)
{
    BackgroundTable background(2, kBase);
    const ValueTable& built = background.wait();
    ASSERT_EQ(background.ready(), &built);
    EXPECT_GE(background.milliseconds(), 0.0);
    const ValueTable here = buildValueTable(1, kBase);
    for (int u : {0, 20, 62, 63})
        for (bool yacht : {false, true}) {
            const Position p{static_cast<FilledMask>(kBase | bitOf(13)), u, yacht};
            EXPECT_EQ(built.at(p), here.at(p));
        }
    EXPECT_EQ(built.at({kBase, 5, false}), here.at({kBase, 5, false}));

    // Every compiled copy of the kernel this processor runs gives the same values to the bit.
    for (const InstructionSet set : {InstructionSet::Avx512, InstructionSet::Avx2, InstructionSet::Plain})
        if (canRun(set)) {
            EXPECT_EQ(buildValueTable(1, kBase, set).values(), here.values()) << int(set);
        }
}

TEST(BackgroundTable, LeavingBeforeTheBuildEndsWaitsForIt)
{
    for (int i = 0; i < 3; ++i) BackgroundTable left(2, kBase);
    SUCCEED();
}

}  // namespace
