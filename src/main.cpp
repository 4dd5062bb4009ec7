// vellmarch: a maze and role-playing game for the text terminal.

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

int main(int argc, char** argv) {
  CLI::App app{
      "Vellmarch: a maze and role-playing game for the text terminal.\n"
      "Arrow keys move; B help, M inventory, A talent, Z reset."};
  app.set_version_flag("--version", std::string("vellmarch ") + VELLMARCH_VERSION);
  std::string archiveDir;
  app.add_option("--archive", archiveDir,
                 "Directory of the archive (default: $VELLMARCH_ARCHIVE, else "
                 "$XDG_DATA_HOME/vellmarch/game_archive, else ~/.local/share/vellmarch/game_archive)")
      ->type_name("DIR");
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
                                                                 std::getenv("XDG_DATA_HOME"), std::getenv("HOME"))
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
