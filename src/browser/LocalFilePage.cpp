#include "browser/LocalFilePage.h"

#include <utility>

#include "base/HtmlText.h"
#include "browser/CannotOpenPage.h"

namespace corvane {

namespace {

const char kStyle[] =
    "body{font-family:sans-serif;max-width:42em;margin:3em auto;padding:0 1em;"
    "line-height:1.5;color:#222;background:#fff}"
    "h1{font-size:1.4em;font-weight:normal;overflow-wrap:anywhere}"
    ".path{font-family:monospace;background:#f3f3f3;padding:.4em .6em;"
    "white-space:pre-wrap;overflow-wrap:anywhere}"
    "a.button{display:inline-block;padding:.5em 1.2em;border:1px solid #888;border-radius:4px;"
    "background:#eee;color:#000;text-decoration:none}"
    "a.button:focus{outline:2px solid #36c}";

std::string sizeText(std::uintmax_t bytes) {
  if (bytes < 1024) return std::to_string(bytes) + " bytes";
  if (bytes < 1024 * 1024) return std::to_string(bytes / 1024) + " KB";
  return std::to_string(bytes / (1024 * 1024)) + " MB";
}

}  // namespace

LocalFilePage::LocalFilePage(std::string path, const LocalFileKind& kind, std::string application,
                             std::string openAddress)
    : path_(std::move(path)),
      kind_(kind),
      application_(std::move(application)),
      openAddress_(std::move(openAddress)) {}

std::string LocalFilePage::title() const {
  const auto slash = path_.rfind('/');
  return slash == std::string::npos ? path_ : path_.substr(slash + 1);
}

std::string LocalFilePage::buttonText() const {
  return "Open with " +
         (application_.empty() ? std::string("the desktop's default application") : application_);
}

std::string LocalFilePage::html() const {
  const std::string why =
      kind_.kind == LocalFileKind::Kind::LargeText
          ? "This text file (" + sizeText(kind_.size) + ") is too long for Corvane to show."
          : "Corvane does not show files of this kind (" + sizeText(kind_.size) + ").";
  return "<!DOCTYPE html>\n<html lang=\"en\"><head><meta charset=\"utf-8\"><title>" +
         htmlEscaped(title()) + "</title><style>" + kStyle + "</style></head>\n<body><h1>" +
         htmlEscaped(title()) + "</h1><p class=\"path\">" + htmlEscaped(path_) + "</p><p>" + why +
         "</p><p><a class=\"button\" role=\"button\" id=\"open\" href=\"" +
         htmlEscaped(openAddress_) + "\">" + htmlEscaped(buttonText()) + "</a></p></body></html>\n";
}

}  // namespace corvane
