// Test doubles for the interfaces the game and the main window work
// through: grids that count their repaints, a timer that never fires by
// itself, scripted dialogs and a scripted random sequence.
#pragma once

#include <deque>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "game/game_host.h"
#include "records/random_source.h"
#include "ui/cell_grid.h"
#include "ui/dialogs.h"
#include "ui/text_label.h"
#include "ui/timer.h"

namespace klotix::testing {

// A grid that stores colours and records every repaint (a real change of
// colour), as the Qt widget would schedule it.
class FakeGrid : public CellGrid {
 public:
  explicit FakeGrid(int cells) : colors_(static_cast<std::size_t>(cells), 0) {}
  int count() const override { return static_cast<int>(colors_.size()); }
  void setFillColor(int index, Color color) override {
    ++sets;
    auto& cell = colors_.at(static_cast<std::size_t>(index));
    if (cell == color) return;
    cell = color;
    repainted.push_back(index);
  }
  Color fillColor(int index) const override { return colors_.at(static_cast<std::size_t>(index)); }
  void clearLog() {
    repainted.clear();
    sets = 0;
  }

  std::vector<int> repainted;  // indexes whose colour changed, in order
  int sets = 0;                // every setFillColor call

 private:
  std::vector<Color> colors_;
};

class FakeLabel : public TextLabel {
 public:
  void setText(const std::string& text) override { text_ = text; }
  std::string text() const override { return text_; }

 private:
  std::string text_ = "Points";
};

// Never fires by itself: a test calls the tick handler instead.
class FakeTimer : public Timer {
 public:
  void setInterval(int milliseconds) override { interval_ = milliseconds; }
  int interval() const override { return interval_; }
  void setEnabled(bool enabled) override {
    if (enabled) ++starts;
    enabled_ = enabled;
  }
  bool enabled() const override { return enabled_; }

  int starts = 0;  // how often the timer was (re)started

 private:
  int interval_ = 0;
  bool enabled_ = true;
};

// Answers boxes from a script (id::kOk when the script is empty) and
// records every box shown.
class FakeDialogs : public Dialogs {
 public:
  struct Box {
    std::string text, title;
    int flags;
    std::string description;
  };
  // Records the texts as an English-speaking player sees them.
  int messageBox(const BoxText& text, const std::string& title, int flags, const BoxText& description) override {
    boxes.push_back({filled(text), title, flags, filled(description)});
    if (onBox) onBox();
    if (answers.empty()) return id::kOk;
    const int answer = answers.front();
    answers.pop_front();
    return answer;
  }
  std::string inputBox(const std::string& prompt, const std::string& title, const std::string& defaultText,
                       int /*maxLength*/) override {
    inputs.push_back({prompt, title, defaultText});
    if (replies.empty()) return "Player";
    std::string reply = replies.front();
    replies.pop_front();
    return reply;
  }

  std::vector<Box> boxes;
  std::deque<int> answers;
  struct Input {
    std::string prompt, title, defaultText;
  };
  std::vector<Input> inputs;
  std::deque<std::string> replies;
  std::function<void()> onBox;  // runs while a box is "open"

 private:
  static std::string filled(const BoxText& text) {
    std::string out = text.text;
    for (std::size_t i = text.arguments.size(); i-- > 0;) {
      const std::string mark = "%" + std::to_string(i + 1);
      if (const auto at = out.find(mark); at != std::string::npos) out.replace(at, mark.size(), text.arguments[i].text);
    }
    return out;
  }
};

class FakeHost : public GameHost {
 public:
  void beep() override { events.push_back("beep"); }
  void holdInput(int milliseconds) override { events.push_back("hold " + std::to_string(milliseconds)); }
  void openMainWindow() override { events.push_back("open main"); }
  void closeGameWindow() override { events.push_back("close game"); }
  std::vector<std::string> events;
};

// Returns the numbers it was given, then repeats the last one.
class ScriptedRandom : public RandomSource {
 public:
  ScriptedRandom() = default;
  explicit ScriptedRandom(std::vector<double> numbers) : numbers_(std::move(numbers)) {}
  // A number that makes Nyfig draw `kind` (1..7).
  static double forKind(int kind) { return (kind - 1 + 0.5) / 7.0; }
  void pushKind(int kind) { numbers_.push_back(forKind(kind)); }
  double next() override {
    ++drawn;
    if (numbers_.empty()) return 0.0;
    if (at_ < numbers_.size()) return numbers_[at_++];
    return numbers_.back();
  }
  void reseed(float seed) override { seeds.push_back(seed); }

  int drawn = 0;
  std::vector<float> seeds;

 private:
  std::vector<double> numbers_;
  std::size_t at_ = 0;
};

}  // namespace klotix::testing
