#pragma once

#include <QWidget>

namespace corvane {

// A notification for screen readers inside a window: it draws nothing, and each text said through
// it appears as a new notification, which readers speak when it shows, wherever the focus is.
// Made when first needed: a nameless part would puzzle a reader before it.
class ScreenReaderNotice : public QWidget {
  Q_OBJECT
 public:
  // Says `text` through the notice of `parent`, made on the first call.
  static void say(QWidget* parent, const QString& text);

 private:
  explicit ScreenReaderNotice(QWidget* parent);
};

}  // namespace corvane
