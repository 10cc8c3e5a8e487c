// The main() of the GoogleTest programs: a copy started as a child process
// runs its role instead of the tests.
#include <gtest/gtest.h>

#include "support/child_process.h"

int main(int argc, char** argv) {
  if (const auto status = klotix::testing::runChildRoleIfAsked(argc, argv)) return *status;
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
