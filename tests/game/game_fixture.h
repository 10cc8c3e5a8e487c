// A game wired to fakes, with helpers that put a falling piece and settled
// blocks on the board and draw the playfield as text, so a test can state a
// position and its outcome as pictures.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "fakes/fakes.h"
#include "fakes/place_piece.h"
#include "game/game_logic.h"
#include "game/pieces.h"

namespace klotix::testing {

// Kind 1..7 whose colour is `color`, 0 for any other colour.
inline int kindOf(Color color) {
  for (int kind = 1; kind <= kKinds; ++kind)
    if (pieceColor(kind) == color) return kind;
  return 0;
}

class GameTest : public ::testing::Test {
 protected:
  GameTest() {
    module.speed = kSpeedMedium;
    module.level = 2;
    module.playername = "Tester";
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = std::string(info->test_suite_name()) + "_" + info->name() + ".dat";
    std::replace(name.begin(), name.end(), '/', '_');
    module.recordFiles.file = std::filesystem::temp_directory_path() / ("klotix_game_" + name);
    std::filesystem::remove(module.recordFiles.file);
    clearPlayfield();
  }
  ~GameTest() override {
    std::error_code ignored;
    std::filesystem::remove(module.recordFiles.file, ignored);
  }

  // Loads a game whose pieces come in the order `kinds`.
  void load(const std::vector<int>& kinds) {
    for (int kind : kinds) random.pushKind(kind);
    logic.Form_Load();
  }

  // An empty board on white cells, as between two tests; forgets the repaints.
  void clearPlayfield() {
    s.boardCells.fill(kClear);
    for (int i = 0; i < kPlayfieldCells; ++i) field.setFillColor(i, EMPTY_COLOR);
    field.clearLog();
  }

  // Makes `kind` in rotation `state` the falling piece with its box at
  // (posx, posy) and paints it, as if it had fallen there.
  void place(int kind, int state, int posx, int posy) {
    placePiece(s, kind, state, posx, posy);
    for (int i : pieceIndexes()) field.setFillColor(i, s.figcolor);
    field.clearLog();
  }

  // A settled block at (x, y) shown in `color`.
  void settle(int x, int y, Color color) {
    s.board(x, y) = kSet;
    field.setFillColor(coor(x, y), color);
    field.clearLog();
  }

  // Settled blocks drawn as in render(): rows from `top` downwards, '1'..'7'
  // a block of that kind's colour, anything else free.
  void lay(const std::vector<std::string>& rows, int top = 0) {
    if (top == 0) top = static_cast<int>(rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i)
      for (int x = 1; x <= static_cast<int>(rows[i].size()); ++x) {
        const char ch = rows[i][static_cast<std::size_t>(x - 1)];
        if (ch >= '1' && ch <= '7') settle(x, top - static_cast<int>(i), pieceColor(ch - '0'));
      }
  }

  // Grid indexes of the cells that the falling piece covers.
  std::set<int> pieceIndexes() const {
    std::set<int> cells;
    for (int c = 1; c <= 4; ++c)
      for (int r = 1; r <= 4; ++r)
        if (s.figure(c, r) == kSet) cells.insert(coor(s.posx + c - 1, s.posy - r + 1));
    return cells;
  }

  Color color(int x, int y) const { return field.fillColor(coor(x, y)); }

  // Checks a move of the piece from the cells `before` to where it is now:
  // each cell it left turned white, each cell it newly covers took its
  // colour, and no other cell changed, not even for a moment.
  void expectMovedFrom(const std::set<int>& before) const {
    const std::set<int> after = pieceIndexes();
    std::set<int> changed;
    std::set_symmetric_difference(before.begin(), before.end(), after.begin(), after.end(),
                                  std::inserter(changed, changed.end()));
    EXPECT_EQ(std::set<int>(field.repainted.begin(), field.repainted.end()), changed);
    EXPECT_EQ(field.repainted.size(), changed.size()) << "a cell flashed";
    for (int i : changed) EXPECT_EQ(field.fillColor(i), after.count(i) ? s.figcolor : EMPTY_COLOR);
  }

  // The playfield as 25 lines, row 25 first: '.' a free white cell, '1'..'7'
  // a settled block in that kind's colour, 'a'..'g' a free cell coloured by
  // the falling piece of kind 1..7, '!' a settled block shown white, '?' any
  // other mismatch.
  std::string render() const {
    std::string text;
    for (int y = kRows; y >= 1; --y) {
      for (int x = 1; x <= kColumns; ++x) {
        const Color k = color(x, y);
        const int kind = kindOf(k);
        const bool settled = s.board(x, y) == kSet;
        if (k == EMPTY_COLOR) text += settled ? '!' : '.';
        else if (kind == 0) text += '?';
        else text += static_cast<char>(settled ? '0' + kind : 'a' + kind - 1);
      }
      text += '\n';
    }
    return text;
  }

  // A whole playfield in render()'s format from the rows given, which start
  // at row `top` (default: they end on row 1); an empty string and all rows
  // not given are white.
  static std::string picture(const std::vector<std::string>& rows, int top = 0) {
    if (top == 0) top = static_cast<int>(rows.size());
    std::string text;
    for (int y = kRows; y >= 1; --y) {
      const int i = top - y;
      const bool given = i >= 0 && i < static_cast<int>(rows.size()) &&
                         !rows[static_cast<std::size_t>(i)].empty();
      text += given ? rows[static_cast<std::size_t>(i)] : std::string(kColumns, '.');
      text += '\n';
    }
    return text;
  }

  // Preview cells that are not PREVIEW_COLOR.
  std::set<int> previewed() const {
    std::set<int> cells;
    for (int i = 0; i < kPreviewCells; ++i)
      if (preview.fillColor(i) != PREVIEW_COLOR) cells.insert(i);
    return cells;
  }

  FakeGrid field{kPlayfieldCells};
  FakeGrid preview{kPreviewCells};
  FakeLabel label;
  FakeTimer timer;
  FakeDialogs dialogs;
  FakeHost host;
  Klotix_Module module;
  ScriptedRandom random;
  GameLogic logic{GameParts{field, preview, label, timer, dialogs, host, module, random}};
  GameState& s = logic.state();
};

}  // namespace klotix::testing
