#include "editor/AuthorEditor.h"

#include <string>

#include "archive/SaveSets.h"
#include "console/Gbk.h"
#include "main/SharedOps.h"

namespace vm {

namespace {

constexpr const char* kPassword = "rk-vud";
constexpr int kPermanent = 1;

// The edited values in the order they are asked for; these prompts end in
// a full-width colon.
struct EditedValue {
  const char* promptUtf8;
  int Game::*value;
};

const EditedValue kEditedValues[] = {
    {"请输入HP：", &Game::HP},
    {"请输入ATK：", &Game::ATK},
    {"请输入DEF：", &Game::DEF},
    {"请输入1号钥匙：", &Game::FirstKey},
    {"请输入2号钥匙：", &Game::SecondKey},
    {"请输入3号钥匙：", &Game::ThirdKey},
    {"请输入金钱：", &Game::GOLD},
};

// How a use of the editor ended.
enum class Outcome { Done, WrongPassword, BadAnswer };

// Asks for every value, each read straight into the game. False at the
// first answer that is not a number: the values before it keep what was
// typed, the rest stay as they were.
bool askValues(Context& c) {
  for (const EditedValue& v : kEditedValues) {
    c.con.Print(gbk(v.promptUtf8));
    if (!c.con.In().readInt(c.g.*v.value)) return false;
  }
  return true;
}

// After the password: the masked prompt, the permanence choice, the values
// and, on choice 1, the author save. A half-typed set is never saved.
Outcome unlockedDialog(Context& c) {
  c.con.Cout(0, 1, gbk("请输入解锁密码:******"));
  c.con.Print("\n");
  c.con.Print(gbk("是否永久更改[1为是,0为否]:"));
  int choice = 0;
  if (!c.con.In().readInt(choice) || !askValues(c)) return Outcome::BadAnswer;
  if (choice == kPermanent) authorSave(c);
  return Outcome::Done;
}

Outcome dialog(Context& c) {
  c.con.Print(gbk("-------------[作者专用]------------\n"));
  c.con.Print(gbk("请输入解锁密码:"));
  std::string word;
  c.con.In().readWord(word);
  if (word != kPassword) return Outcome::WrongPassword;
  return unlockedDialog(c);
}

}  // namespace

void authorEditor(Context& c) {
  c.con.Clear();
  Outcome outcome = dialog(c);
  c.con.Print(gbk(outcome == Outcome::Done ? "操作成功! (按下回车返回游戏)" : "输入错误! (按下回车返回游戏)"));
  // Normally the first character is the line end the last answer left
  // behind and the second the player's Enter. A bad answer took its whole
  // line with it, so only the Enter is left to wait for; a second read
  // would swallow the keys typed after it.
  if (outcome != Outcome::BadAnswer) c.con.In().get();
  c.con.In().get();
  fullRedraw(c);
}

}  // namespace vm
