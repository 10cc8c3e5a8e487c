// Captures what the code under test prints on standard error. Unlike a bare
// CaptureStderr(), a failed ASSERT inside the capture cannot leave it
// running, which would abort the next capture and the whole test program.
#pragma once

#include <gtest/gtest.h>

#include <string>

namespace klotix::testing {

class StderrCapture {
 public:
  StderrCapture() { ::testing::internal::CaptureStderr(); }
  ~StderrCapture() {
    if (!taken_) ::testing::internal::GetCapturedStderr();
  }
  StderrCapture(const StderrCapture&) = delete;
  StderrCapture& operator=(const StderrCapture&) = delete;

  // What was printed since the capture began; ends the capture.
  std::string text() {
    taken_ = true;
    return ::testing::internal::GetCapturedStderr();
  }

 private:
  bool taken_ = false;
};

}  // namespace klotix::testing
