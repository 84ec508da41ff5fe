#include "qt/start/SkippedFailureLog.h"

#include <QLoggingCategory>
#include <QString>

namespace corvane {

namespace {
// Debug messages only, so that nothing shows unless a rule asks for them.
Q_LOGGING_CATEGORY(skippedFailures, "corvane.guarded", QtInfoMsg)
}  // namespace

void SkippedFailureLog::Skipped(const std::string& line) {
  qCDebug(skippedFailures).noquote() << QString::fromStdString(line);
}

}  // namespace corvane
