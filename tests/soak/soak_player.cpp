#include "soak/soak_player.h"

#include <algorithm>
#include <array>
#include <cstdlib>

#include "game/game_logic.h"
#include "game/pieces.h"

namespace klotix::soak {
namespace {

// Keys the game ignores, some with a letter's or a control key's code.
constexpr std::array<std::int16_t, 8> kOtherKeys = {0, 13, 17, 32, 36, 65, 81, 112};

// What a cell of height at a wall is worth to a tower builder.
constexpr double kTowerWeight = 1.0;

// How good the settled blocks are after a lock: removed rows count for it,
// height, holes and an uneven surface against it; with `towers`, height at
// the walls counts for it.
double valueOf(const Lock& lock, bool towers) {
  std::array<int, kColumns + 1> height{};
  int holes = 0;
  for (int x = 1; x <= kColumns; ++x)
    for (int y = 1; y <= kRows; ++y)
      if (lock.after.at({x, y})) height[x] = y;
  for (int x = 1; x <= kColumns; ++x)
    for (int y = 1; y < height[x]; ++y)
      if (!lock.after.at({x, y})) ++holes;
  int total = 0;
  int bumps = 0;
  for (int x = 1; x <= kColumns; ++x) {
    total += height[x];
    if (x > 1) bumps += std::abs(height[x] - height[x - 1]);
  }
  const double value = 0.76 * lock.rowsRemoved - 0.51 * total - 0.36 * holes - 0.18 * bumps;
  return towers ? value + kTowerWeight * (height[1] + height[kColumns]) : value;
}

}  // namespace

void Player::pieceEntered(const GameState& s, const Settled& settled) {
  turnsLeft_ = 4;
  shiftsLeft_ = kColumns;
  if (s.fig < 1 || s.fig > kKinds) return;
  double best = 0.0;
  bool found = false;
  for (int state = 1; state <= rotationStates(s.fig); ++state)
    for (int posx = -2; posx <= kColumns; ++posx) {
      const Spots start = spotsOf(s.fig, state, posx, s.posy);
      if (!fits(settled, start)) continue;
      const double value = valueOf(lockPiece(settled, landing(settled, start), 0), towers_);
      // Equal values are settled by chance, so equal boards still vary.
      if (!found || value > best || (value == best && chance(0.5))) {
        best = value;
        targetRot_ = state;
        targetX_ = posx;
        found = true;
      }
    }
}

int Player::keysBeforeTick() { return hurry_ ? 1 : std::uniform_int_distribution<int>(0, 3)(engine_); }

KeyPress Player::nextKey(const GameState& s) {
  if (hurry_) return {kKeyDown, 0};
  return s.fig != kNoPiece && chance(skill_) ? plannedKey(s) : randomKey();
}

KeyPress Player::randomKey() {
  // Left 30, Right 30, Up 25, Down 5, another key 10.
  const int pick = std::uniform_int_distribution<int>(0, 99)(engine_);
  const auto shift = static_cast<std::int16_t>(std::uniform_int_distribution<int>(0, 7)(engine_));
  if (pick < 30) return {kKeyLeft, shift};
  if (pick < 60) return {kKeyRight, shift};
  if (pick < 85) return {kKeyUp, shift};
  if (pick < 90) return {kKeyDown, shift};
  const auto other = std::uniform_int_distribution<std::size_t>(0, kOtherKeys.size() - 1)(engine_);
  return {kOtherKeys[other], shift};
}

KeyPress Player::plannedKey(const GameState& s) {
  if (s.rot != targetRot_ && turnsLeft_ > 0) {
    --turnsLeft_;
    return {kKeyUp, 0};
  }
  if (s.posx != targetX_ && shiftsLeft_ > 0) {
    --shiftsLeft_;
    return {s.posx < targetX_ ? kKeyRight : kKeyLeft, 0};
  }
  // In place: mostly drop, sometimes let it fall (and slide under ledges).
  if (chance(0.7)) return {kKeyDown, 0};
  return {0, 0};
}

double SoakRandom::next() {
  const double within = std::uniform_real_distribution<double>(0.02, 0.98)(engine_);
  const double number = (upcoming_ - 1 + within) / kKinds;
  prepare();
  return number;
}

void SoakRandom::prepare() { upcoming_ = std::uniform_int_distribution<int>(1, kKinds)(engine_); }

}  // namespace klotix::soak
