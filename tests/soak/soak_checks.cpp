#include "soak/soak_checks.h"

#include <algorithm>

#include "game/game_logic.h"
#include "game/pieces.h"

namespace klotix::soak {
namespace {

std::string spotText(Spot spot) {
  std::string text = "(";  // built by appending: GCC 12 warns falsely on "(" + std::string
  text += std::to_string(spot.x);
  text += ',';
  text += std::to_string(spot.y);
  text += ')';
  return text;
}

bool contains(const Spots& spots, Spot spot) {
  return std::find(spots.begin(), spots.end(), spot) != spots.end();
}

bool isPieceColor(Color color) {
  for (int kind = 1; kind <= kKinds; ++kind)
    if (pieceColor(kind) == color) return true;
  return false;
}

// The event changes nothing unless the forecast says otherwise.
Forecast unchanged(const Observed& before) {
  const GameState& s = before.s;
  Forecast f;
  f.fig = s.fig;
  f.figcolor = s.figcolor;
  f.nextfig = s.nextfig;
  f.posx = s.posx;
  f.posy = s.posy;
  f.rot = s.rot;
  f.settled = Settled::of(s, before.field);
  return f;
}

template <typename T>
void expectField(const char* name, T actual, T expected, Problems& problems) {
  if (actual != expected)
    problems.push_back(std::string(name) + " is " + std::to_string(actual) + ", expected " +
                       std::to_string(expected));
}

// Up to a few cells where two pictures of the settled blocks differ.
void compareSettled(const Settled& actual, const Settled& expected, Problems& problems) {
  int shown = 0;
  for (int y = kRows; y >= 1 && shown < 4; --y)
    for (int x = 1; x <= kColumns && shown < 4; ++x) {
      const int i = coor(x, y);
      if (actual.occupied[i] == expected.occupied[i] && actual.colour[i] == expected.colour[i])
        continue;
      problems.push_back("settled cell " + spotText({x, y}) + ": block " +
                         std::to_string(actual.occupied[i]) + " colour " +
                         std::to_string(actual.colour[i]) + ", expected block " +
                         std::to_string(expected.occupied[i]) + " colour " +
                         std::to_string(expected.colour[i]));
      ++shown;
    }
}

void checkRanges(const GameState& s, Problems& problems) {
  if (s.fig < 0 || s.fig > kKinds) problems.push_back("fig " + std::to_string(s.fig) + " out of 0..7");
  if (s.nextfig < 1 || s.nextfig > kKinds)
    problems.push_back("nextfig " + std::to_string(s.nextfig) + " out of 1..7");
  if (s.posx < -2 || s.posx > kColumns)
    problems.push_back("posx " + std::to_string(s.posx) + " out of -2..10");
  if (s.posy < 1 || s.posy > kStartY)
    problems.push_back("posy " + std::to_string(s.posy) + " out of 1..26");
  if (s.fig >= 1 && s.fig <= kKinds && (s.rot < 1 || s.rot > rotationStates(s.fig)))
    problems.push_back("rot " + std::to_string(s.rot) + " out of range for kind " +
                       std::to_string(s.fig));
}

// The mask is the catalogue's cells of the kind and state, in a clear margin.
void checkMask(const GameState& s, Problems& problems) {
  for (int c = 0; c <= 5; ++c)
    for (int r = 0; r <= 4; ++r) {
      const bool margin = c == 0 || c == 5 || r == 0;
      if (margin && s.figure(c, r) != kClear) problems.push_back("mask margin is not clear");
    }
  if (s.fig < 1 || s.fig > kKinds || s.rot < 1 || s.rot > rotationStates(s.fig)) return;
  const Spots expected = spotsOf(s.fig, s.rot, 1, 4);  // mask cell (c, r) on spot (c, 5 - r)
  for (int c = 1; c <= 4; ++c)
    for (int r = 1; r <= 4; ++r)
      if ((s.figure(c, r) == kSet) != contains(expected, {c, 5 - r}))
        problems.push_back("mask is not kind " + std::to_string(s.fig) + " in state " +
                           std::to_string(s.rot));
}

void checkBoard(const GameState& s, Problems& problems) {
  for (int x = 0; x <= kColumns; ++x)
    for (int y = 0; y <= kRows; ++y) {
      const std::int16_t flag = s.board(x, y);
      if (flag != kSet && flag != kClear) problems.push_back("board flag " + std::to_string(flag));
      if ((x == 0 || y == 0) && flag != kClear)
        problems.push_back("board " + spotText({x, y}) + " outside the playfield is set");
    }
}

// Each cell shows the piece over it, or EMPTY_COLOR when free, or a piece
// colour when it holds a settled block.
void checkPlayfield(const Observed& now, Problems& problems) {
  const GameState& s = now.s;
  const Spots piece = fallingSpots(s);
  for (const Spot& spot : piece) {
    if (!inside(spot)) {
      problems.push_back("piece cell " + spotText(spot) + " outside the playfield");
      return;
    }
    const bool settled = s.board(spot.x, spot.y) == kSet;
    // A falling piece lies on free cells; a dropped one (fig 0) is already in the board.
    if (settled != (s.fig == kNoPiece))
      problems.push_back("piece cell " + spotText(spot) + (settled ? " on a block" : " not in the board"));
  }
  int shown = 0;
  for (int x = 1; x <= kColumns; ++x)
    for (int y = 1; y <= kRows; ++y) {
      const Color shows = now.field.fillColor(coor(x, y));
      std::string wrong;
      if (contains(piece, {x, y})) {
        if (shows != s.figcolor) wrong = "does not show the piece's colour";
      } else if (s.board(x, y) == kClear) {
        if (shows != EMPTY_COLOR) wrong = "is free but not EMPTY_COLOR";
      } else if (!isPieceColor(shows)) {
        wrong = "holds a block but shows no piece colour";
      }
      if (!wrong.empty() && shown++ < 4)
        problems.push_back("cell " + spotText({x, y}) + " " + wrong + " (" + std::to_string(shows) + ")");
    }
}

void checkPreview(const Observed& now, Problems& problems) {
  const GameState& s = now.s;
  if (s.nextfig < 1 || s.nextfig > kKinds) return;
  expectField("nextcolor", s.nextcolor, pieceColor(s.nextfig), problems);
  const Spots next = spotsOf(s.nextfig, 1, 1, 4);
  for (int c = 1; c <= kPreviewColumns; ++c)
    for (int r = 1; r <= kPreviewRows; ++r) {
      const Color expected = contains(next, {c, 5 - r}) ? pieceColor(s.nextfig) : PREVIEW_COLOR;
      if (now.preview.fillColor((c - 1) + kPreviewColumns * (r - 1)) != expected)
        problems.push_back("preview cell (" + std::to_string(c) + "," + std::to_string(r) +
                           ") does not show kind " + std::to_string(s.nextfig));
    }
}

}  // namespace

Forecast forecastKey(const Observed& before, std::int16_t key) {
  const GameState& s = before.s;
  Forecast f = unchanged(before);
  const Spots piece = fallingSpots(s);
  // Without a falling piece only P acts, and the bot never presses P.
  if (s.fig == kNoPiece || piece.empty()) return f;

  if (key == kKeyLeft || key == kKeyRight) {
    const int dx = key == kKeyLeft ? -1 : 1;
    if (fits(f.settled, moved(piece, dx, 0))) f.posx = static_cast<std::int16_t>(s.posx + dx);
  } else if (key == kKeyUp && s.fig != kSquare) {
    const int turned = nextState(s.fig, s.rot);
    if (fits(f.settled, spotsOf(s.fig, turned, s.posx, s.posy))) f.rot = static_cast<std::int16_t>(turned);
  } else if (key == kKeyDown) {
    const Spots landed = landing(f.settled, piece);
    f.posy = static_cast<std::int16_t>(s.posy - (piece.front().y - landed.front().y));
    f.fig = kNoPiece;
    for (const Spot& spot : landed) f.settled.put(spot, s.figcolor);
  }
  return f;
}

Forecast forecastTick(const Observed& before, int drawnKind) {
  const GameState& s = before.s;
  Forecast f = unchanged(before);
  const Spots piece = fallingSpots(s);
  // The first tick of a game and the tick after a drop lock whatever lies there.
  f.locks = s.fig == kNoPiece || rests(f.settled, piece);
  if (!f.locks) {
    f.posy = static_cast<std::int16_t>(s.posy - 1);
    return f;
  }
  const Lock lock = lockPiece(f.settled, piece, s.figcolor);
  f.settled = lock.after;
  f.rowsRemoved = lock.rowsRemoved;
  f.topRowHeld = lock.topRowHeld;
  f.fig = s.nextfig;
  f.figcolor = pieceColor(s.nextfig);
  f.nextfig = static_cast<std::int16_t>(drawnKind);
  f.posx = kStartX;
  f.posy = kStartY - 1;
  f.rot = 1;
  f.endsGame = !fits(lock.after, spotsOf(s.nextfig, 1, kStartX, kStartY - 1));
  return f;
}

void checkForecast(const Forecast& expected, const Observed& now, Problems& problems) {
  const GameState& s = now.s;
  expectField("fig", s.fig, expected.fig, problems);
  expectField("figcolor", s.figcolor, expected.figcolor, problems);
  expectField("nextfig", s.nextfig, expected.nextfig, problems);
  expectField("posx", s.posx, expected.posx, problems);
  expectField("posy", s.posy, expected.posy, problems);
  expectField("rot", s.rot, expected.rot, problems);
  // The last draw of a game paints only free cells, so this holds at the end too.
  compareSettled(Settled::of(s, now.field), expected.settled, problems);
}

void checkInvariants(const Observed& now, std::int32_t points, bool ticked, int speed,
                     Problems& problems) {
  const GameState& s = now.s;
  checkRanges(s, problems);
  checkMask(s, problems);
  checkBoard(s, problems);
  checkPlayfield(now, problems);
  checkPreview(now, problems);
  if (s.fig != kNoPiece) expectField("figcolor", s.figcolor, pieceColor(s.fig), problems);
  expectField("points", s.points, points, problems);
  const std::string shown = ticked ? std::to_string(points) : "Points";
  if (now.label.text() != shown)
    problems.push_back("label shows '" + now.label.text() + "', expected '" + shown + "'");
  if (!now.timer.enabled()) problems.push_back("timer stopped during the game");
  expectField("timer interval", now.timer.interval(), speed, problems);
}

}  // namespace klotix::soak
