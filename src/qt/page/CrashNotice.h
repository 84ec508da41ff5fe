#pragma once

#include <QFrame>

class QLabel;
class QWebEngineView;

namespace corvane {

// The strip over a pane's page that says its page has crashed or been killed, with a Reload
// button. It goes when the page loads again.
class CrashNotice : public QFrame {
  Q_OBJECT
 public:
  explicit CrashNotice(QWebEngineView* view);

  void showNotice(const QString& text);
  // The page now shows in `view`: the notice goes with it.
  void moveTo(QWebEngineView* view);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void place();

  void watchLoads();

  QWebEngineView* view_;
  QLabel* text_;
  QMetaObject::Connection loads_;
  bool stopped_ = false;
};

}  // namespace corvane
