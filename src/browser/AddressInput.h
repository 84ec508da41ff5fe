#pragma once

#include <functional>
#include <string>

namespace corvane {

// What a text typed into an address box asks the browser to open, as far as that can be told
// without the engine: the text trimmed, "~" expanded to the home folder, a "view-source:" prefix
// taken off, words sent to the chosen search engine, and the inputs refused that no engine should
// be handed (scripts, schemes Corvane does not load, Windows paths, text that is no address).
// What passes still has to make a valid address; the engine side decides that (a host name, a
// path, a file name in the working folder).
//
// Words are searched when a search engine is chosen: text starting with "?", text that is no
// address (blanks in what would be its host), and a single word that names no host. A host is a
// name with a dot, "localhost", an address literal in brackets, a name followed by ":port", or a
// name the context knows (visited before, listed in the hosts file). Text with a scheme, a path
// starting with "/" or "~", and the name of an existing file are never searched.
class AddressInput {
 public:
  enum class Verdict {
    Nothing,  // blank: nothing to open
    Open,     // hand `address()` to the engine
    Refuse,   // show why it cannot be opened
    Search,   // words: `address()` is the search engine's address for `searchWords()`
  };
  enum class Refusal {
    None,
    NotAnAddress,       // neither a web address nor a file path
    NoHost,             // a web address without a usable host name
    Script,             // javascript: and the like: not run from the address box
    UnsupportedScheme,  // a scheme Corvane does not load (mailto:, ftp:, ...)
    WindowsPath,        // a drive letter or backslashes
  };

  // What the rule needs beyond the text.
  struct Context {
    // "~".
    std::string homeFolder;
    // Where a relative file name is looked for.
    std::string workingFolder;
    // Whether a name (lower case, no port) is a host the user's machine knows; none when empty.
    std::function<bool(const std::string&)> isKnownHost;
    // The chosen engine's address template (SearchEngines); empty: words are not searched, so
    // text that is no address is refused and a single word is opened as a host.
    std::string searchTemplate;
  };

  static AddressInput parse(const std::string& typed, const Context& context);
  // Without a search engine. `workingFolder` is where a relative file name is looked for;
  // `homeFolder` is "~".
  static AddressInput parse(const std::string& typed, const std::string& homeFolder,
                            const std::string& workingFolder);

  Verdict verdict() const { return verdict_; }
  Refusal refusal() const { return refusal_; }
  // The address to open: trimmed, "~" expanded, without "view-source:".
  const std::string& address() const { return address_; }
  // The scheme written in front of the address, in lower case; empty when there is none (a host,
  // a path or a file name).
  const std::string& scheme() const { return scheme_; }
  bool viewSource() const { return viewSource_; }
  // The words searched for, trimmed, without a leading "?"; empty unless the verdict is Search.
  const std::string& searchWords() const { return searchWords_; }

  // A scheme (lower case) that Corvane hands to the engine; every other one is refused.
  static bool isOpenedScheme(const std::string& scheme);

 private:
  static AddressInput refused(Refusal why, std::string scheme = {});
  static AddressInput searched(std::string words, const std::string& searchTemplate);

  Verdict verdict_ = Verdict::Nothing;
  Refusal refusal_ = Refusal::None;
  std::string address_;
  std::string scheme_;
  bool viewSource_ = false;
  std::string searchWords_;
};

}  // namespace corvane
