#include "qt/platform/QtSessionStrip.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>

#include "qt/platform/ScreenReaderNotice.h"

namespace corvane {

QtSessionStrip::QtSessionStrip(QWidget* parent)
    : QToolBar(parent), text_(new QLabel(this)), restoreButton_(new QPushButton(this)) {
  setObjectName(QStringLiteral("sessionStrip"));
  setAccessibleName(tr("Pages from last time"));
  setMovable(false);
  setFloatable(false);
  // Not one of the window's toolbars to switch on and off.
  toggleViewAction()->setVisible(false);
  // The bar's own button for what does not fit, which a screen reader finds like any other.
  if (auto* more = findChild<QToolButton*>(QStringLiteral("qt_toolbar_ext_button"))) {
    more->setAccessibleName(tr("More"));
  }
  text_->setObjectName(QStringLiteral("lblSession"));
  text_->setContentsMargins(6, 0, 12, 0);
  // Named before it has a text, like every part of the window.
  text_->setAccessibleName(accessibleName());
  addWidget(text_);
  restoreButton_->setObjectName(QStringLiteral("cmdRestorePages"));
  restoreButton_->setText(tr("Restore Pages"));
  restore_ = addWidget(restoreButton_);
  connect(restoreButton_, &QPushButton::clicked, this, &QtSessionStrip::restoreClicked);
  auto* close = new QToolButton(this);
  close->setObjectName(QStringLiteral("cmdCloseSession"));
  close->setAccessibleName(tr("Close"));
  close->setToolTip(tr("Close"));
  close->setIcon(style()->standardIcon(QStyle::SP_TitleBarCloseButton));
  close->setAutoRaise(true);
  addWidget(close);
  connect(close, &QToolButton::clicked, this, [this] {
    hide();
    Q_EMIT dismissed();
  });
  hide();
}

void QtSessionStrip::Offer(const std::string& text, const std::string& button) {
  restoreButton_->setText(QString::fromStdString(button));
  restore_->setVisible(true);
  showText(text);
}

void QtSessionStrip::Notify(const std::string& text) {
  restore_->setVisible(false);
  showText(text);
}

void QtSessionStrip::Close() { hide(); }

void QtSessionStrip::showText(const std::string& text) {
  text_->setText(QString::fromStdString(text));
  text_->setAccessibleName(text_->text());
  show();
  // Wherever the focus is, a screen reader hears why the strip came.
  ScreenReaderNotice::say(parentWidget(), text_->text());
}

}  // namespace corvane
