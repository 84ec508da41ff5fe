#include "browser/CannotOpenPage.h"

#include <utility>

#include "base/HtmlText.h"

namespace corvane {

namespace {

const char kStyle[] =
    "body{font-family:sans-serif;max-width:42em;margin:3em auto;padding:0 1em;"
    "line-height:1.5;color:#222;background:#fff}"
    "h1{font-size:1.4em;font-weight:normal}"
    ".address{font-family:monospace;background:#f3f3f3;padding:.4em .6em;"
    "white-space:pre-wrap;overflow-wrap:anywhere}";

const char kWhatWorks[] =
    "Type a web address such as <code>http://www.example.com/</code> or "
    "<code>example.com</code>, or the path of a file on this computer such as "
    "<code>/home/you/page.html</code> or <code>~/page.html</code>.";

}  // namespace

CannotOpenPage::CannotOpenPage(std::string typed, AddressInput::Refusal why, std::string scheme)
    : typed_(std::move(typed)), why_(why), scheme_(std::move(scheme)) {}

std::string CannotOpenPage::title() const { return "Cannot open " + typed_; }

std::string CannotOpenPage::reason() const {
  switch (why_) {
    case AddressInput::Refusal::NoHost:
      return "This web address does not name a host (a site such as www.example.com) that "
             "Corvane could go to.";
    case AddressInput::Refusal::Script:
      return "This is a script, not an address. Corvane does not run scripts typed into the "
             "address box.";
    case AddressInput::Refusal::UnsupportedScheme:
      return "Corvane opens web pages (http: and https:) and files (file:), not addresses "
             "beginning with \"" +
             htmlEscaped(scheme_) + ":\".";
    case AddressInput::Refusal::WindowsPath:
      return "This is a Windows path. On Linux, files have no drive letters and their folders "
             "are separated by / rather than \\.";
    case AddressInput::Refusal::None:
    case AddressInput::Refusal::NotAnAddress:
      break;
  }
  return "This is neither a web address nor the path of a file.";
}

std::string CannotOpenPage::advice() const {
  if (why_ == AddressInput::Refusal::WindowsPath) {
    return "Type the Linux path of the file, such as <code>/home/you/notes.html</code> or "
           "<code>~/notes.html</code>.";
  }
  return kWhatWorks;
}

std::string CannotOpenPage::html() const {
  return "<!DOCTYPE html>\n<html lang=\"en\"><head><meta charset=\"utf-8\">"
         "<title>" +
         htmlEscaped(title()) + "</title><style>" + kStyle +
         "</style></head>\n<body>"
         "<h1>Corvane cannot open this address</h1>"
         "<p class=\"address\">" +
         htmlEscaped(typed_) +
         "</p>"
         "<p>" +
         reason() + "</p><p>" + advice() +
         "</p>"
         "<p>Correct the address in the address box and press Enter.</p>"
         "</body></html>\n";
}

}  // namespace corvane
