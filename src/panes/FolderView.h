#pragma once

#include <string>

#include "panes/Pane.h"
#include "panes/PaneNavigation.h"
#include "platform/IFileDialog.h"

namespace corvane {

enum class FolderStep { Backward, Forward };

// A pane's folder view: the pane pages through the files of one local folder with its toolbar's
// Back and Forward buttons, like a slide show. Opening a local file switches it on for that file's
// folder; a completed plain web load switches it off again (the pane's navigation does that).
//
// Each pane has its own sets of file types to show, one per direction: the top pane shows word
// processor and text files only when stepping forward, the bottom pane only when stepping back.
class FolderView {
 public:
  FolderView(Pane& pane, PaneNavigation& navigation, IFileDialog& fileDialog);
  FolderView(const FolderView&) = delete;
  FolderView& operator=(const FolderView&) = delete;

  // Asks for a file, shows it in the pane and switches folder view on for its folder. A cancelled
  // dialog changes nothing. A failing step ends the operation with the steps before it done.
  void OpenLocalFile();

  // One step through the folder listing. A file of the direction's types is shown; any other
  // file becomes current without changing the page, and the next step moves on from it.
  // Failures are ignored statement by statement.
  void StepFolder(FolderStep direction);

  // The folder part of a path or a file address, up to and including the last "/"; "" for a
  // bare name. A file address ("file:///home/me/My%20Photos/a.jpg") gives the real folder, its
  // escapes decoded ("/home/me/My Photos/").
  static std::string GetPath(const std::string& FileN);

 private:
  // Shows the listing's current entry if its name holds one of the extensions.
  void showCurrent(FolderStep direction);

  Pane& pane_;
  PaneNavigation& navigation_;
  IFileDialog& fileDialog_;
};

}  // namespace corvane
