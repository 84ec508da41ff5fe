#pragma once

#include <cstddef>
#include <map>
#include <optional>
#include <string>
#include <utility>

namespace corvane {

// The pages a browser control shows in place of what it was asked for, each known by the
// engine's address of it: Corvane's own "cannot open" page for a text that is no address, and a
// local file's stand-in (its text, or a page naming it with a button that opens it on the
// desktop). The control reports the address a stand-in stands for, so that the pane sees the
// text typed or the file, never the stand-in; Back and Forward can return to any of them.
class StandInPages {
 public:
  // `buttonBase`: the address the "Open with" buttons' addresses start with, drawn afresh for
  // each control so that no web page can name one.
  explicit StandInPages(std::string buttonBase);

  // The "cannot open" page at `page` stands for the text typed.
  void addCannotOpen(const std::string& page, const std::string& typed);
  // The page at `page` stands for the local file at `fileAddress`.
  void addFile(const std::string& page, const std::string& fileAddress);
  // The address for the next "Open with" button; it opens `path` once added with the page it is
  // on.
  std::string nextButton() const;
  void addButton(const std::string& button, const std::string& page, const std::string& path);

  // The address the control reports for the engine's `address`: a stand-in's is what it stands
  // for, any other address is itself.
  std::string reported(const std::string& address) const;
  bool isCannotOpen(const std::string& address) const;
  // A title as the control reports it for the page at `address`: none while a "cannot open"
  // page has only the engine's stand-in title, and none for a file's stand-in, which is named as
  // the file is, by its address.
  std::string title(const std::string& title, const std::string& address) const;

  // Whether `address` is one of the buttons' addresses.
  bool isButton(const std::string& address) const;
  // The file the button at `address` opens when followed from the page at `from`: only from its
  // own page, so a button's address followed anywhere else opens nothing.
  std::optional<std::string> buttonFile(const std::string& address, const std::string& from) const;

 private:
  std::string buttonBase_;
  std::map<std::string, std::string> cannotOpen_;
  std::map<std::string, std::string> files_;
  // Each button's page and file.
  std::map<std::string, std::pair<std::string, std::string>> buttons_;
};

}  // namespace corvane
