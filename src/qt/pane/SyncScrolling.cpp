#include "qt/pane/SyncScrolling.h"

#include <QPointer>
#include <QVariant>
#include <QWebEnginePage>
#include <QWebEngineScript>
#include <QWebEngineView>

#include <utility>

namespace corvane {

namespace {

// Where the page is scrolled and how far it can be, in CSS pixels. The visual viewport leaves
// out a horizontal scroll bar, and the scrolling element is the right one in quirks mode too.
const QString kWhere = QStringLiteral(
    "(function () {"
    "  var e = document.scrollingElement || document.documentElement;"
    "  if (!e) return [0, 0];"
    "  var view = window.visualViewport ? window.visualViewport.height : window.innerHeight;"
    "  return [window.scrollY, Math.max(0, e.scrollHeight - view)];"
    "})()");

ScrollExtent extentOf(const QVariant& answer) {
  const QVariantList list = answer.toList();
  if (list.size() != 2) return {};
  return {list.at(0).toDouble(), list.at(1).toDouble()};
}

}  // namespace

SyncScrolling::SyncScrolling(const PaneWindows& panes, IsOn isOn, Decide decide)
    : QObject(panes.view(PaneId::Top)), isOn_(std::move(isOn)), decide_(std::move(decide)) {
  for (PaneId id : kPanes) views_[paneSlot(id)] = panes.view(id);
  for (QWebEngineView* view : views_) {
    QWebEnginePage* page = view->page();
    connect(page, &QWebEnginePage::scrollPositionChanged, this, [this, page] { scrolled(page); });
  }
}

void SyncScrolling::scrolled(QWebEnginePage* page) {
  if (!isOn_()) return;
  // Whichever view shows the page now: the panes may have swapped their pages.
  const int at = QWebEngineView::forPage(page) == views_[0] ? 0 : 1;
  const PaneId pane = kPanes[at];
  const QPointer<QWebEnginePage> from(page);
  const QPointer<QWebEnginePage> to(views_[1 - at]->page());
  from->runJavaScript(kWhere, QWebEngineScript::ApplicationWorld, [=](const QVariant& mine) {
    if (!to) return;
    to->runJavaScript(kWhere, QWebEngineScript::ApplicationWorld, [=](const QVariant& theirs) {
      if (!to || !from || !isOn_()) return;
      const std::optional<double> target = decide_(pane, extentOf(mine), extentOf(theirs));
      if (!target) return;
      to->runJavaScript(
          QStringLiteral("window.scrollTo({left: window.scrollX, top: %1, behavior: 'instant'});")
              .arg(*target),
          QWebEngineScript::ApplicationWorld);
    });
  });
}

}  // namespace corvane
