#pragma once

#include <QWidget>

#include "platform/IHomePagesEvents.h"
#include "platform/IHomePagesWindow.h"

class QLineEdit;
class QPushButton;

namespace corvane {

// The Home pages window: the four home pages as text fields, Browse beside the two offline
// ones, OK and Cancel, each control at its designed place. Its controls report to the dialog's
// logic. Like the design it follows, it has no default or cancel button: Enter and Esc press
// nothing.
class frmHomePageFav : public QWidget {
  Q_OBJECT
 public:
  frmHomePageFav(IHomePagesEvents& events, QWidget* parent);

  QLineEdit* field(HomePageField field) const;
  // Closes the window for good; it is deleted once control returns to the event loop.
  void unload();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void createControls();
  template <typename Handler>
  void report(Handler&& handler);

  IHomePagesEvents& events_;
  QLineEdit* txtTBstart_ = nullptr;
  QLineEdit* txtBBstart_ = nullptr;
  QLineEdit* txtTBstartOffLine_ = nullptr;
  QLineEdit* txtBBstartOffLine_ = nullptr;
  QPushButton* cmdOpen0_ = nullptr;
  QPushButton* cmdOpen1_ = nullptr;
  QPushButton* cmdUpdateHomePages_ = nullptr;
  QPushButton* cmdCancel_ = nullptr;
  bool unloading_ = false;
};

}  // namespace corvane
