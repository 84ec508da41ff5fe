#pragma once

#include <QFrame>
#include <QString>

#include <functional>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QWebEngineView;

namespace corvane {

// A page's alert, confirmation, prompt or leave-page question, or the question before one of its
// links leaves for another program, as a sheet over the top of its own pane rather than a window
// over the whole program: the page waits for the answer, while the other pane, the menus and the
// window's close box go on working. Closing the window answers Cancel.
class DialogSheet : public QFrame {
  Q_OBJECT
 public:
  // Leave asks Leave or Stay; OpenOutside asks Open or Don't Open, Don't Open first.
  enum class Kind { Alert, Confirm, Prompt, Leave, OpenOutside };
  struct Answer {
    bool accepted = false;
    QString value;
    bool stopMore = false;  // "Don't let this page show more dialogs" was ticked
  };

  explicit DialogSheet(QWebEngineView* view);
  ~DialogSheet() override;

  // Shows the sheet; `done` gets its answer. `offerStop` adds the check box to stop the page's
  // further dialogs. False, and nothing shown, while one is up or the window is closing. An
  // `address` within `text` is shortened in its middle to the sheet's width where it is too
  // long; the sheet's description keeps the whole text.
  bool open(Kind kind, const QString& title, const QString& text, const QString& value,
            bool offerStop, std::function<void(const Answer&)> done,
            const QString& address = QString());
  // The same, waiting for the answer in an event loop of its own.
  Answer ask(Kind kind, const QString& title, const QString& text, const QString& value,
             bool offerStop);
  // Answers Cancel to the sheet that is up, if any.
  void cancel() { finish(false); }
  // The page now shows in `view`: the sheet goes with it.
  void moveTo(QWebEngineView* view);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void finish(bool accepted);
  void place();
  void showText();

  QWebEngineView* view_;
  QWidget* window_;
  QLabel* title_;
  QLabel* text_;
  QLineEdit* value_;
  QCheckBox* stop_;
  QPushButton* ok_;
  QPushButton* cancel_;
  Kind kind_ = Kind::Alert;
  QString fullText_;
  QString address_;
  std::function<void(const Answer&)> done_;
  bool windowClosed_ = false;
};

}  // namespace corvane
