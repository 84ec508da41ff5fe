#pragma once

#include "platform/ITrash.h"

namespace corvane {

// The desktop's trash, as the file manager shows it.
class QtTrash : public ITrash {
 public:
  bool MoveToTrash(const std::string& path) override;
};

}  // namespace corvane
