// The program's pseudo-random sequence, uniform in [0, 1). The main window
// reseeds it from the time of day each time it opens; the game takes one
// number per new piece. Tests inject a scripted sequence.
#pragma once

#include <cstdint>
#include <random>

namespace klotix {

class RandomSource {
 public:
  virtual ~RandomSource() = default;

  // The next number of the sequence, 0 <= u < 1.
  virtual double next() = 0;

  // Restarts the sequence from `seed`.
  virtual void reseed(float seed) = 0;
};

// The sequence the real program uses: a Mersenne Twister whose state is
// derived from the seed, so equal seeds give equal sequences.
class TimeSeededRandom final : public RandomSource {
 public:
  TimeSeededRandom() = default;
  double next() override;
  void reseed(float seed) override;

 private:
  std::mt19937 engine_{5489u};
};

// Seconds since midnight of the local time of day, as the seed of reseed().
float secondsSinceMidnight();

}  // namespace klotix
