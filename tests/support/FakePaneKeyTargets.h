#pragma once

#include <string>
#include <vector>

#include "platform/IPaneKeyTargets.h"

namespace corvane {

// Records the calls: "OpenFind", "FindNext", "FocusAddress", "ReloadBypassingCache".
class FakePaneKeyTargets : public IPaneKeyTargets {
 public:
  void OpenFind() override { calls.push_back("OpenFind"); }
  void FindNext() override { calls.push_back("FindNext"); }
  void FocusAddress() override { calls.push_back("FocusAddress"); }
  void ReloadBypassingCache() override { calls.push_back("ReloadBypassingCache"); }

  std::vector<std::string> calls;
};

}  // namespace corvane
