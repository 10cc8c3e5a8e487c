// Setting up a new game and bringing in each next piece.
#include <algorithm>

#include "game/game_logic.h"
#include "game/pieces.h"

namespace klotix {

void GameLogic::Form_Load() {
  for (int c = 1; c <= 4; ++c)
    for (int r = 1; r <= 4; ++r) s_.nextfigure(c, r) = kClear;
  for (int x = 1; x <= kColumns; ++x)
    for (int y = 1; y <= kRows; ++y) s_.board(x, y) = kClear;
  // The first tick locks an empty piece and scores 10, so play starts at 0.
  s_.points = -10;
  parts_.Timer1.setInterval(parts_.module.speed);
  for (int i = 0; i < kPreviewCells; ++i) parts_.Shape3.setFillColor(i, PREVIEW_COLOR);
  for (int i = 0; i < kPlayfieldCells; ++i) parts_.Shape1.setFillColor(i, EMPTY_COLOR);
  s_.nextfig = 0;
  // With nothing previewed yet this brings in no piece (fig stays 0) and
  // only draws and previews the first real kind.
  Nyfig();
}

void GameLogic::Nyfig() {
  parts_.Timer1.setInterval(parts_.module.speed);

  s_.fig = s_.nextfig;
  s_.figcolor = s_.nextcolor;

  // One number per call; every kind has the same chance. The clamp only
  // guards against a random source that breaks its [0, 1) promise.
  const int drawn = static_cast<int>(parts_.random.next() * kKinds) + 1;
  s_.nextfig = static_cast<std::int16_t>(std::clamp(drawn, 1, kKinds));

  s_.posy = kStartY;
  s_.posx = kStartX;
  s_.rot = 1;

  for (int c = 1; c <= 4; ++c) {
    for (int r = 1; r <= 4; ++r) {
      s_.figure(c, r) = s_.nextfigure(c, r);
      s_.nextfigure(c, r) = kClear;
    }
  }

  for (const MaskCell& cell : pieceCells(s_.nextfig, 1)) s_.nextfigure(cell.c, cell.r) = kSet;
  s_.nextcolor = pieceColor(s_.nextfig);

  for (int c = 1; c <= 4; ++c) {
    for (int r = 1; r <= kPreviewRows; ++r) {
      const int i = (c - 1) + kPreviewColumns * (r - 1);
      parts_.Shape3.setFillColor(i, PREVIEW_COLOR);
      if (s_.nextfigure(c, r) == kSet) parts_.Shape3.setFillColor(i, s_.nextcolor);
    }
  }
}

}  // namespace klotix
