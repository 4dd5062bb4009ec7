#include "support/Emulator.h"

#include <filesystem>
#include <sstream>
#include <stdexcept>

#include "support/Subprocess.h"

#ifndef VELLMARCH_EMULATOR_SCRIPT
#error "VELLMARCH_EMULATOR_SCRIPT must name tests/e2e/emulate.mjs"
#endif
#ifndef VELLMARCH_NODE
#define VELLMARCH_NODE "node"
#endif

namespace vm::test {

namespace {

std::string fromHex(const std::string& hex) {
  if (hex == "-") return {};
  if (hex.size() % 2 != 0) throw std::runtime_error("emulator: odd hex cell " + hex);
  std::string out;
  for (size_t i = 0; i < hex.size(); i += 2) out.push_back(static_cast<char>(std::stoi(hex.substr(i, 2), nullptr, 16)));
  return out;
}

EmulatedScreen parse(const std::string& text, int cols, int rows) {
  std::istringstream in(text);
  std::string tag, buffer;
  EmulatedScreen s;
  if (!(in >> tag >> s.cols >> s.rows >> s.cursorCol >> s.cursorRow >> buffer >> s.cursorHidden) || tag != "screen")
    throw std::runtime_error("emulator: no screen header in its output");
  if (s.cols != cols || s.rows != rows) throw std::runtime_error("emulator: screen of the wrong size");
  s.alternateBuffer = buffer == "alternate";
  s.cells.assign(static_cast<size_t>(rows), std::vector<EmulatedCell>(static_cast<size_t>(cols)));
  for (auto& row : s.cells) {
    for (EmulatedCell& cell : row) {
      std::string hex;
      if (!(in >> cell.width >> cell.fg >> cell.bg >> hex)) throw std::runtime_error("emulator: output cut short");
      cell.ch = fromHex(hex);
    }
  }
  return s;
}

}  // namespace

std::string EmulatedScreen::text(int col, int row, int count) const {
  std::string out;
  for (int c = col; c < col + count && c < cols; ++c) {
    const EmulatedCell& cell = at(c, row);
    if (cell.width == 0) continue;  // drawn by the wide character left of it
    out += cell.ch.empty() ? " " : cell.ch;
  }
  return out;
}

std::string EmulatedScreen::rowText(int row) const {
  std::string out = text(0, row, cols);
  out.erase(out.find_last_not_of(' ') + 1);
  return out;
}

EmulatedScreen emulate(std::string_view bytes, int cols, int rows) {
  const std::filesystem::path script = VELLMARCH_EMULATOR_SCRIPT;
  const std::filesystem::path package = script.parent_path() / "node_modules" / "@xterm" / "headless";
  if (!std::filesystem::exists(package))
    throw std::runtime_error("the terminal emulator is not installed: run `npm ci` in " +
                             script.parent_path().string());
  ScratchDir dir("vellmarch-emu-");
  const std::filesystem::path input = dir.path() / "output.bin";
  writeFile(input, bytes);
  ProcessResult r =
      runProcess({VELLMARCH_NODE, script.string(), input.string(), std::to_string(cols), std::to_string(rows)}, {},
                 currentEnvironment(), std::chrono::seconds(60));
  if (r.timedOut || r.exitStatus != 0)
    throw std::runtime_error("emulator failed (status " + std::to_string(r.exitStatus) + "): " + r.err);
  return parse(r.out, cols, rows);
}

}  // namespace vm::test
