#include "records/random_source.h"

#include <bit>
#include <chrono>
#include <ctime>

#include "records/platform/system_files.h"

namespace klotix {

double TimeSeededRandom::next() {
  // 53 random bits give every double in [0, 1) on an even grid; unlike
  // std::generate_canonical this can never round up to 1.
  const std::uint64_t high = engine_() >> 5;  // 27 bits
  const std::uint64_t low = engine_() >> 6;   // 26 bits
  return static_cast<double>((high << 26) | low) / 9007199254740992.0;  // 2^53
}

void TimeSeededRandom::reseed(float seed) {
  std::seed_seq sequence{std::bit_cast<std::uint32_t>(seed)};
  engine_.seed(sequence);
}

float secondsSinceMidnight() {
  const auto now = std::chrono::system_clock::now();
  const std::time_t t = std::chrono::system_clock::to_time_t(now);
  const std::tm local = platform::localTime(t);
  const auto sinceEpoch = now.time_since_epoch();
  const double fraction =
      std::chrono::duration<double>(sinceEpoch - std::chrono::floor<std::chrono::seconds>(sinceEpoch)).count();
  return static_cast<float>(local.tm_hour * 3600 + local.tm_min * 60 + local.tm_sec + fraction);
}

}  // namespace klotix
