#include "browser/EnginePrompts.h"

namespace corvane {

namespace EnginePrompts {

std::string login(const std::string& host, const std::string& realm, bool proxy) {
  std::string text =
      (proxy ? "The proxy server " : "The site ") + host + " asks for a user name and password.";
  if (!realm.empty()) text += "\nIt says: \"" + realm + "\"";
  if (proxy) text += "\nPages cannot be loaded through it without them.";
  return text;
}

std::string certificate(const std::string& host, const std::string& problem) {
  return "The identity of " + host + " cannot be verified:\n" + problem +
         "\n\nSomeone may be posing as this site to read or change what you send and receive, "
         "passwords included. Unless you know why this happens, do not continue.\n\n"
         "Continue to " +
         host + " anyway? Your answer holds until Corvane closes.";
}

std::string permission(const std::string& site, const std::string& feature) {
  std::string what;
  if (feature == "location") {
    what = "know your location";
  } else if (feature == "notifications") {
    what = "show notifications";
  } else if (feature == "camera" || feature == "microphone" || feature == "camera and microphone") {
    what = "use your " + feature;
  } else if (feature == "screen") {
    what = "see your screen";
  } else if (feature == "screen and sound") {
    what = "see your screen and hear its sound";
  } else if (feature == "mouse") {
    what = "hide and take over the mouse pointer";
  } else {
    what = "use " + feature;
  }
  return site + " wants to " + what +
         ".\n\nAllow it? Your answer holds for this site until Corvane closes.";
}

std::string dialogTitle(const std::string& host) {
  return (host.empty() ? std::string("This page") : host) + " says:";
}

std::string pageMessage(const std::string& message) {
  constexpr std::size_t kShown = 2000;
  if (message.size() <= kShown) return message;
  std::size_t cut = kShown;
  // Not inside a UTF-8 sequence.
  while (cut > 0 && (static_cast<unsigned char>(message[cut]) & 0xC0) == 0x80) --cut;
  return message.substr(0, cut) + "...";
}

std::string download(const std::string& host, const std::string& file) {
  return (host.empty() ? std::string("This page") : host) +
         " is starting another download by itself: \"" + file + "\". Allow its downloads?";
}

std::string crashed(const std::string& address, bool killed) {
  const std::string page = address.empty() ? "This page" : "The page " + address;
  return page + (killed ? " was stopped by the system" : " has crashed") +
         " and cannot be shown. Reload it to try again.";
}

}  // namespace EnginePrompts

}  // namespace corvane
