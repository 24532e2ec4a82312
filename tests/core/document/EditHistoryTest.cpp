// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/document/EditHistory.h"

#include <gtest/gtest.h>

using namespace vantrel;

namespace {

// Any number serves as a step's name here; the history only hands it back.
UiString name(int number) {
    return static_cast<UiString>(number);
}

void step(EditHistory& history, int label, int index, const std::string& before,
          const std::string& after) {
    history.begin(name(label), {});
    history.record(index, before, after);
    history.end();
}

} // namespace

TEST(EditHistory, AStepThatEndsWhereItBeganLeavesNothingToUndo) {
    EditHistory history;
    history.begin(name(1), {});
    history.record(0, "00", "11");
    history.record(0, "11", "00");
    history.end();
    EXPECT_FALSE(history.canUndo());
}

TEST(EditHistory, AfterUndoTheNextEditIsAStepOfItsOwnAndClearsRedo) {
    EditHistory history;
    history.begin(name(1), "cell 0");
    history.record(0, "00", "11");
    history.end();
    step(history, 2, 1, "00", "22");
    ASSERT_NE(history.takeUndo(), nullptr);
    ASSERT_TRUE(history.canRedo());
    // The same merge key as the step still done: yet a new step.
    history.begin(name(3), "cell 0");
    history.record(0, "11", "33");
    history.end();
    EXPECT_FALSE(history.canRedo());
    EXPECT_EQ(history.undoLabel(), name(3));
    ASSERT_NE(history.takeUndo(), nullptr);
    EXPECT_EQ(history.undoLabel(), name(1));
}

TEST(EditHistory, TheOldestStepsGoWhenTheBudgetIsReached) {
    EditHistory history(64 * 1024);
    for (int i = 0; i < 10000; ++i)
        step(history, i, i % 50, "00", "FF");
    EXPECT_LE(history.memoryBytes(), 64u * 1024);
    int kept = 0;
    int label = 10000;
    while (history.canUndo()) {
        EXPECT_EQ(history.undoLabel(), name(--label));
        history.takeUndo();
        ++kept;
    }
    EXPECT_GT(kept, 10);
    EXPECT_LT(kept, 10000);
}
