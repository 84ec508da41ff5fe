#include "dialogs/TipOfTheDay.h"

#include <charconv>
#include <cmath>
#include <exception>
#include <filesystem>
#include <fstream>
#include <utility>

#include "base/Guarded.h"
#include "dialogs/SingleByteText.h"

namespace corvane {

namespace {
constexpr const char* kOn = "1";
constexpr const char* kOff = "0";
}  // namespace

bool TipsSwitchedOff(const std::string& stored) {
  const auto first = stored.find_first_not_of(" \t");
  if (first == std::string::npos) return false;
  const auto last = stored.find_last_not_of(" \t");
  const char* begin = stored.data() + first;
  const char* end = stored.data() + last + 1;
  double value = 0;
  const auto [parsedTo, error] = std::from_chars(begin, end, value);
  return error == std::errc() && parsedTo == end && value == 0;
}

TipOfTheDay::TipOfTheDay(ITipWindowView& view, ISettingsStore& store, IRandom& random,
                         IMessageBox& messages, std::string appName, std::string programFolder)
    : view_(view),
      store_(store),
      random_(random),
      messages_(messages),
      appName_(std::move(appName)),
      programFolder_(std::move(programFolder)) {}

void TipOfTheDay::Form_Load() {
  std::string stored = kOn;
  guarded([&] { stored = store_.GetSetting(appName_, kSection, kKey, kOn); });
  if (TipsSwitchedOff(stored)) {
    guarded([&] { view_.Unload(); });
    return;
  }
  // Checking the box is a change of it, which is stored. Tips are on already (that is why the
  // window stays), so a store that can't be written changes nothing the user would see.
  guarded([&] { view_.SetLoadTipsAtStartup(true); });
  guarded([&] { storeChoice(); });
  guarded([&] { random_.Randomize(); });
  bool loaded = false;
  guarded([&] { loaded = LoadTips(programFolder_ + "/" + kTipsFile); });
  if (!loaded) guarded([&] { view_.SetTipText(NotFoundMessage()); });
}

bool TipOfTheDay::LoadTips(const std::string& path) {
  if (path.empty()) return false;
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error)) return false;
  // A file that is there but cannot be opened is as good as missing to the user: the message
  // that it was not found tells them how to put a readable one in its place.
  std::ifstream file(path, std::ios::binary);
  if (!file.is_open()) return false;
  std::string line;
  while (std::getline(file, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (!line.empty()) tips_.push_back(ToUtf8(line));
  }
  file.close();
  PickRandomTip();
  return true;
}

void TipOfTheDay::PickRandomTip() {
  double r = random_.Rnd();
  if (!(r >= 0.0 && r < 1.0)) r = 0.0;
  currentTip_ = static_cast<int32_t>(std::floor(r * static_cast<double>(tips_.size()))) + 1;
  DisplayCurrentTip();
}

void TipOfTheDay::DisplayCurrentTip() {
  if (tips_.empty()) return;
  if (currentTip_ < 1 || static_cast<std::size_t>(currentTip_) > tips_.size()) return;
  view_.SetTipText(tips_[static_cast<std::size_t>(currentTip_) - 1]);
}

void TipOfTheDay::cmdNextTip_Click() { PickRandomTip(); }

void TipOfTheDay::cmdOK_Click() { view_.Unload(); }

std::string TipOfTheDay::storeChoice() {
  try {
    store_.SaveSetting(appName_, kSection, kKey, view_.LoadTipsAtStartup() ? kOn : kOff);
    return "";
  } catch (const std::exception& error) {
    return error.what();
  } catch (...) {
    return "the settings could not be written";
  }
}

void TipOfTheDay::chkLoadTipsAtStartup_Click() {
  const std::string failed = storeChoice();
  if (failed.empty()) return;
  // The box must not look saved when it is not: it shows what the next start will find.
  std::string stored = kOn;
  guarded([&] { stored = store_.GetSetting(appName_, kSection, kKey, kOn); });
  guarded([&] { view_.SetLoadTipsAtStartup(!TipsSwitchedOff(stored)); });
  messages_.MsgBox("Your choice for \"Show Tips at Startup\" could not be saved (" + failed +
                       "). It stays as it was.\n\nCheck that your settings folder may be "
                       "written to and that the disk is not full.",
                   MsgBoxButtons::OK, MsgBoxIcon::Exclamation, "");
}

std::string TipOfTheDay::NotFoundMessage() {
  const std::string newLine = "\r\n";
  return std::string("That the ") + kTipsFile + " file was not found? " + newLine + newLine +
         "Create a text file named " + kTipsFile + " using NotePad with 1 tip per line. " +
         "Then place it in the same directory as the application. ";
}

}  // namespace corvane
