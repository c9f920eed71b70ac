// The help's note: its lines for a lost position, and when it goes.
#include "game/help_note.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/catalogue.h"
#include "game/rules.h"
#include "support/stage_record.h"

namespace game {
namespace {

// The note names the cheese that fails first by its row, and ends with the line asked for.
TEST(HelpNote, ALostPositionsNoteNamesTheCheeseAndWhatToDo) {
  // Cheese 1 (slot 0) is good; cheese 2 (slot 1) starts unchilled and so rotten, and only
  // both together would make the two deliveries due.
  const StageRecord stage = game_test::StageRecordOf(
      game_test::CellarPicture{{"@0o......", "AAAAAAAAA", ".........", ".........", ".........",
                                ".........", ".........", ".......1.", "........."},
                               2,
                               {{4, 6}, {4, 6}}});
  const Note note = LostNote(StageStart(stage), GiveUpNoteLine);
  EXPECT_EQ(std::string(note.lines[0]), LostNotes[0][0]);
  EXPECT_EQ(std::string(note.lines[1]), GiveUpNoteLine);
  EXPECT_EQ(note.lines[2], nullptr);
  EXPECT_EQ(note.number, 2);
  EXPECT_EQ(note.traced, 0);
}

// Frames with a play key held (1) or not (0): the note goes at the first key pressed after
// every key has been up, in the frame given (-1: it stays).
TEST(HelpNote, GoesAtTheFirstKeyPressedOnceAllWereUp) {
  struct Case {
    std::vector<int> held;
    int goesIn;
  };
  const Case cases[] = {
      {{0, 0, 0}, -1}, {{1, 1, 1}, -1},  // the key that made it is still held
      {{1, 0, 1}, 2},                    // released, then pressed
      {{0, 1, 1}, 1},  {{1, 1, 0, 0, 1}, 4},
  };
  for (const Case& c : cases) {
    HelpNote note;
    ShowNote(note, NoHintFoundNote());
    int goneIn = -1;
    for (int frame = 0; frame < static_cast<int>(c.held.size()) && goneIn < 0; ++frame) {
      FollowNote(note, c.held[frame] == 1);
      if (!note.shows) goneIn = frame;
    }
    EXPECT_EQ(goneIn, c.goesIn) << ::testing::PrintToString(c.held);
  }
}

// A note shown anew waits for every key to be up again, even after an earlier one did.
TEST(HelpNote, ANewNoteWaitsForTheKeysAgain) {
  HelpNote note;
  ShowNote(note, NoHintFoundNote());
  FollowNote(note, false);
  ShowNote(note, NoHintFoundNote());
  FollowNote(note, true);
  EXPECT_TRUE(note.shows);
  HideNote(note);
  EXPECT_FALSE(note.shows);
}

}  // namespace
}  // namespace game
