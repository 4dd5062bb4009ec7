#include <string>
#include <string_view>
#include <vector>

#include "game/Arith.h"
#include "rules/PanelValueRow.h"
#include "rules/TalentBox.h"
#include "rules/Talents.h"

namespace vm {

namespace {

// A piece of an animation frame, placed relative to the player.
struct FramePart {
  int dRow;
  int dCol;
  const char* text;
};

struct Frame {
  std::vector<FramePart> parts;
  bool pauseAfter;  // the last frame stays until the game goes on
};

constexpr int kFramePauseMs = 100;

// The blast: a 3 by 3 ring, the player alone, a 5 by 5 ring, the cleared
// 5 by 7 block with the player in its middle.
const Frame kFrames[] = {
    {{{-1, -1, "***"}, {0, -1, "* *"}, {1, -1, "***"}}, true},
    {{{-1, -1, "   "}, {0, -1, " & "}, {1, -1, "   "}}, true},
    {{{-2, -2, "*****"}, {-1, -2, "*   *"}, {0, -2, "*   *"}, {1, -2, "*   *"}, {2, -2, "*****"}}, true},
    {{{-2, -3, "       "}, {-1, -3, "       "}, {0, -3, "   &   "}, {1, -3, "       "}, {2, -3, "       "}}, false},
};

// The block the blast clears, centred on the player.
constexpr int kBlockHalfRows = 2;
constexpr int kBlockHalfCols = 3;

// Near the top or left edge of the screen a frame part is cut where the
// screen begins; what remains is drawn from column 0.
void coutClipped(Console& con, int col, int row, std::string_view text) {
  if (row < 0) return;
  if (col < 0) {
    size_t cut = static_cast<size_t>(-static_cast<long long>(col));
    if (cut >= text.size()) return;
    text.remove_prefix(cut);
    col = 0;
  }
  con.Cout(col, row, text);
}

void playFrames(Context& c) {
  for (const Frame& f : kFrames) {
    for (const FramePart& p : f.parts) coutClipped(c.con, c.g.y + p.dCol, c.g.x + p.dRow, p.text);
    if (f.pauseAfter) c.con.Sleep(kFramePauseMs);
  }
}

// Whatever the block held goes, walls and monsters alike; only the part of
// it that lies on the grid is touched, never the zero bytes ending a row.
void clearBlock(Game& g) {
  for (int r = g.x - kBlockHalfRows; r <= g.x + kBlockHalfRows; ++r)
    for (int col = g.y - kBlockHalfCols; col <= g.y + kBlockHalfCols; ++col)
      if (Game::onGrid(r, col)) g.Map[static_cast<size_t>(r)][static_cast<size_t>(col)] = ' ';
}

}  // namespace

void selfDestruct(Context& c) {
  playFrames(c);
  clearBlock(c.g);
  c.g.HP = 1;
  c.g.zb = satSub(c.g.zb, 1);
  redrawPanelValue(c.g, c.con, 2);
  c.con.Cout(kTalentBoxCol, kTalentBoxTopRow, "|                 |");
  c.con.Cout(kTalentBoxCol, kTalentBoxTopRow, selfDestructTitle(c.g.zb));
}

}  // namespace vm
