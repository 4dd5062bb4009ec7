#include "archive/SaveSets.h"

#include "archive/Archive.h"

namespace vm {

void levelSave(Context& c) {
  c.con.Clear();
  c.archive.writeLevelSet(c.g);
  c.ending = Ending::LevelSave;
}

void respawnSave(Context& c) { c.archive.writeRespawnSet(c.g); }

void authorSave(Context& c) { c.archive.writeAuthorSet(c.g); }

}  // namespace vm
