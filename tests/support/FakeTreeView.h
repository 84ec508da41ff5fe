#pragma once

#include "platform/ITreeView.h"

namespace corvane {

// A tree view that remembers the nodes it was last asked to show, and how often it was asked.
class FakeTreeView : public ITreeView {
 public:
  void Show(const TreeNodes& nodes) override {
    shown_ = &nodes;
    ++shows_;
  }

  const TreeNodes* shown() const { return shown_; }
  int shows() const { return shows_; }

 private:
  const TreeNodes* shown_ = nullptr;
  int shows_ = 0;
};

}  // namespace corvane
