#pragma once

#include <string>

namespace corvane {

// Moments of each main-frame document that the engine has no reliable signal for: created,
// parsed and loaded, and the user's own click or key in it. Scripts in a world of their own,
// which the page's scripts can neither see nor reach, report them over a channel that world
// alone holds. Each document draws a key of its own as it is created; its reports carry it, so
// a report of a document that has gone counts for nothing.
//
// The key also lets the page's own world ask for its dialogs (its alerts are answered in a sheet
// over its pane): it is handed over once, before any script of the page runs, and means nothing
// once its document has gone, or anywhere but in that document's pane.
class DocumentMarkers {
 public:
  enum class Kind { None, Created, Parsed, Loaded, Input };
  struct Report {
    Kind kind = Kind::None;
    std::string address;  // the document's, for Created and Loaded
  };

  // The events through which the page's world asks for the key and is handed it.
  static const char kKeyRequestEvent[];
  static const char kKeyEvent[];

  // The scripts of the reporting world, run as each main-frame document is created and once it
  // has been parsed. `send` is a script function (kind, key, address) that hands a report over.
  // The first adds its listeners before any of the page's scripts run, so the page cannot keep
  // them from hearing the load and the user's input; only the engine's own events count.
  static std::string creationScript(const std::string& send);
  static std::string parsedScript(const std::string& send);

  // What a report from the reporting world means. A new document's key replaces the one before;
  // any other report counts only with the key of the document showing.
  Report read(const std::string& kind, const std::string& key, const std::string& address);
  // The page's documents are gone (its renderer ended): no key holds until the next one.
  void clear();
  // Whether a request with `key`, made from `initiatorOrigin`, comes from the document showing.
  bool isShowing(const std::string& key, const std::string& initiatorOrigin) const;

 private:
  std::string key_;
  std::string origin_;
};

}  // namespace corvane
