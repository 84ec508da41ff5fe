#pragma once

#include <string>

namespace corvane {

// Moments of each main-frame document that the engine has no reliable signal for: created,
// parsed and loaded, and the user's own click or key in it. Scripts of the page's own, in a world
// the page's scripts cannot see, report each as a console message that starts with a token drawn
// afresh for each page, so a page cannot forge them.
class DocumentMarkers {
 public:
  enum class Kind { None, Created, Parsed, Loaded, Input };
  struct Report {
    Kind kind = Kind::None;
    std::string address;  // the document's, for Created and Loaded
  };

  // A token from the system's random source.
  DocumentMarkers();
  explicit DocumentMarkers(std::string token);

  const std::string& token() const { return token_; }
  // Runs as the document is created, before any of the page's scripts: reports it, and adds its
  // listeners first, so the page cannot keep them from hearing the load and the user's input.
  std::string creationScript() const;
  // Runs once the document has been parsed.
  std::string parsedScript() const;
  // What a console message reports; Kind::None for anything the scripts above did not write.
  Report read(const std::string& message) const;

 private:
  std::string token_;
};

}  // namespace corvane
