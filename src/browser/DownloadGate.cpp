#include "browser/DownloadGate.h"

namespace corvane {

void DownloadGate::userActed() {
  sinceUserActed_ = 0;
  answer_.reset();
}

DownloadGate::Decision DownloadGate::request() {
  if (answer_) return *answer_ ? Decision::Go : Decision::Refuse;
  if (sinceUserActed_++ == 0) return Decision::Go;
  // While a question is up, a storm of downloads waits for no second one.
  if (asking_) return Decision::Refuse;
  asking_ = true;
  return Decision::Ask;
}

void DownloadGate::answered(bool allowed) {
  asking_ = false;
  answer_ = allowed;
}

}  // namespace corvane
