#pragma once

#include <string>

namespace corvane {

// What a text typed into an address box asks the browser to open, as far as that can be told
// without the engine: the text trimmed, "~" expanded to the home folder, a "view-source:" prefix
// taken off, and the inputs refused that no engine should be handed (scripts, schemes Corvane
// does not load, Windows paths, text that is no address). What passes still has to make a valid
// address; the engine side decides that (a host name, a path, a file name in the working
// folder).
class AddressInput {
 public:
  enum class Verdict {
    Nothing,  // blank: nothing to open
    Open,     // hand `address()` to the engine
    Refuse,   // show why it cannot be opened
  };
  enum class Refusal {
    None,
    NotAnAddress,       // neither a web address nor a file path
    NoHost,             // a web address without a usable host name
    Script,             // javascript: and the like: not run from the address box
    UnsupportedScheme,  // a scheme Corvane does not load (mailto:, ftp:, ...)
    WindowsPath,        // a drive letter or backslashes
  };

  // `workingFolder` is where a relative file name is looked for; `homeFolder` is "~".
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

  // A scheme (lower case) that Corvane hands to the engine; every other one is refused.
  static bool isOpenedScheme(const std::string& scheme);

 private:
  static AddressInput refused(Refusal why, std::string scheme = {});

  Verdict verdict_ = Verdict::Nothing;
  Refusal refusal_ = Refusal::None;
  std::string address_;
  std::string scheme_;
  bool viewSource_ = false;
};

}  // namespace corvane
