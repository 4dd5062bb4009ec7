// The gate of life and death, the warning cell and the respawn points, with
// the saves they write and the starts that load them.

#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include "events_fixture.h"
#include "game/WorldMap.h"
#include "main/GameLoop.h"
#include "main/SharedOps.h"

namespace vm::test {
namespace {

class GateEvents : public EventsTest {
 protected:
  // Values that differ from every initial one, so that a save shows them.
  static void giveDistinctValues(Game& v) {
    v.HP = 4321;
    v.ATK = 55;
    v.DEF = 66;
    v.FirstKey = 1;
    v.SecondKey = 2;
    v.ThirdKey = 3;
    v.Weapons = 4;
    v.Armor = 5;
    v.GOLD = 777;
    v.tj = 6;
    v.jj = 7;
    v.sj = 8;
    v.td = 9;
    v.jd = 10;
    v.sd = 11;
    v.qt[1] = gbk("钥匙");
    v.qt[2] = "map";
    v.qt_tot = 2;
  }
  std::map<std::string, std::string> archiveFiles() const {
    std::map<std::string, std::string> files;
    for (const auto& e : std::filesystem::directory_iterator(dir.path())) {
      files[e.path().filename().string()] = readArchiveFile(e.path().stem().string().substr(7));
    }
    return files;
  }
  // The values files both saves write, as they must read.
  static std::map<std::string, std::string> savedValues(const std::string& x, const std::string& y) {
    return {
        {"system_X.wxov", x},           {"system_Y.wxov", y},          {"system_HP.wxov", "4321"},
        {"system_ATK.wxov", "55"},      {"system_DEF.wxov", "66"},     {"system_FirstKey.wxov", "1"},
        {"system_SecondKey.wxov", "2"}, {"system_ThirdKey.wxov", "3"}, {"system_Weapons.wxov", "4"},
        {"system_Armor.wxov", "5"},     {"system_GOLD.wxov", "777"},   {"system_tj.wxov", "6"},
        {"system_jj.wxov", "7"},        {"system_sj.wxov", "8"},       {"system_td.wxov", "9"},
        {"system_jd.wxov", "10"},       {"system_sd.wxov", "11"},      {"system_qt.wxov", gbk("钥匙") + "\nmap\n"},
    };
  }
};

TEST_F(GateEvents, LifeGateWritesTheLevelSaveAndEndsTheRun) {
  giveDistinctValues(g);
  g.tf = 3;
  mapPrint(g, con);
  placeAt({32, 39});
  dispatch(ctx, key::Down);
  EXPECT_EQ(ctx.ending, Ending::LevelSave);
  EXPECT_EQ((Cell{g.x, g.y}), (Cell{33, 39}));
  EXPECT_EQ(cell(33, 39), ' ');
  // The console is cleared and nothing follows.
  for (int r = 0; r < 61; ++r) EXPECT_EQ(row(r), "") << r;
  auto expected = savedValues("1", "20");
  expected["system_gk.wxov"] = "2";
  EXPECT_EQ(archiveFiles(), expected);
}

TEST_F(GateEvents, LifeGateEndsTheMainLoopWithoutTurnEndOrPass) {
  giveDistinctValues(g);
  g.HP = 0;  // a turn end would show the game-over screen
  g.x = 32;
  g.y = 39;
  g.tf = 3;
  con.feed(kDown + kDown);
  EXPECT_EQ(mainLoop(ctx), Ending::LevelSave);
  EXPECT_EQ(row(0), "");
  EXPECT_EQ(con.unread(), kDown);
}

TEST_F(GateEvents, StartAfterTheLevelSaveIsTheStartCellOfAFreshMap) {
  giveDistinctValues(g);
  placeAt({32, 39});
  dispatch(ctx, key::Down);
  ASSERT_EQ(ctx.ending, Ending::LevelSave);

  Game next;
  MemoryConsole screen;
  Context nctx{next, screen, archive, [] { return 3u; }};
  startUp(nctx);
  EXPECT_EQ((Cell{next.x, next.y}), (Cell{1, 20}));
  EXPECT_EQ(next.HP, 4321);
  EXPECT_EQ(next.GOLD, 777);
  EXPECT_EQ(next.sd, 11);
  EXPECT_EQ(next.qt_tot, 2);
  EXPECT_EQ(next.Map[33][39], '?');
  EXPECT_EQ(next.Map[1][31], '?');
  EXPECT_EQ(screen.screen().cell(20, 1).byte, '&');
}

TEST_F(GateEvents, DeathGateKillsWhateverTheHitPoints) {
  g.HP = 500000;
  g.GAMEOVER = 'M';
  ASSERT_TRUE(pressFrom({32, 41}, key::Down));
  EXPECT_EQ(g.HP, 0);
  EXPECT_EQ(g.GAMEOVER, '?');
  EXPECT_EQ(cell(33, 41), ' ');
  EXPECT_TRUE(turnEnd(ctx));
  EXPECT_EQ(ctx.ending, Ending::GameOver);
}

TEST_F(GateEvents, WarningCellCoversTheFarRespawnPointAndOpensRow17Westward) {
  mapPrint(g, con);
  ASSERT_TRUE(pressFrom({33, 34}, key::Up));
  EXPECT_EQ((Cell{g.x, g.y}), (Cell{32, 34}));
  EXPECT_EQ(text(110, 29, 6), "回去扫");
  EXPECT_EQ(text(110, 30, 6), "荡QWQ!");
  EXPECT_EQ(text(113, 31, 1), " ");
  EXPECT_EQ(text(51, 17, 1), "(");
  EXPECT_EQ(cell(32, 34), ' ');
  EXPECT_EQ(cell(31, 113), ' ');
  EXPECT_EQ(cell(30, 110), '#');
  EXPECT_EQ(cell(17, 51), '(');
  // In the map the label and the arrow stay.
  EXPECT_EQ(utf8(std::string(g.Map[29].data() + 110, 6)), "重生点");
  EXPECT_EQ(std::string(g.Map[30].data() + 111, 5), "<----");
}

TEST_F(GateEvents, AfterTheWarningTheFarRespawnPointIsAWallAndRow17LeadsWest) {
  ASSERT_TRUE(pressFrom({33, 34}, key::Up));
  EXPECT_FALSE(pressFrom({31, 110}, key::Up));
  EXPECT_EQ((Cell{g.x, g.y}), (Cell{31, 110}));
  EXPECT_EQ(readArchiveFile("X"), "<missing>");
  ASSERT_TRUE(pressFrom({17, 52}, key::Left));
  EXPECT_EQ((Cell{g.x, g.y}), (Cell{17, 50}));
  // The former one-way door of row 31 is floor both ways.
  ASSERT_TRUE(pressFrom({31, 112}, key::Right));
  ASSERT_TRUE(press(key::Left));
  EXPECT_EQ((Cell{g.x, g.y}), (Cell{31, 112}));
}

TEST_F(GateEvents, FullRedrawAfterTheWarningShowsTheLabelAgainWithAWall) {
  ASSERT_TRUE(pressFrom({33, 34}, key::Up));
  fullRedraw(ctx);
  EXPECT_EQ(text(110, 29, 6), "重生点");
  EXPECT_EQ(text(110, 30, 6), "#<----");
}

struct RespawnCase {
  Cell from;
  Cell point;
};

TEST_F(GateEvents, RespawnPointsSaveTheirOwnCellAndTheGameGoesOn) {
  const RespawnCase cases[] = {{{31, 110}, {30, 110}}, {{35, 75}, {34, 75}}};
  for (const RespawnCase& c : cases) {
    std::filesystem::remove_all(dir.path());
    std::filesystem::create_directories(dir.path());
    Game fresh;
    MemoryConsole screen;
    Context fctx{fresh, screen, archive, [] { return 0u; }};
    giveDistinctValues(fresh);
    fresh.x = c.from.row;
    fresh.y = c.from.col;
    ASSERT_TRUE(runRuleChain(fctx, key::Up)) << c.point;
    EXPECT_EQ(fctx.ending, Ending::Running);
    EXPECT_EQ((Cell{fresh.x, fresh.y}), c.point);
    EXPECT_EQ(fresh.Map[static_cast<size_t>(c.point.row)][static_cast<size_t>(c.point.col)], ' ');
    EXPECT_EQ(archiveFiles(), savedValues(std::to_string(c.point.row), std::to_string(c.point.col))) << c.point;
  }
}

TEST_F(GateEvents, StartFromARespawnSaveStandsOnThePointWhichIsThenSpent) {
  giveDistinctValues(g);
  ASSERT_TRUE(pressFrom({35, 75}, key::Up));

  Game next;
  MemoryConsole screen;
  Context nctx{next, screen, archive, [] { return 3u; }};
  startUp(nctx);
  EXPECT_EQ((Cell{next.x, next.y}), (Cell{34, 75}));
  EXPECT_EQ(next.HP, 4321);
  EXPECT_EQ(next.Map[34][75], ' ');
  EXPECT_EQ(next.Map[30][110], '?');  // the other point is armed
  EXPECT_EQ(screen.screen().cell(75, 34).byte, '&');
  // Down and up again: an ordinary step, no second save.
  std::filesystem::remove(archive.fileOf("X"));
  ASSERT_TRUE(runRuleChain(nctx, key::Down));
  ASSERT_TRUE(runRuleChain(nctx, key::Up));
  EXPECT_EQ((Cell{next.x, next.y}), (Cell{34, 75}));
  EXPECT_EQ(readArchiveFile("X"), "<missing>");
}

}  // namespace
}  // namespace vm::test
