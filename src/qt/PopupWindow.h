#pragma once

#include <QWidget>

class QLineEdit;
class QWebEnginePage;
class QWebEngineProfile;
class QWebEngineView;

namespace corvane {

// A window a page opened (target=_blank, window.open): the page with a read-only address line.
// It deletes itself when closed, or when the page asks to close it.
class PopupWindow : public QWidget {
  Q_OBJECT
 public:
  explicit PopupWindow(QWebEngineProfile* profile);

  QWebEnginePage* page() const;

 private:
  QLineEdit* address_;
  QWebEngineView* view_;
};

}  // namespace corvane
