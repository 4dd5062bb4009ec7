#include "MeteredTerminal.h"

#include <sys/socket.h>

#include <array>

#include "ScriptFile.h"
#include "main/GameLoop.h"

namespace vm::bench {

int MeteredTerminal::GetKey() {
  flush();
  marks_.push_back({bytesWritten(), drain(), screen()});
  return TerminalConsole::GetKey();
}

int MeteredTerminal::drain() {
  static std::array<char, 1 << 16> packet;
  int n = 0;
  while (recv(drainFd_, packet.data(), packet.size(), MSG_DONTWAIT) >= 0) ++n;
  return n;
}

Recording record(const BenchSetup& setup, std::string_view keys) {
  TempArchive archive;
  setup.seed(archive.archive());
  Game g;
  setup.prepare(g);
  Fd in(openScript(keys));
  int ends[2];
  if (socketpair(AF_UNIX, SOCK_SEQPACKET | SOCK_CLOEXEC, 0, ends) != 0) ends[0] = ends[1] = -1;
  Fd out(ends[0]);
  Fd drain(ends[1]);
  MeteredTerminal con(in.get(), out.get(), drain.get());
  Context ctx{g, con, archive.archive(), [] { return 0u; }};
  Recording r;
  r.ending = runGame(ctx);
  con.restore();
  r.marks = con.marks();
  return r;
}

}  // namespace vm::bench
