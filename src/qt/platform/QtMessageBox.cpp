#include "qt/platform/QtMessageBox.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QMessageBox>

#include "qt/platform/OnScreen.h"

namespace corvane {

namespace {

QMessageBox::Icon toQt(MsgBoxIcon icon) {
  switch (icon) {
    case MsgBoxIcon::Information:
      return QMessageBox::Information;
    case MsgBoxIcon::Question:
      return QMessageBox::Question;
    case MsgBoxIcon::Exclamation:
      return QMessageBox::Warning;
    case MsgBoxIcon::Critical:
      return QMessageBox::Critical;
    case MsgBoxIcon::None:
      break;
  }
  return QMessageBox::NoIcon;
}

}  // namespace

MsgBoxResult QtMessageBox::MsgBox(const std::string& text, MsgBoxButtons buttons, MsgBoxIcon icon,
                                  const std::string& title) {
  QMessageBox box(dialogOwner(parent_));
  box.setObjectName(QStringLiteral("MsgBox"));
  box.setWindowTitle(QString::fromStdString(title.empty() ? kProgramTitle : title));
  box.setTextFormat(Qt::PlainText);
  box.setText(QString::fromStdString(text));
  box.setIcon(toQt(icon));
  // The parts the toolkit makes without names, which a screen reader would meet as blanks.
  if (auto* buttons = box.findChild<QDialogButtonBox*>())
    buttons->setAccessibleName(QObject::tr("Buttons"));
  if (auto* picture = box.findChild<QLabel*>(QStringLiteral("qt_msgboxex_icon_label"))) {
    picture->setAccessibleName(QObject::tr("Message icon"));
  }
  switch (buttons) {
    case MsgBoxButtons::OK:
      box.setStandardButtons(QMessageBox::Ok);
      box.setDefaultButton(QMessageBox::Ok);
      box.setEscapeButton(QMessageBox::Ok);
      break;
    case MsgBoxButtons::YesNo:
      box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
      box.setDefaultButton(QMessageBox::Yes);
      box.setEscapeButton(QMessageBox::No);
      break;
    case MsgBoxButtons::YesNoCancel:
      box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
      box.setDefaultButton(QMessageBox::Yes);
      box.setEscapeButton(QMessageBox::Cancel);
      break;
  }
  switch (box.exec()) {
    case QMessageBox::Yes:
      return MsgBoxResult::Yes;
    case QMessageBox::No:
      return MsgBoxResult::No;
    case QMessageBox::Ok:
      return MsgBoxResult::OK;
    default:
      return buttons == MsgBoxButtons::OK ? MsgBoxResult::OK : MsgBoxResult::Cancel;
  }
}

}  // namespace corvane
