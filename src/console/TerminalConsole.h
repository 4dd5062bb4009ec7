#pragma once

#include <string>

#include "console/Console.h"

namespace vm {

// The console on a real terminal or a pipe. The picture is kept as a
// ScreenModel of 122 x 61 cells and sent as a VT100/xterm byte stream in
// UTF-8; only what changed is sent, before every blocking read and pause.
// Standard input is raw keys on a terminal, or one byte stream when piped.
class TerminalConsole : public ModelConsole, private ByteSource {
 public:
  TerminalConsole(int inFd, int outFd);
  ~TerminalConsole() override;
  TerminalConsole(const TerminalConsole&) = delete;
  TerminalConsole& operator=(const TerminalConsole&) = delete;

  int GetKey() override;
  void Sleep(int ms) override;
  LineReader& In() override { return reader_; }

  // Sends what changed since the last flush.
  void flush();
  // Puts the terminal back as it was found (idempotent).
  void restore();

 private:
  int next() override;
  int peekFollowing() override;
  int readByte(bool block);
  std::optional<std::string> readLine();

  int inFd_;
  int outFd_;
  bool inTty_;
  bool outTty_;
  std::string pending_;  // input bytes read but not used yet
  bool inputEnded_ = false;
  LineReader reader_;
  ScreenModel shown_;  // what the terminal shows
  bool started_ = false;
  bool restored_ = false;
};

}  // namespace vm
