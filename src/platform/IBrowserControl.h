#pragma once

#include <cstdint>
#include <string>

namespace corvane {

class IBrowserEvents;

// Document commands of ExecWB and the execution options the menus pass with them.
enum ExecWBCommand : int32_t {
  OLECMDID_SAVEAS = 4,
  OLECMDID_PRINT = 6,
  OLECMDID_PAGESETUP = 8,
  OLECMDID_CUT = 11,
  OLECMDID_COPY = 12,
  OLECMDID_PASTE = 13,
  OLECMDID_SELECTALL = 17,
};
enum ExecWBOption : int32_t {
  OLECMDEXECOPT_DODEFAULT = 0,
  OLECMDEXECOPT_PROMPTUSER = 1,
};

// Command ids of CommandStateChange.
inline constexpr int32_t CSC_NAVIGATEFORWARD = 1;
inline constexpr int32_t CSC_NAVIGATEBACK = 2;

// One pane's hosted browser: renders pages, keeps its own history, reports through IBrowserEvents.
// Strings are UTF-8. Every call returns at once; outcomes arrive as events on the UI thread.
class IBrowserControl {
 public:
  IBrowserControl() = default;
  IBrowserControl(const IBrowserControl&) = delete;
  IBrowserControl& operator=(const IBrowserControl&) = delete;
  virtual ~IBrowserControl() = default;

  // Starts loading an address as a user typed it (web address, host, path, view-source:...).
  // What it cannot open gets a page saying why, whose load ends without NavigateComplete2.
  virtual void Navigate(const std::string& address) = 0;
  // Steps back or forward through the control's own history.
  virtual void GoBack() = 0;
  virtual void GoForward() = 0;
  // Ends the current load.
  virtual void Stop() = 0;
  // Reloads the current page.
  virtual void Refresh() = 0;
  // Runs a document command (save as, print, page setup, cut, copy, paste, select all).
  virtual void ExecWB(int32_t command, int32_t option) = 0;
  // Address of the page shown (for a page saying an address cannot be opened, that address).
  virtual std::string LocationURL() const = 0;
  // Title of the page shown (its address while it has none).
  virtual std::string LocationName() const = 0;
  // True from a Navigate call, or the start of any other load, to the end of the load.
  virtual bool Busy() const = 0;
  // Takes the keyboard focus so that keystrokes sent next reach the page.
  virtual void SetFocus() = 0;
  // Where the events go; nullptr stops them. Not owned.
  virtual void SetEventSink(IBrowserEvents* sink) = 0;
};

}  // namespace corvane
