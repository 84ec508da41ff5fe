#include "qt/page/PagePopups.h"

#include <QUrl>
#include <QWebEngineNewWindowRequest>
#include <QWebEnginePage>

#include <string>

#include "browser/SitePermissions.h"
#include "qt/page/PageOverlay.h"
#include "qt/page/PaneNotice.h"
#include "qt/page/PopupWindow.h"

namespace corvane {

namespace {
// The site's answer "pop-ups" stands beside the features' answers.
const char kPopups[] = "pop-ups";
}  // namespace

PagePopups::PagePopups(QWebEnginePage* page, const PageServices& services)
    : QObject(page), page_(page), services_(services) {}

int PagePopups::openPopups() {
  popups_.removeAll(nullptr);
  return static_cast<int>(popups_.size());
}

bool PagePopups::take(QWebEngineNewWindowRequest& request) {
  const bool dialog = request.destination() == QWebEngineNewWindowRequest::InNewDialog;
  // A new tab or window opens in this pane, so only a pop-up counts against the open ones.
  const bool allowed = blocker_.request(
      request.isUserInitiated(),
      services_.permissions.answer(page_->url().toString().toStdString(), kPopups) == true,
      dialog ? openPopups() : 0, page_->url().host().toStdString(),
      request.requestedUrl().toString().toStdString(), request.requestedGeometry().width(),
      request.requestedGeometry().height());
  if (!allowed) {
    showBlocked();
    return true;
  }
  if (!dialog) return false;
  // Only a pop-up gets a window; the page keeps its link to the page that opened it.
  request.openIn(openPopup()->page());
  return true;
}

PopupWindow* PagePopups::openPopup() {
  auto* popup = new PopupWindow(page_->profile(), services_, dialogParentOf(page_));
  popups_.append(popup);
  popup->show();
  return popup;
}

void PagePopups::showBlocked() {
  if (notice_) {
    notice_->showNotice(QString::fromStdString(blocker_.notice()));
    return;
  }
  QWebEngineView* view = overlaidView(page_);
  if (!view) return;
  notice_ = new PaneNotice(view, QStringLiteral("PopupNotice"), 0);
  notice_->addButton(tr("Allow &once"), QStringLiteral("Once"), [this] { allowBlocked(false); });
  notice_->addButton(tr("&Always allow for this site"), QStringLiteral("Always"),
                     [this] { allowBlocked(true); });
  notice_->onDismissed([this] { blocker_.dismiss(); });
  notice_->showNotice(QString::fromStdString(blocker_.notice()));
}

void PagePopups::allowBlocked(bool always) {
  if (always) services_.permissions.remember(page_->url().toString().toStdString(), kPopups, true);
  for (const PopupBlocker::Held& held : blocker_.release(openPopups())) {
    PopupWindow* popup = openPopup();
    popup->askSize(held.width, held.height);
    popup->page()->load(QUrl(QString::fromStdString(held.address)));
  }
}

void PagePopups::documentGone() {
  blocker_.dismiss();
  if (notice_) notice_->withdraw();
}

void PagePopups::followView(QWebEngineView* view) {
  if (notice_) notice_->moveTo(view);
}

}  // namespace corvane
