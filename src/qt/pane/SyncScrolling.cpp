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
    : QObject(&panes[PaneId::Top]),
      panes_(panes),
      isOn_(std::move(isOn)),
      decide_(std::move(decide)) {
  for (PaneId id : kPanes) {
    for (QWebEngineView* view : panes[id].pageViews()) follow(view);
    connect(&panes[id], &PaneWindow::pageViewAdded, this, &SyncScrolling::follow);
  }
}

void SyncScrolling::follow(QWebEngineView* view) {
  QWebEnginePage* page = view->page();
  connect(page, &QWebEnginePage::scrollPositionChanged, this, [this, page] { scrolled(page); });
}

void SyncScrolling::scrolled(QWebEnginePage* page) {
  if (!isOn_()) return;
  // Only the pages the panes show scroll each other; a page may have changed panes.
  QWebEngineView* view = QWebEngineView::forPage(page);
  const std::optional<PaneId> pane = view ? panes_.pageOf(view) : std::nullopt;
  if (!pane || panes_.view(*pane) != view) return;
  const PaneId other = *pane == PaneId::Top ? PaneId::Bottom : PaneId::Top;
  QWebEngineView* otherView = panes_.view(other);
  if (!otherView) return;
  const QPointer<QWebEnginePage> from(page);
  const QPointer<QWebEnginePage> to(otherView->page());
  from->runJavaScript(kWhere, QWebEngineScript::ApplicationWorld, [=](const QVariant& mine) {
    if (!to) return;
    to->runJavaScript(kWhere, QWebEngineScript::ApplicationWorld, [=](const QVariant& theirs) {
      if (!to || !from || !isOn_()) return;
      const std::optional<double> target = decide_(*pane, extentOf(mine), extentOf(theirs));
      if (!target) return;
      to->runJavaScript(
          QStringLiteral("window.scrollTo({left: window.scrollX, top: %1, behavior: 'instant'});")
              .arg(*target),
          QWebEngineScript::ApplicationWorld);
    });
  });
}

}  // namespace corvane
