#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "console/Renderer.h"
#include "main/GameLoop.h"
#include "main/SharedOps.h"
#include "rules/Talents.h"
#include "screens/StatusPanel.h"
#include "support/Emulator.h"
#include "support/GameFixture.h"
#include "unit/renderer_check.h"

namespace vm::test {
namespace {

// The real game screens through the renderer, as the terminal console sends
// them before each key.
class RendererGameTest : public GameFixture {
 protected:
  size_t flush() {
    std::string out;
    renderer.render(con.screen(), out);
    stream += out;
    return out.size();
  }
  // One loop pass after a key: the panel and the talent box are drawn again.
  void pass() {
    drawStatusPanel(g, con);
    tfsc(ctx);
  }
  // The top-left cell of a 2 x 2 block of floor, to walk round in.
  std::pair<int, int> openSquare() const {
    for (int r = 1; r + 1 < kRows; ++r)
      for (int c = 20; c + 1 < kCols; ++c)
        if (cell(r, c) == ' ' && cell(r, c + 1) == ' ' && cell(r + 1, c) == ' ' && cell(r + 1, c + 1) == ' ')
          return {r, c};
    return {-1, -1};
  }

  Renderer renderer{122, 61};
  std::string stream;
};

size_t median(std::vector<size_t> v) {
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

TEST_F(RendererGameTest, FirstScreenIsShownCellForCell) {
  startUp(ctx);
  pass();
  const size_t bytes = flush();
  // Every cell of the 37 x 119 map once, Chinese text at 3 bytes for two
  // cells, comes to about 4,540 bytes; erasing blank runs does better.
  EXPECT_LT(bytes, 4540u);
  EXPECT_EQ(differences(emulate(stream), con.screen()), "");
}

TEST_F(RendererGameTest, StepsCostAFewBytesAndRedrawsStayBelowAPlainReprint) {
  startUp(ctx);
  pass();
  flush();
  auto [row, col] = openSquare();
  ASSERT_GE(row, 0);
  con.Cout(g.y, g.x, " ");
  g.x = row;
  g.y = col;
  con.Cout(g.y, g.x, "&");
  pass();
  flush();

  std::vector<size_t> steps;
  const int round[] = {key::Right, key::Down, key::Left, key::Up};
  for (int i = 0; i < 100; ++i) {
    step(ctx, round[i % 4]);
    pass();
    steps.push_back(flush());
  }
  EXPECT_LE(median(steps), 12u);
  EXPECT_LE(*std::max_element(steps.begin(), steps.end()), 16u);

  fullRedraw(ctx);
  renderer.repaintAll();  // what the terminal console does on Clear
  const size_t redraw = flush();
  EXPECT_GT(redraw, 3000u);
  EXPECT_LT(redraw, 4540u);
  EXPECT_EQ(differences(emulate(stream), con.screen()), "");
}

}  // namespace
}  // namespace vm::test
