// What the soak bot checks around every event of a game: before the event
// it works out from the rules what the event must leave (a forecast); after
// it, it compares the game with the forecast and checks the invariants that
// hold between any two events. Problems come back as lines of text.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "game/game_state.h"
#include "soak/soak_rules.h"
#include "ui/cell_grid.h"
#include "ui/text_label.h"
#include "ui/timer.h"

namespace klotix::soak {

using Problems = std::vector<std::string>;

// What a running game holds and shows.
struct Observed {
  const GameState& s;
  const CellGrid& field;    // playfield
  const CellGrid& preview;  // next piece
  const TextLabel& label;   // points
  const Timer& timer;
};

// What an event must leave behind.
struct Forecast {
  std::int16_t fig = 0;
  Color figcolor = 0;
  std::int16_t nextfig = 0;
  std::int16_t posx = 0;
  std::int16_t posy = 0;
  std::int16_t rot = 0;
  Settled settled;
  bool locks = false;     // a tick that settles the piece and calls for the next
  int rowsRemoved = 0;    // full rows that lock removes
  bool topRowHeld = false;  // and row 25 held a block when they went
  bool endsGame = false;  // the next piece finds a block where it enters
};

// Key `key` pressed while the game is in `before`.
Forecast forecastKey(const Observed& before, std::int16_t key);

// One fall tick from `before`; `drawnKind` is the kind the random source
// hands out for the piece previewed next.
Forecast forecastTick(const Observed& before, int drawnKind);

// Compares the game with the forecast of the event it just ran. After a
// game over only what was settled before the end is compared.
void checkForecast(const Forecast& expected, const Observed& now, Problems& problems);

// The invariants of a game between two events, for a game that is still on:
// fields in range, the mask as the catalogue has it, the falling piece
// inside the playfield, the playfield showing exactly the settled blocks and
// the piece, the preview showing the next piece, the points as counted from
// outside (`points`, shown once `ticked`) and the timer running at `speed`.
void checkInvariants(const Observed& now, std::int32_t points, bool ticked, int speed,
                     Problems& problems);

}  // namespace klotix::soak
