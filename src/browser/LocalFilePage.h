#pragma once

#include <string>

#include "browser/LocalFileKind.h"

namespace corvane {

// Corvane's page for a local file the pane does not show itself: it names the file, says why it
// is not shown, and has one button that opens it in the desktop's application for it. Plain HTML
// without scripts; the button is a link to `openAddress`, which the pane catches rather than
// loads.
class LocalFilePage {
 public:
  // `application`: the name of the desktop's application for the file; empty when unknown.
  LocalFilePage(std::string path, const LocalFileKind& kind, std::string application,
                std::string openAddress);

  // The file's name: the page's title, and so the pane's "Page Title:".
  std::string title() const;
  std::string html() const;
  // "Open with <application>", or with the desktop's default application when none is known.
  std::string buttonText() const;

 private:
  std::string path_;
  LocalFileKind kind_;
  std::string application_;
  std::string openAddress_;
};

}  // namespace corvane
