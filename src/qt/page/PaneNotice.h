#pragma once

#include <QFrame>

#include <functional>

class QHBoxLayout;
class QLabel;
class QWebEngineView;

namespace corvane {

// A strip at the foot of a pane's page that tells of something the page tried and was stopped
// from (pop-ups, downloads), with buttons to let it happen after all and one to close the strip.
class PaneNotice : public QFrame {
  Q_OBJECT
 public:
  // `name` ends the strip's object name, after the view's; `row` stacks strips, 0 lowest.
  PaneNotice(QWebEngineView* view, const QString& name, int row);

  // A button before the close button; the strip closes once it has acted.
  void addButton(const QString& text, const QString& name, std::function<void()> act);
  void showNotice(const QString& text);
  // The page now shows in `view`: the strip goes with it.
  void moveTo(QWebEngineView* view);
  // Puts the strip away unanswered, without a word to its page: what it asked about has gone.
  void withdraw();
  // Called when the strip is closed unanswered.
  void onDismissed(std::function<void()> dismissed) { dismissed_ = std::move(dismissed); }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void place();

  QWebEngineView* view_;
  int row_;
  QLabel* text_;
  QHBoxLayout* buttons_;
  std::function<void()> dismissed_;
  bool shown_ = false;
};

}  // namespace corvane
