// Test support: waiting for something that another process does.
#ifndef PHOTOPAGES_APP_POLL_FOR_TEST_H_
#define PHOTOPAGES_APP_POLL_FOR_TEST_H_

#include <chrono>
#include <functional>
#include <thread>

namespace photopages {

// Polls `done` every 20 ms; false after `seconds`.
inline bool PollFor(const std::function<bool()>& done, double seconds = 10) {
  const auto deadline =
      std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
  while (!done()) {
    if (std::chrono::steady_clock::now() > deadline) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  return true;
}

}  // namespace photopages

#endif  // PHOTOPAGES_APP_POLL_FOR_TEST_H_
