#pragma once

#include <QString>

class QWidget;

namespace corvane {

// The desktop's own application for a file: its name, and opening the file in it
// (xdg-mime and xdg-open, as every Linux desktop provides them).
class DesktopOpener {
 public:
  // The name of the application the desktop opens the file with; empty when none is known.
  static QString applicationFor(const QString& path);
  // The name of the application xdg-mime calls `id` ("org.example.App.desktop"); empty when the
  // desktop has no such entry.
  static QString applicationNamed(const QString& id);
  // Opens the file in that application, without waiting for it; says so when that cannot start.
  static void open(const QString& path, QWidget* parent);
};

}  // namespace corvane
