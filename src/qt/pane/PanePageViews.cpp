#include "qt/pane/PanePageViews.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QStackedWidget>
#include <QVBoxLayout>
#include <QWebEngineView>

#include <utility>

#include "qt/engine/WebEnginePageView.h"
#include "qt/pane/PaneBrowser.h"

namespace corvane {

namespace {

const QString kHolderSuffix = QStringLiteral("Page");

// The names of what lies in a page's widget begin with its pane's browser's name.
void rename(QWidget* holder, const QString& from, const QString& to) {
  QList<QObject*> named = holder->findChildren<QObject*>();
  named.prepend(holder);
  for (QObject* object : named) {
    if (object->objectName().startsWith(from)) {
      object->setObjectName(to + object->objectName().mid(from.size()));
    }
  }
}

}  // namespace

PanePageViews::PanePageViews(PaneBrowser* browser, QComboBox* addressBox, MakePage makePage,
                             const QString& workingFolder, QObject* parent)
    : QObject(parent),
      browser_(browser),
      addressBox_(addressBox),
      makePage_(std::move(makePage)),
      workingFolder_(workingFolder),
      first_(make()) {
  showsFocusOf(first_->view());
}

void PanePageViews::showsFocusOf(QWebEngineView* view) {
  // The pane's browser has the focus while its page has it: screen readers and the window's
  // parts ask the browser, whichever page it shows.
  browser_->setFocusProxy(view);
}

PanePageViews::~PanePageViews() = default;

std::unique_ptr<WebEnginePageView> PanePageViews::make() {
  auto* holder = new QWidget;
  holder->setObjectName(browser_->objectName() + kHolderSuffix);
  holder->setAccessibleName(tr("%1 page").arg(browser_->paneName()));
  auto* view = new QWebEngineView(holder);
  view->setObjectName(browser_->objectName());
  view->setAccessibleName(browser_->accessibleName());
  auto* fill = new QVBoxLayout(holder);
  fill->setContentsMargins(0, 0, 0, 0);
  fill->addWidget(view);
  browser_->pages()->addWidget(holder);
  auto made = std::make_unique<WebEnginePageView>(holder, view, makePage_(view), workingFolder_);
  Q_EMIT viewAdded(view);
  return made;
}

std::unique_ptr<IPageView> PanePageViews::CreatePageView() {
  if (first_) return std::move(first_);
  return make();
}

void PanePageViews::ShowPageView(IPageView& page) {
  auto& view = dynamic_cast<WebEnginePageView&>(page);
  // The keys that were in the page left stay in the pane, in the page shown now.
  const QWidget* focus = QApplication::focusWidget();
  const bool hadFocus = focus && browser_->pages()->isAncestorOf(focus);
  browser_->pages()->setCurrentWidget(view.holder());
  showsFocusOf(view.view());
  if (hadFocus) view.view()->setFocus(Qt::OtherFocusReason);
  Q_EMIT viewShown(view.view());
}

void PanePageViews::AdoptPageView(IPageView& page) {
  auto& view = dynamic_cast<WebEnginePageView&>(page);
  QWidget* holder = view.holder();
  const QString from = view.view()->objectName();
  browser_->pages()->addWidget(holder);
  rename(holder, from, browser_->objectName());
  holder->setAccessibleName(tr("%1 page").arg(browser_->paneName()));
  view.view()->setAccessibleName(browser_->accessibleName());
}

void PanePageViews::FocusAddressBox() {
  addressBox_->setFocus(Qt::ShortcutFocusReason);
  if (addressBox_->lineEdit()) addressBox_->lineEdit()->selectAll();
}

}  // namespace corvane
