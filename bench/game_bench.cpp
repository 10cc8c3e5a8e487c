// Timings of the game's handlers on lean stand-ins for the window's grids,
// timer and dialogs, so that only the game logic is measured.
//
// Every handler changes the state it works on, so each iteration first puts
// back the position it starts from. Where the handler changes a field or two
// (a move tick, a shift, a turn) they are set back directly, which costs a
// store. Where it changes the board (a lock, a row removal, a drop) the whole
// prepared GameState is copied back; BM_StateCopy measures that copy alone,
// to be subtracted from those three results.
#include <benchmark/benchmark.h>

#include <array>
#include <string>

#include "fakes/place_piece.h"
#include "game/game_logic.h"
#include "game/pieces.h"

namespace klotix {
namespace {

// A grid that only stores colours: nothing grows while a benchmark runs.
class LeanGrid final : public CellGrid {
 public:
  int count() const override { return kPlayfieldCells; }
  void setFillColor(int index, Color color) override { colors_[static_cast<std::size_t>(index)] = color; }
  Color fillColor(int index) const override { return colors_[static_cast<std::size_t>(index)]; }

 private:
  std::array<Color, kPlayfieldCells> colors_{};
};

class LeanLabel final : public TextLabel {
 public:
  void setText(const std::string& text) override { text_ = text; }
  std::string text() const override { return text_; }

 private:
  std::string text_;
};

class LeanTimer final : public Timer {
 public:
  void setInterval(int milliseconds) override { interval_ = milliseconds; }
  int interval() const override { return interval_; }
  void setEnabled(bool enabled) override { enabled_ = enabled; }
  bool enabled() const override { return enabled_; }

 private:
  int interval_ = 0;
  bool enabled_ = true;
};

// No benchmark reaches a box or the end of a game.
class NoDialogs final : public Dialogs {
 public:
  int messageBox(const BoxText&, const std::string&, int, const BoxText&) override { return id::kOk; }
  std::string inputBox(const std::string&, const std::string&, const std::string&, int) override { return {}; }
};

class NoHost final : public GameHost {
 public:
  void beep() override {}
  void holdInput(int) override {}
  void openMainWindow() override {}
  void closeGameWindow() override {}
};

// Walks through [0, 1) in steps that visit every kind.
class StepRandom final : public RandomSource {
 public:
  double next() override {
    u_ += 0.3711;
    if (u_ >= 1.0) u_ -= 1.0;
    return u_;
  }
  void reseed(float) override { u_ = 0.0; }

 private:
  double u_ = 0.0;
};

// A loaded game with its first piece brought in, and helpers to set up the
// position a benchmark starts from.
class Bench {
 public:
  Bench() {
    module_.speed = kSpeedMedium;
    module_.level = 2;
    logic.Form_Load();
    logic.Timer1_Timer();
  }

  // Makes `kind` in `state` the falling piece with its box at (posx, posy).
  void place(int kind, int state, int posx, int posy) {
    testing::placePiece(logic.state(), kind, state, posx, posy);
  }

  void fillRows(int from, int to) {
    for (int y = from; y <= to; ++y)
      for (int x = 1; x <= kColumns; ++x) logic.state().board(x, y) = kSet;
  }

  LeanGrid field, preview;
  LeanLabel label;
  LeanTimer timer;
  NoDialogs dialogs;
  NoHost host;
  Klotix_Module module_;
  StepRandom random;
  GameLogic logic{GameParts{field, preview, label, timer, dialogs, host, module_, random}};
};

// Times `call` from the same position every iteration: the prepared state
// is copied back first, which BM_StateCopy measures alone.
template <typename Call>
void runFromPrepared(benchmark::State& st, Bench& b, Call call) {
  const GameState prepared = b.logic.state();
  for (auto _ : st) {
    b.logic.state() = prepared;
    call();
  }
}

// Setting the prepared state back, as the lock, row and drop benchmarks do
// in each iteration.
void BM_StateCopy(benchmark::State& st) {
  Bench b;
  b.fillRows(1, 4);
  const GameState prepared = b.logic.state();
  for (auto _ : st) {
    b.logic.state() = prepared;
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_StateCopy);

// One ordinary fall step of a piece in mid-air: erase the vacated cells,
// lower, draw.
void BM_MoveTick(benchmark::State& st) {
  Bench b;
  b.place(3, 1, 4, 20);
  for (auto _ : st) {
    b.logic.state().posy = 20;
    b.logic.Timer1_Timer();
  }
}
BENCHMARK(BM_MoveTick);

// A bar resting on row 1 locks; Ner finds no full row; Nyfig brings in and
// draws the next piece. Includes one state copy.
void BM_LockTick(benchmark::State& st) {
  Bench b;
  b.place(2, 1, 4, 2);
  runFromPrepared(st, b, [&] { b.logic.Timer1_Timer(); });
}
BENCHMARK(BM_LockTick);

// Ner with rows 1 to 4 full: four removals, each moving up to 24 rows.
// Includes one state copy.
void BM_NerFourRows(benchmark::State& st) {
  Bench b;
  b.fillRows(1, 4);
  runFromPrepared(st, b, [&] { b.logic.Ner(); });
}
BENCHMARK(BM_NerFourRows);

void BM_Shift(benchmark::State& st) {
  Bench b;
  b.place(3, 1, 4, 20);
  for (auto _ : st) {
    b.logic.state().posx = 4;
    b.logic.Form_KeyDown(kKeyLeft, 0);
  }
}
BENCHMARK(BM_Shift);

// The bar turns upright and flat again on alternate iterations; both are
// real turns, so nothing needs setting back.
void BM_Turn(benchmark::State& st) {
  Bench b;
  b.place(2, 1, 4, 20);
  for (auto _ : st) b.logic.Form_KeyDown(kKeyUp, 0);
}
BENCHMARK(BM_Turn);

// The flat bar dropped from row 24 to the floor of an empty playfield.
// Includes one state copy.
void BM_DropFromTheTop(benchmark::State& st) {
  Bench b;
  b.place(2, 1, 4, 25);
  runFromPrepared(st, b, [&] { b.logic.Form_KeyDown(kKeyDown, 0); });
}
BENCHMARK(BM_DropFromTheTop);

}  // namespace
}  // namespace klotix
