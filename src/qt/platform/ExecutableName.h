#pragma once

#include <QString>

namespace corvane {

// The running program's file name ("corvane"), links resolved: the application name under
// which its per-user settings are kept.
QString executableName();

}  // namespace corvane
