#include "archive/Archive.h"

#include <unistd.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <span>

#include "archive/ArchiveFormat.h"
#include "archive/AtomicFile.h"

namespace vm {

namespace {

// ---- Load ----------------------------------------------------------------

// One file of the load: its key, the variable a number file fills, and how
// the file is read. A file that cannot be opened, or holds nothing usable,
// leaves the game as it was.
struct LoadRow {
  std::string_view key;
  int Game::*number;  // nullptr for the name and the item list
  void (*load)(const Archive&, const LoadRow&, Game&);
};

void loadNumber(const Archive& a, const LoadRow& r, Game& g) { a.readNumber(r.key, g.*r.number); }

void loadName(const Archive& a, const LoadRow& r, Game& g) {
  std::ifstream in(a.fileOf(r.key), std::ios::binary);
  if (!in) return;
  if (std::optional<std::string> word = extractWord(in)) g.name = std::move(*word);
}

// The list shows and uses its first hundred lines; the rest are kept aside
// so that the next save writes the whole file back.
void loadItems(const Archive& a, const LoadRow& r, Game& g) {
  std::ifstream in(a.fileOf(r.key), std::ios::binary);
  if (!in) return;
  std::vector<std::string> lines = readLines(in);
  auto used = static_cast<std::ptrdiff_t>(std::min<size_t>(lines.size(), kItemCapacity));
  std::fill(g.qt.begin(), g.qt.end(), std::string());
  std::move(lines.begin(), lines.begin() + used, g.qt.begin() + 1);
  g.qt_tot = static_cast<int>(used);
  g.qtOverflow.assign(std::make_move_iterator(lines.begin() + used), std::make_move_iterator(lines.end()));
}

const LoadRow kLoadOrder[] = {
    {"tf", &Game::tf, loadNumber},
    {"X", &Game::x, loadNumber},
    {"Y", &Game::y, loadNumber},
    {"HP", &Game::HP, loadNumber},
    {"ATK", &Game::ATK, loadNumber},
    {"DEF", &Game::DEF, loadNumber},
    {"FirstKey", &Game::FirstKey, loadNumber},
    {"SecondKey", &Game::SecondKey, loadNumber},
    {"ThirdKey", &Game::ThirdKey, loadNumber},
    {"Weapons", &Game::Weapons, loadNumber},
    {"Armor", &Game::Armor, loadNumber},
    {"GOLD", &Game::GOLD, loadNumber},
    {"name", nullptr, loadName},
    {"ks", &Game::ks, loadNumber},
    {"tj", &Game::tj, loadNumber},
    {"jj", &Game::jj, loadNumber},
    {"sj", &Game::sj, loadNumber},
    {"td", &Game::td, loadNumber},
    {"jd", &Game::jd, loadNumber},
    {"sd", &Game::sd, loadNumber},
    {"qt", nullptr, loadItems},
};

// ---- Save sets -----------------------------------------------------------

// One file of a save set: a number file saves a variable of the game or a
// fixed value; the item file saves the list.
struct SaveRow {
  std::string_view key;
  int Game::*number;  // nullptr: `fixed` is saved
  int fixed;
  bool items;
};

constexpr SaveRow saved(std::string_view key, int Game::*number) { return {key, number, 0, false}; }
constexpr SaveRow fixed(std::string_view key, int value) { return {key, nullptr, value, false}; }
constexpr SaveRow itemList() { return {"qt", nullptr, 0, true}; }

const SaveRow kAuthorSet[] = {
    saved("HP", &Game::HP),
    saved("ATK", &Game::ATK),
    saved("DEF", &Game::DEF),
    saved("FirstKey", &Game::FirstKey),
    saved("SecondKey", &Game::SecondKey),
    saved("ThirdKey", &Game::ThirdKey),
    saved("GOLD", &Game::GOLD),
};

// The next run after the life gate starts on the start cell; gk is written
// here and read nowhere.
const SaveRow kLevelSet[] = {
    fixed("X", 1),
    fixed("Y", 20),
    saved("HP", &Game::HP),
    saved("ATK", &Game::ATK),
    saved("DEF", &Game::DEF),
    saved("FirstKey", &Game::FirstKey),
    saved("SecondKey", &Game::SecondKey),
    saved("ThirdKey", &Game::ThirdKey),
    saved("Weapons", &Game::Weapons),
    saved("Armor", &Game::Armor),
    saved("GOLD", &Game::GOLD),
    fixed("gk", 2),
    saved("tj", &Game::tj),
    saved("jj", &Game::jj),
    saved("sj", &Game::sj),
    saved("td", &Game::td),
    saved("jd", &Game::jd),
    saved("sd", &Game::sd),
    itemList(),
};

// The next run after a respawn point starts on that point.
const SaveRow kRespawnSet[] = {
    saved("X", &Game::x),
    saved("Y", &Game::y),
    saved("HP", &Game::HP),
    saved("ATK", &Game::ATK),
    saved("DEF", &Game::DEF),
    saved("FirstKey", &Game::FirstKey),
    saved("SecondKey", &Game::SecondKey),
    saved("ThirdKey", &Game::ThirdKey),
    saved("Weapons", &Game::Weapons),
    saved("Armor", &Game::Armor),
    saved("GOLD", &Game::GOLD),
    saved("tj", &Game::tj),
    saved("jj", &Game::jj),
    saved("sj", &Game::sj),
    saved("td", &Game::td),
    saved("jd", &Game::jd),
    saved("sd", &Game::sd),
    itemList(),
};

// A file that cannot be written is skipped; the later ones are still tried.
void writeSet(const Archive& a, std::span<const SaveRow> set, const Game& g) {
  for (const SaveRow& r : set) {
    if (r.items)
      a.writeItems(g);
    else
      a.writeNumber(r.key, r.number ? g.*r.number : r.fixed);
  }
}

}  // namespace

std::filesystem::path Archive::fileOf(std::string_view key) const {
  return dir_ / ("system_" + std::string(key) + ".wxov");
}

void Archive::createDirectory() const {
  std::error_code ec;
  std::filesystem::create_directories(dir_, ec);
}

void Archive::load(Game& g) const {
  for (const LoadRow& r : kLoadOrder) r.load(*this, r, g);
}

bool Archive::writeNumber(std::string_view key, int value) const {
  return replaceFileAtomically(fileOf(key), numberText(value));
}

bool Archive::readNumber(std::string_view key, int& value) const {
  std::ifstream in(fileOf(key), std::ios::binary);
  if (!in) return false;
  std::optional<int> number = extractNumber(in);
  if (!number) return false;
  value = *number;
  return true;
}

bool Archive::writeItems(const Game& g) const { return replaceFileAtomically(fileOf("qt"), itemsText(g)); }

// Only a file goes: a directory that happens to carry the name stays.
void Archive::remove(std::string_view key) const { ::unlink(fileOf(key).c_str()); }

void Archive::writeAuthorSet(const Game& g) const { writeSet(*this, kAuthorSet, g); }
void Archive::writeLevelSet(const Game& g) const { writeSet(*this, kLevelSet, g); }
void Archive::writeRespawnSet(const Game& g) const { writeSet(*this, kRespawnSet, g); }

}  // namespace vm
