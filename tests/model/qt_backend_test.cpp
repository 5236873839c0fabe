#include <gtest/gtest.h>

#include "tests/model/qt_subject.h"

namespace {

using model::Event;

// A program that ended while no event loop ran (its last window closed from a test, or its
// start-up failed) must not leave a quit request behind for the next modal box to trip on.
TEST(QtBackend, AProgramEndedOutsideTheEventLoopLeavesTheNextExitBoxAsking) {
    Event closeMain;
    closeMain.kind = Event::Kind::CloseFromFrame;
    {
        model::QtSubject first;
        first.send(closeMain);
        ASSERT_TRUE(first.observe().ended);
    }
    model::QtSubject second;
    Event esciOk;
    esciOk.control = "Command8";
    esciOk.answered = true;
    esciOk.answer = 1;
    second.send(esciOk);
    const model::Observation seen = second.observe();
    EXPECT_EQ(seen.exitBoxesNotAsked, 0U);
    EXPECT_FALSE(seen.form1Loaded);
    EXPECT_TRUE(seen.ended);
    EXPECT_EQ(seen.exitCode, 0);
}

}  // namespace
