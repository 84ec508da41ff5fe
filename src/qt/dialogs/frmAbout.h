#pragma once

#include <QDialog>

#include <functional>

class QLabel;
class QPushButton;

namespace corvane {

// The about box: version, licence, legal notice and the link to the product's web site. The
// link's handler is the main window's; the box stays open after it. Modeless, without an owner;
// it deletes itself when it closes.
class frmAbout : public QDialog {
  Q_OBJECT
 public:
  explicit frmAbout(std::function<void()> onLink);

 protected:
  // OK, Esc and the close box: the box closes and goes.
  void reject() override;

 private:
  void Form_Load();
  void buildContent();

  std::function<void()> onLink_;
  QLabel* lblVersion_ = nullptr;
  QPushButton* cmdOK_ = nullptr;
};

}  // namespace corvane
