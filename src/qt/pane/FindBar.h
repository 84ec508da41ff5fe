#pragma once

#include <QFrame>
#include <QPointer>
#include <QString>

#include "browser/FindInPage.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QToolButton;
class QWebEngineFindTextResult;
class QWebEngineView;

namespace corvane {

// The find bar of a browser pane: a strip over the page's top right corner with the text to
// find, previous and next, match case, what was found ("2 of 5", "No matches") and a close
// button. It finds as the user types; Enter finds the next match, Shift+Enter the previous one;
// Esc or the close button hides the bar, clears the highlights and hands the focus back to the
// page.
class FindBar : public QFrame, private IFindTarget {
  Q_OBJECT
 public:
  // Lies over `pages`, where the pane shows its page, and finds in the page of `view`.
  // suffix: the pane's digit, which the bar's controls carry in their names ("findText1").
  FindBar(QWidget* pages, QWebEngineView* view, const QString& suffix, const QString& paneName);

  // Shows the bar with its text selected and the focus in it.
  void open();
  void findNext();
  void findPrevious();
  // Whether the bar has a text to find.
  bool hasText() const;
  // Hides the bar and clears the highlights.
  void dismiss();
  // The pane shows the page of `view`: the bar finds there from now on; put away, it leaves no
  // highlights in the page it found in before.
  void setView(QWebEngineView* view);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void find(const std::string& text, bool backward, bool matchCase) override;
  void clearFind() override;
  void showResult();
  // Says the engine's answer to screen readers.
  void sayResult();
  void place();

  FindInPage find_{*this};

  QWidget* pages_;
  QPointer<QWebEngineView> view_;
  QLineEdit* text_;
  QToolButton* previous_;
  QToolButton* next_;
  QCheckBox* matchCase_;
  QLabel* result_;
  QToolButton* close_;
};

}  // namespace corvane
