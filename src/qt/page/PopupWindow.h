#pragma once

#include <QWidget>

class QLineEdit;
class QWebEnginePage;
class QWebEngineProfile;
class QWebEngineView;

namespace corvane {

struct PageServices;

// The small window of a page's pop-up (window.open with window features, as sign-in pages
// use): the pop-up's own page with a read-only address line. The page keeps its link to the
// page that opened it. The window deletes itself when closed, or when the page closes it; it
// closes with the window it belongs to.
class PopupWindow : public QWidget {
  Q_OBJECT
 public:
  PopupWindow(QWebEngineProfile* profile, const PageServices& services, QWidget* owner);

  QWebEnginePage* page() const;
  // Sizes the window for a page area of `width` by `height` (0 where the page asked for none),
  // within the screen.
  void askSize(int width, int height);

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  QLineEdit* address_;
  QWebEngineView* view_;
};

}  // namespace corvane
