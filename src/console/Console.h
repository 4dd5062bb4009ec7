#pragma once

#include <string>
#include <string_view>

#include "console/KeyDecoder.h"
#include "console/LineReader.h"
#include "console/ScreenModel.h"

namespace vm {

// The only way game code reaches the screen and the keyboard. Text is GBK,
// one byte per cell; positions name the column first and the row second.
class Console {
 public:
  virtual ~Console() = default;

  // Blanks the whole screen; output continues at column 0, row 0.
  virtual void Clear() = 0;
  // Asks for a console of cols x rows.
  virtual void Size(int cols, int rows) = 0;
  virtual void HideCursor() = 0;
  // Text from (col, row) rightwards in the current colour; output continues
  // right behind it.
  virtual void Cout(int col, int row, std::string_view text) = 0;
  // Blocks for one key and returns its scan code (see key::), or
  // key::EndOfInput when input has ended.
  virtual int GetKey() = 0;
  // Colour of all later output, by Cout and by the output stream alike.
  virtual void TextColor(int fg, int bg) = 0;
  // The program's standard output: text from the output position, '\n'
  // ending a line.
  virtual void Print(std::string_view text) = 0;
  // Shows everything drawn so far, then waits `ms` milliseconds.
  virtual void Sleep(int ms) = 0;
  // The program's standard input, for typed answers.
  virtual LineReader& In() = 0;

  // The program's own colour routine: foreground in the low four bits, on black.
  void color(int attr) { TextColor(attr & 0x0F, 0); }
};

// Decimal text of a value, negative ones with a leading "-".
inline std::string inttostr(int v) { return std::to_string(v); }

// A console whose picture is a ScreenModel; the implementations differ only
// in where keys and answers come from and whether the picture is sent on.
class ModelConsole : public Console {
 public:
  ModelConsole(int width, int height) : screen_(width, height) {}

  void Clear() override { screen_.clear(); }
  void Size(int, int) override {}
  void HideCursor() override { cursorHidden_ = true; }
  void Cout(int col, int row, std::string_view text) override {
    screen_.moveTo(col, row);
    screen_.write(text);
  }
  void TextColor(int fg, int bg) override { screen_.setColor(fg, bg); }
  void Print(std::string_view text) override { screen_.write(text); }

  const ScreenModel& screen() const { return screen_; }
  ScreenModel& screen() { return screen_; }
  bool cursorHidden() const { return cursorHidden_; }

 protected:
  ScreenModel screen_;
  bool cursorHidden_ = false;
};

}  // namespace vm
