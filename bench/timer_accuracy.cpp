// Measures how evenly the game window's fall timer fires: a real game
// window (offscreen) at 40 ms for 10 s, recording the time between ticks.
// Prints the median, the 99th percentile and the extremes in milliseconds.
//
//   QT_QPA_PLATFORM=offscreen build/release/bench/timer_accuracy [seconds]
#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <vector>

#include "fakes/fakes.h"
#include "game/klotix_game.h"

namespace {

double percentile(std::vector<double> values, double p) {
  std::sort(values.begin(), values.end());
  const auto at = static_cast<std::size_t>(p * static_cast<double>(values.size() - 1) + 0.5);
  return values[at];
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  const int seconds = argc > 1 ? std::atoi(argv[1]) : 10;

  klotix::Klotix_Module module;
  module.speed = klotix::kSpeedQuick;
  module.level = 3;
  module.recordFiles.file = std::filesystem::temp_directory_path() / "klotix-timer-accuracy.dat";
  // Every piece is a bar: they stack slowly, so a game lasts well over the
  // measured time without any key being pressed.
  klotix::testing::ScriptedRandom random({klotix::testing::ScriptedRandom::forKind(2)});
  klotix::testing::FakeDialogs dialogs;
  bool gameOver = false;

  auto* game = new klotix::KlotixGame(module, random, dialogs, [&gameOver] { gameOver = true; });
  game->show();

  std::vector<double> intervals;
  QElapsedTimer clock;
  QObject::connect(&game->Timer1().qtTimer(), &QTimer::timeout, [&] {
    if (clock.isValid()) intervals.push_back(static_cast<double>(clock.nsecsElapsed()) / 1e6);
    clock.restart();
  });
  QTimer::singleShot(seconds * 1000, &app, &QApplication::quit);
  QApplication::exec();
  std::filesystem::remove(module.recordFiles.file);

  if (intervals.size() < 10 || gameOver) {
    std::fprintf(stderr, "timer_accuracy: the game ended early (%zu intervals)\n", intervals.size());
    return 1;
  }
  std::printf("interval %d ms, %zu ticks: median %.3f ms, p99 %.3f ms, min %.3f ms, max %.3f ms\n",
              module.speed, intervals.size(), percentile(intervals, 0.5), percentile(intervals, 0.99),
              *std::min_element(intervals.begin(), intervals.end()),
              *std::max_element(intervals.begin(), intervals.end()));
  return 0;
}
