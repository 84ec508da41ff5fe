#include "qt/page/PopupWindow.h"

#include <QCloseEvent>
#include <QIcon>
#include <QLineEdit>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>
#include <QWebEngineView>

#include "browser/PopupSize.h"
#include "qt/page/BrowserPage.h"

namespace corvane {

PopupWindow::PopupWindow(QWebEngineProfile* profile, const PageServices& services, QWidget* owner)
    : QWidget(owner, Qt::Window), address_(new QLineEdit(this)), view_(new QWebEngineView(this)) {
  setAttribute(Qt::WA_DeleteOnClose);
  setObjectName(QStringLiteral("PopupWindow"));
  setWindowIcon(QIcon(QStringLiteral(":/corvane.svg")));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  address_->setReadOnly(true);
  address_->setObjectName(QStringLiteral("popupAddress"));
  address_->setAccessibleName(tr("Pop-up address"));
  layout->addWidget(address_);
  layout->addWidget(view_, 1);
  view_->setObjectName(QStringLiteral("popupBrowser"));
  view_->setAccessibleName(tr("Pop-up browser"));
  view_->setPage(new BrowserPage(profile, services, view_));
  connect(view_, &QWebEngineView::urlChanged, this,
          [this](const QUrl& url) { address_->setText(url.toDisplayString()); });
  connect(view_, &QWebEngineView::titleChanged, this, &QWidget::setWindowTitle);
  connect(view_->page(), &QWebEnginePage::windowCloseRequested, this, &QWidget::close);
  connect(view_->page(), &QWebEnginePage::geometryChangeRequested, this,
          [this](const QRect& geometry) { askSize(geometry.width(), geometry.height()); });
  askSize(0, 0);
}

QWebEnginePage* PopupWindow::page() const { return view_->page(); }

void PopupWindow::askSize(int width, int height) {
  const QRect free = screen() ? screen()->availableGeometry() : QRect();
  const PopupSize size =
      PopupSize::fit(width, height, address_->sizeHint().height(), free.width(), free.height());
  resize(size.width, size.height);
}

void PopupWindow::closeEvent(QCloseEvent* event) {
  // Its page waits in a dialog, which closing has just answered; the window goes once the
  // page is out of it, not from under it.
  if (static_cast<BrowserPage*>(view_->page())->inDialog()) {
    event->ignore();
    QTimer::singleShot(0, this, &QWidget::close);
    return;
  }
  QWidget::closeEvent(event);
}

}  // namespace corvane
