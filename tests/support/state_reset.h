#pragma once
// Puts every subsystem's shared state back to program start, for a test fixture.
#include <gtest/gtest.h>

namespace vorda::testing {

void ResetAllState();

// A fixture that starts every test from a fresh program state.
class FreshState : public ::testing::Test {
 protected:
  void SetUp() override { ResetAllState(); }
  void TearDown() override { ResetAllState(); }
};

}  // namespace vorda::testing
