#include "qt/PopupWindow.h"

#include <QIcon>
#include <QLineEdit>
#include <QVBoxLayout>
#include <QWebEngineView>

#include "qt/BrowserPage.h"

namespace corvane {

PopupWindow::PopupWindow(QWebEngineProfile* profile)
    : address_(new QLineEdit(this)), view_(new QWebEngineView(this)) {
  setAttribute(Qt::WA_DeleteOnClose);
  setObjectName(QStringLiteral("PopupWindow"));
  setWindowIcon(QIcon(QStringLiteral(":/corvane.svg")));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  address_->setReadOnly(true);
  address_->setAccessibleDescription(tr("Pop-up address"));
  layout->addWidget(address_);
  layout->addWidget(view_, 1);
  view_->setPage(new BrowserPage(profile, view_));
  view_->setAccessibleDescription(tr("Pop-up browser"));
  connect(view_, &QWebEngineView::urlChanged, this,
          [this](const QUrl& url) { address_->setText(url.toDisplayString()); });
  connect(view_, &QWebEngineView::titleChanged, this, &QWidget::setWindowTitle);
  connect(view_->page(), &QWebEnginePage::windowCloseRequested, this, &QWidget::close);
  resize(800, 600);
}

QWebEnginePage* PopupWindow::page() const { return view_->page(); }

}  // namespace corvane
