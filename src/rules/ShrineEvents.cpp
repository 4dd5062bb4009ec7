#include "rules/ShrineEvents.h"

#include "main/SharedOps.h"
#include "rules/Talents.h"

namespace vm {

namespace {

// The box is redrawn at once; for poison that is a tick of its own, on top
// of the one the next pass of the main loop brings. The archive keeps the
// drawn talent: a new start forgets the shrine.
EventEffect takeTalent(int talent) {
  return [talent](Context& c, const Firing& f) {
    step(c, f.key);
    mapCell(c.g, f.mechanism) = ' ';
    c.g.tf = talent;
    tfsc(c);
  };
}

}  // namespace

std::vector<FixedCellEvent> shrineEvents() {
  // The three cells of column 111 touch: once one is spent, its neighbours
  // above and below are entered from it.
  // clang-format off
  return concatenated({
      //         mechanism              cell        effect
      fourSided("self-destruct cell",  {35, 117}, takeTalent(1)),
      fourSided("poison cell",         {35, 111}, takeTalent(2)),
      fourSided("heal cell",           {34, 111}, takeTalent(0)),
      fourSided("no-talent cell",      {33, 111}, takeTalent(3)),
  });
  // clang-format on
}

}  // namespace vm
