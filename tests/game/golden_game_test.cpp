// One whole game played from a script: any change in the rules of falling,
// locking, shifting, turning, dropping or removing rows changes its outcome.
#include "game_fixture.h"

namespace klotix::testing {
namespace {

using GoldenGameTest = GameTest;

TEST_F(GoldenGameTest, ScriptedGameEndsOnAKnownBoard) {
  load({2, 2, 1, 3, 7, 5, 4});
  // t = tick, L/R/U/D = arrow keys, P = pause; blanks only separate pieces.
  const std::string script =
      "t LLLL D "                              // bar to the left wall, dropped
      "t RRRR D "                              // bar to the right wall, dropped
      "t U D "                                 // the square fills row 1, which goes
      "t UU LLLLL tttttttttt R ttttttttttttt "  // orange turned twice, falls and locks
      "t U RRRR D "                            // cyan turned, dropped into the corner
      "t UUU LLLLL D "                         // purple on the orange column
      "t P RRR ttttt U ttt";                   // grey still falling at the end
  for (char key : script) {
    switch (key) {
      case 't': logic.Timer1_Timer(); break;
      case 'L': logic.Form_KeyDown(kKeyLeft, 0); break;
      case 'R': logic.Form_KeyDown(kKeyRight, 0); break;
      case 'U': logic.Form_KeyDown(kKeyUp, 0); break;
      case 'D': logic.Form_KeyDown(kKeyDown, 0); break;
      case 'P': logic.Form_KeyDown(kKeyP, 0); break;
      default: break;
    }
  }

  EXPECT_EQ(render(), picture({".......ddd",  // row 17
                               ".........d", "", "", "", "", "", "", "", "", "", "",
                               "555.......",
                               ".5........",
                               ".3........",
                               ".3.....77.",
                               ".33.11..77"}));
  EXPECT_EQ(s.points, 210);
  EXPECT_EQ(label.text(), "210");
  EXPECT_EQ(s.fig, 4);
  EXPECT_EQ(s.rot, 2);
  EXPECT_EQ(dialogs.boxes.size(), 1u);  // the pause, no game over
  EXPECT_TRUE(host.events.empty());
}

}  // namespace
}  // namespace klotix::testing
