// Natively every test starts on a fresh simulated machine; the real platform has one machine.
#ifndef _WIN32
#include <gtest/gtest.h>

#include "winsim/sim.h"

namespace {

class ResetBeforeEachTest : public testing::EmptyTestEventListener {
    void OnTestStart(const testing::TestInfo&) override { winsim::Reset(); }
};

const bool installed = [] {
    testing::UnitTest::GetInstance()->listeners().Append(new ResetBeforeEachTest);
    return true;
}();

}  // namespace
#endif
