// The map events on the real binary: a play-through from the switch rooms
// over the boss to the life gate and its level save, the start that follows
// it, and a respawn point with the start that follows that.

#include <string>

#include "PlayTest.h"
#include "StartMap.h"

namespace vm::test {
namespace {

// Arrow keys as a piped standard input carries them, one letter each:
// U, D, L, R; a digit repeats the next letter (for example "9L").
std::string arrows(std::string_view moves) {
  std::string bytes;
  int repeat = 0;
  for (char m : moves) {
    if (m >= '0' && m <= '9') {
      repeat = repeat * 10 + (m - '0');
      continue;
    }
    const char* seq = m == 'U' ? "\x1b[A" : m == 'D' ? "\x1b[B" : m == 'R' ? "\x1b[C" : "\x1b[D";
    for (int i = 0; i < (repeat == 0 ? 1 : repeat); ++i) bytes += seq;
    repeat = 0;
  }
  return bytes;
}

// A panel row: label and value, padded to 19 cells with the frame's bar.
std::string panelRow(const std::string& labelAndValue) {
  std::string row = "| " + labelAndValue;
  row.resize(static_cast<size_t>(18 - (cellsOf(row) - static_cast<int>(row.size()))), ' ');
  return row + "|";
}

// On the corridor of row 28 below the first switch room, with four keys
// for the four doors "%" and a defence no monster's attack exceeds, so
// that every fight, the boss's included, costs nothing.
class EventsPlayThrough : public PlayTest {
 protected:
  void seedBeforeTheSwitchRooms() const {
    archive.write("tf", "3");
    archive.write("X", "28");
    archive.write("Y", "38");
    archive.write("HP", "1000");
    archive.write("DEF", "5000");
    archive.write("ThirdKey", "4");
  }
};

// From row 28 up through each room's door and monsters to its switch and
// back down; the fourth ends with a blocked Up that the opening rule takes.
const std::string kFourSwitches =
    "UURUUUUU"  // room 1: door (27,38), switch (21,39)
    "5DLDD"     // back to (28,38)
    "6R"        // to (28,44)
    "UURUUUUU"  // room 2: door (27,44), switch (21,45)
    "5DLDD"     // back to (28,44)
    "31R"       // to (28,75)
    "UUUUUUU"   // room 3: door (27,75), switch (21,75)
    "7D"        // back to (28,75)
    "5R"        // to (28,80)
    "UURUUUUU"  // room 4: door (27,80), switch (21,81)
    "U"         // against the wall: the opening rule
    "5DLDD";    // back to (28,80)
// Through the opened boss door onto the notice cell, into the boss, down
// onto the exit cell.
const std::string kBoss = "RRRD";
// Along row 30 to the column of the life gate, then down onto it.
const std::string kToLifeGate = "D44LDDD";

TEST_F(EventsPlayThrough, BossDoorOpensAndTheNoticeAndExitCellsChargeTheirDues) {
  seedBeforeTheSwitchRooms();
  EmulatedScreen s = play(arrows(kFourSwitches + kBoss));
  // (1000 + 4 x 15000) x 10 - 10000, the boss fight costing nothing; the
  // boss's 10000 gold and 3500 from the monsters of the four rooms.
  EXPECT_EQ(s.text(0, 2, 19), panelRow("HP:600000"));
  EXPECT_EQ(s.text(0, 10, 19), panelRow("金钱:13500"));
  EXPECT_EQ(s.at(83, 29).ch, "&");
  EXPECT_EQ(s.text(48, 21, 24), "|----------------------|");
  EXPECT_EQ(s.text(48, 22, 24), "|M是BOOS               |");
  EXPECT_EQ(s.text(48, 25, 24), "|打败BOOS后请请进入一一|");
  EXPECT_EQ(s.text(48, 26, 24), "|生死门,下一关是福利关!|");
  EXPECT_EQ(s.text(80, 28, 4), "    ");
  EXPECT_EQ(s.text(38, 27, 1), " ");
  EXPECT_EQ(s.text(39, 21, 1), " ");
  EXPECT_EQ(s.text(81, 21, 1), " ");
}

TEST_F(EventsPlayThrough, LifeGateSavesTheLevelAndTheNextStartIsTheStartCell) {
  seedBeforeTheSwitchRooms();
  EmulatedScreen s = play(arrows(kFourSwitches + kBoss + kToLifeGate) + "\n");
  for (int r = 0; r < 61; ++r) EXPECT_EQ(s.rowText(r), "") << "row " << r;
  EXPECT_EQ(archive.read("X"), "1");
  EXPECT_EQ(archive.read("Y"), "20");
  EXPECT_EQ(archive.read("HP"), "600000");
  EXPECT_EQ(archive.read("ATK"), "10");
  EXPECT_EQ(archive.read("DEF"), "5000");
  EXPECT_EQ(archive.read("ThirdKey"), "0");
  EXPECT_EQ(archive.read("GOLD"), "13500");
  EXPECT_EQ(archive.read("gk"), "2");
  EXPECT_EQ(archive.read("qt"), "");

  EmulatedScreen next = play("");
  EXPECT_EQ(next.at(20, 1).ch, "&");
  EXPECT_EQ(next.text(0, 2, 19), panelRow("HP:600000"));
  EXPECT_EQ(next.text(0, 4, 19), panelRow("DEF:5000"));
  EXPECT_EQ(next.text(0, 10, 19), panelRow("金钱:13500"));
  // A fresh map: every mechanism and door of the run is back.
  for (int r : {21, 27, 28, 29, 33}) EXPECT_EQ(next.rowText(r), startRow(r)) << "row " << r;
}

TEST_F(EventsPlayThrough, RespawnPointSavesAndTheNextStartStandsOnItSpent) {
  archive.write("tf", "3");
  archive.write("X", "35");
  archive.write("Y", "75");
  archive.write("HP", "4321");
  archive.write("GOLD", "55");
  play(arrows("U"));
  EXPECT_EQ(archive.read("X"), "34");
  EXPECT_EQ(archive.read("Y"), "75");
  EXPECT_EQ(archive.read("HP"), "4321");
  EXPECT_EQ(archive.read("GOLD"), "55");
  EXPECT_EQ(archive.read("gk"), std::nullopt);

  // A second save would bring the file back.
  std::filesystem::remove(archive.fileOf("tj"));
  EmulatedScreen next = play(arrows("DU"));
  EXPECT_EQ(next.at(75, 34).ch, "&");
  EXPECT_EQ(next.text(75, 35, 1), " ");
  EXPECT_EQ(next.text(0, 2, 19), panelRow("HP:4321"));
  EXPECT_EQ(next.text(0, 10, 19), panelRow("金钱:55"));
  EXPECT_EQ(archive.read("tj"), std::nullopt);
}

}  // namespace
}  // namespace vm::test
