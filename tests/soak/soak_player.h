// The soak bot's hands: before each tick it presses a few keys, either at
// random or steering the piece towards a good place with some noise, so that
// games see wild play as well as many removed rows. It never presses P.
#pragma once

#include <cstdint>
#include <random>

#include "game/game_state.h"
#include "records/random_source.h"
#include "soak/soak_rules.h"

namespace klotix::soak {

struct KeyPress {
  std::int16_t key = 0;
  std::int16_t shift = 0;
};

class Player {
 public:
  // `skill` 0 presses keys at random; above 0 it is the chance that a key
  // follows the plan rather than chance. With `towers` the plan piles blocks
  // up at both walls, so that blocks reach the top row while rows are still
  // being removed below. Not copyable: it holds the engine.
  Player(std::mt19937_64& engine, double skill, bool towers)
      : engine_(engine), skill_(skill), towers_(towers) {}
  Player(const Player&) = delete;
  Player& operator=(const Player&) = delete;

  // Plans where the piece that just came into play should go.
  void pieceEntered(const GameState& s, const Settled& settled);

  // How many keys to press before the next tick.
  int keysBeforeTick();

  // The next key to press, for the game as it is now.
  KeyPress nextKey(const GameState& s);

  // From now on every piece is dropped at once, so the game ends soon.
  void hurry() { hurry_ = true; }

 private:
  KeyPress randomKey();
  KeyPress plannedKey(const GameState& s);
  bool chance(double p) { return std::uniform_real_distribution<double>(0.0, 1.0)(engine_) < p; }

  std::mt19937_64& engine_;
  double skill_ = 0.0;
  bool towers_ = false;
  bool hurry_ = false;
  int targetRot_ = 1;
  int targetX_ = kStartX;
  int turnsLeft_ = 0;   // turns still worth trying; a refused turn stays refused
  int shiftsLeft_ = 0;  // likewise for shifts
};

// The game's random source in a soak: the kinds come from a seeded engine,
// and the bot knows which kind the game will draw next.
class SoakRandom final : public RandomSource {
 public:
  explicit SoakRandom(std::uint64_t seed) : engine_(seed) { prepare(); }

  // Each kind owns a seventh of [0, 1); the number lies well inside it.
  double next() override;
  void reseed(float /*seed*/) override {}

  // The kind that the next number stands for.
  int upcoming() const { return upcoming_; }

 private:
  void prepare();

  std::mt19937_64 engine_;
  int upcoming_ = 1;
};

}  // namespace klotix::soak
