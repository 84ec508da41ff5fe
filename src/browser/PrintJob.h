#pragma once

#include <string>

namespace corvane {

// One print of a pane's page into a PDF file. The engine writes under a temporary name beside
// the file, so that a file under the chosen name is always complete: only a finished print takes
// that name, replacing what was there, with the permissions of any file Corvane saves; a failed
// or cancelled one leaves the folder as it was.
// The engine cannot be stopped once it prints, so a cancelled print runs on and its file is
// thrown away when it ends.
//
//   Idle --start--> Running --finished(ok)--> Done (or Failed when the file cannot take its name)
//                     |  \--finished(!ok)--> Failed
//                     \--cancel--> Cancelling --finished--> Cancelled
//
// Done, Failed and Cancelled are ends: the next start begins again.
class PrintJob {
 public:
  enum class State { Idle, Running, Cancelling, Done, Failed, Cancelled };

  PrintJob() = default;
  PrintJob(const PrintJob&) = delete;
  PrintJob& operator=(const PrintJob&) = delete;

  // Begins a print into `target` and returns the name the engine is to write; throws
  // std::logic_error while a print runs.
  std::string start(const std::string& target);
  // The user gives the print up.
  void cancel();
  // The engine has finished writing the temporary file, successfully or not.
  void finished(bool ok);

  State state() const { return state_; }
  bool running() const { return state_ == State::Running || state_ == State::Cancelling; }
  // What the user is told now: the print running, the file complete, why it failed.
  std::string message() const;

  // The file the print dialog proposes for a page named pageName (a file name without its
  // ending): the page's own name, in the folder of the pane's last print to a file.
  static std::string ProposedFile(const std::string& lastTarget, const std::string& pageName);

 private:
  State state_ = State::Idle;
  std::string target_;
  std::string temp_;
  std::string failure_;
};

}  // namespace corvane
