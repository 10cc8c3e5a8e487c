#include "soak/soak_game.h"

#include <algorithm>
#include <random>
#include <vector>

#include "fakes/fakes.h"
#include "game/game_logic.h"
#include "soak/soak_player.h"

namespace klotix::soak {
namespace {

// A game that goes on this many pieces after the player started dropping
// every piece at once will never end.
constexpr int kRunawayPieces = 1000;

std::string keyName(std::int16_t key) {
  switch (key) {
    case kKeyLeft:
      return "Left";
    case kKeyRight:
      return "Right";
    case kKeyUp:
      return "Up";
    case kKeyDown:
      return "Down";
    default:
      return "key code " + std::to_string(key);
  }
}

std::string joined(const std::vector<std::string>& items) {
  std::string text;
  for (const std::string& item : items) text += (text.empty() ? "" : ", ") + item;
  return "[" + text + "]";
}

class SoakGame {
 public:
  SoakGame(const GameSetup& setup, Klotix_Module& module)
      : module_(module),
        pieces_(setup.seed),
        engine_(setup.seed ^ 0x9E3779B97F4A7C15u),
        player_(engine_, setup.skill, setup.towers),
        limit_(setup.pieceLimit) {}
  SoakGame(const SoakGame&) = delete;
  SoakGame& operator=(const SoakGame&) = delete;

  GameResult play() {
    const int first = pieces_.upcoming();
    logic_.Form_Load();
    if (!checkLoad(first)) return result_;
    for (;;) {
      for (int keys = player_.keysBeforeTick(); keys > 0; --keys)
        if (!key(player_.nextKey(logic_.state()))) return result_;
      if (!tick()) return result_;
    }
  }

 private:
  // An empty playfield, no piece yet and the first kind in the preview.
  bool checkLoad(int first) {
    Forecast f;
    f.fig = kNoPiece;
    f.figcolor = logic_.state().figcolor;  // not given by anything yet
    f.nextfig = static_cast<std::int16_t>(first);
    f.posx = kStartX;
    f.posy = kStartY;
    f.rot = 1;
    return settle(f, "load");
  }

  bool key(const KeyPress& press) {
    const Forecast f = forecastKey(now_, press.key);
    logic_.Form_KeyDown(press.key, press.shift);
    return settle(f, keyName(press.key));
  }

  bool tick() {
    field_.clearLog();  // the soak looks at colours, not at repaints
    preview_.clearLog();
    const Forecast f = forecastTick(now_, pieces_.upcoming());
    logic_.Timer1_Timer();
    ticked_ = true;
    if (f.locks) {
      ++locks_;
      ++result_.pieces;
      result_.rows += f.rowsRemoved;
      ++result_.locksByRows[std::min(f.rowsRemoved, 4)];
      if (f.rowsRemoved > 0 && f.topRowHeld) ++result_.removalsUnderTopRow;
    }
    if (!settle(f, "tick")) return false;
    if (f.locks) {
      player_.pieceEntered(logic_.state(), Settled::of(logic_.state(), field_));
      if (result_.pieces >= limit_) player_.hurry();
      if (result_.pieces >= limit_ + kRunawayPieces) {
        fail({"the game does not end although every piece is dropped at once"}, "tick");
        return false;
      }
    }
    return true;
  }

  // Checks the event just run against its forecast; false when the game is
  // over or something is wrong.
  bool settle(const Forecast& f, const std::string& event) {
    ++events_;
    Problems problems;
    checkForecast(f, now_, problems);
    // The points as counted from outside: 10 for every lock (the first
    // tick's too), 150 for every removed row, from -10 at load.
    const std::int32_t points = -10 + 10 * locks_ + 150 * result_.rows;
    result_.points = logic_.state().points;
    if (f.endsGame) {
      const std::vector<std::string> end = {"beep", "hold " + std::to_string(kGameOverHoldMs),
                                            "open main", "close game"};
      if (host_.events != end) problems.push_back("no Gameover at the end: host saw " + joined(host_.events));
      if (dialogs_.boxes.size() != 1 || dialogs_.boxes.front().text != kGameOverText)
        problems.push_back("not exactly one Game Over box");
      if (timer_.enabled()) problems.push_back("the timer runs on after the game");
      if (logic_.state().points != points)
        problems.push_back("points " + std::to_string(logic_.state().points) + ", expected " +
                           std::to_string(points));
    } else {
      if (!host_.events.empty()) problems.push_back("the game ended early: host saw " + joined(host_.events));
      if (!dialogs_.boxes.empty()) problems.push_back("a box was shown: " + dialogs_.boxes.front().text);
      checkInvariants(now_, points, ticked_, module_.speed, problems);
    }
    if (!problems.empty()) {
      fail(problems, event);
      return false;
    }
    result_.endedByGameover = f.endsGame;
    return !f.endsGame;
  }

  void fail(const Problems& problems, const std::string& event) {
    result_.problems = problems;
    result_.where = "event " + std::to_string(events_) + " (" + event + "), piece " +
                    std::to_string(result_.pieces);
  }

  testing::FakeGrid field_{kPlayfieldCells};
  testing::FakeGrid preview_{kPreviewCells};
  testing::FakeLabel label_;
  testing::FakeTimer timer_;
  testing::FakeDialogs dialogs_;
  testing::FakeHost host_;
  Klotix_Module& module_;
  SoakRandom pieces_;
  std::mt19937_64 engine_;
  Player player_;
  GameLogic logic_{GameParts{field_, preview_, label_, timer_, dialogs_, host_, module_, pieces_}};
  Observed now_{logic_.state(), field_, preview_, label_, timer_};
  int limit_ = 0;
  int locks_ = 0;
  long events_ = 0;
  bool ticked_ = false;
  GameResult result_;
};

}  // namespace

GameResult playGame(const GameSetup& setup, Klotix_Module& module) {
  SoakGame game(setup, module);
  return game.play();
}

}  // namespace klotix::soak
