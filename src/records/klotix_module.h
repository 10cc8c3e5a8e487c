// Settings and record tables shared by the main window and the game window
// for the whole run of the program. The main window sets the settings; the
// game reads them and, at its end, updates the record tables.
#pragma once

#include <cstdint>
#include <string>

#include "records/record_files.h"
#include "records/record_tables.h"

namespace klotix {

// Fall interval in milliseconds for each level 1..3.
inline constexpr std::int16_t kSpeedSlow = 275;
inline constexpr std::int16_t kSpeedMedium = 125;
inline constexpr std::int16_t kSpeedQuick = 40;

// The fall interval of `level` (1..3); any other level gives the Medium one.
std::int16_t speedOfLevel(int level);

// Not copyable: both windows share the one instance of a run.
struct Klotix_Module : RecordTables {
  Klotix_Module() = default;
  Klotix_Module(const Klotix_Module&) = delete;
  Klotix_Module& operator=(const Klotix_Module&) = delete;

  std::string playername;      // the name entered for the current or last game
  std::int16_t level = 0;      // 0 until the main window first loads, then 1..3
  std::int16_t speed = 0;      // fall interval in milliseconds
  RecordFiles recordFiles;     // where "Klotix.dat" is kept this run

  RecordTables& tables() { return *this; }
  const RecordTables& tables() const { return *this; }
};

}  // namespace klotix
