// vellmarch: a maze and role-playing game for the text terminal.

#include <pwd.h>
#include <unistd.h>

#include <CLI/CLI.hpp>
#include <chrono>
#include <cstdlib>
#include <iostream>
#include <random>

#include "archive/Archive.h"
#include "console/TerminalConsole.h"
#include "main/ArchivePath.h"
#include "main/GameLoop.h"

#ifndef VELLMARCH_VERSION
#define VELLMARCH_VERSION "0.0.0"
#endif

namespace {

// $HOME, or the home directory of the account when it is unset.
const char* homeDirectory() {
  const char* home = std::getenv("HOME");
  if (home != nullptr && *home != '\0') return home;
  const passwd* pw = getpwuid(getuid());
  return pw != nullptr ? pw->pw_dir : nullptr;
}

}  // namespace

int main(int argc, char** argv) {
  CLI::App app{"Vellmarch: a maze and role-playing game for the text terminal.", "vellmarch"};
  app.footer(
      "Keys: arrows move; B help, M inventory, A talent, Z reset, P author editor.\n"
      "When standard input is not a terminal it is read as one stream of keys and\n"
      "typed answers, and the screen is drawn as 122 x 61 (see README.md).\n");
  app.set_version_flag("--version", std::string("vellmarch ") + VELLMARCH_VERSION);
  std::string archiveDir;
  app.add_option("--archive", archiveDir,
                 "Directory of the archive (default: $VELLMARCH_ARCHIVE, else "
                 "$XDG_DATA_HOME/vellmarch/game_archive, else ~/.local/share/vellmarch/game_archive)")
      ->type_name("DIR")
      ->check(
          [](const std::string& dir) { return dir.empty() ? std::string("DIR must not be empty") : std::string(); });
  try {
    app.parse(argc, argv);
  } catch (const CLI::CallForHelp& e) {
    return app.exit(e);
  } catch (const CLI::CallForVersion& e) {
    return app.exit(e);
  } catch (const CLI::ParseError& e) {
    std::cerr << "vellmarch: " << e.what() << "\nRun with --help for the options.\n";
    return 2;
  }

  vm::Archive archive(archiveDir.empty() ? vm::defaultArchiveDir(std::getenv("VELLMARCH_ARCHIVE"),
                                                                 std::getenv("XDG_DATA_HOME"), homeDirectory())
                                         : std::filesystem::path(archiveDir));
  vm::TerminalConsole console(STDIN_FILENO, STDOUT_FILENO);
  vm::Game game;
  vm::Context context{game, console, archive, [] {
                        // Seeded from the clock in seconds on every draw.
                        auto seconds = std::chrono::duration_cast<std::chrono::seconds>(
                            std::chrono::system_clock::now().time_since_epoch());
                        std::minstd_rand rng(static_cast<unsigned>(seconds.count()));
                        return static_cast<unsigned>(rng());
                      }};
  vm::Ending ending = vm::runGame(context);
  if (ending != vm::Ending::InputEnded) vm::exitPause(console);
  console.flush();
  console.restore();
  return 0;
}
