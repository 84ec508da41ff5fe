#pragma once

#include <string>

#include "layout/Layout.h"
#include "panes/PaneController.h"

namespace corvane {

// The about box's logic (frmAbout): its version text, and its link, which shows the product's
// web site in the main window's top pane alone. The box keeps no data of its own.
class AboutBox {
 public:
  // The window whose top pane the link uses: its layout and its top pane. siteRoot: the web
  // site's root address, the top pane's default online home page.
  AboutBox(Layout& layout, PaneController& topPane, std::string siteRoot);
  AboutBox(const AboutBox&) = delete;
  AboutBox& operator=(const AboutBox&) = delete;

  // "Version " + major + "." + minor, in plain decimal.
  static std::string VersionText(int major, int minor);

  // The link: the site's address into the top address box, the top pane goes there, and the
  // view shows the top pane alone. The box stays open.
  void lblURL_Click();

 private:
  Layout& layout_;
  PaneController& topPane_;
  std::string siteRoot_;
};

}  // namespace corvane
