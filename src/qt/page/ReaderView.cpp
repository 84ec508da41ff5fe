#include "qt/page/ReaderView.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTextFrame>
#include <QVBoxLayout>
#include <QWebEngineView>
#include <QWheelEvent>

#include "browser/ZoomSteps.h"
#include "qt/page/PageOverlay.h"
#include "qt/page/ReaderDocument.h"
#include "qt/platform/AccessibleWindows.h"
#include "qt/platform/ScreenReaderNotice.h"

namespace corvane {

namespace {

// A line that reads well holds about this many letters.
constexpr int kReadableLetters = 72;
// The text's share of the view's width; the lists have the rest.
constexpr int kTextStretch = 3;

QListWidget* makeList(QWidget* parent, const QString& name, const QString& accessibleName) {
  auto* list = new QListWidget(parent);
  list->setObjectName(name);
  list->setAccessibleName(accessibleName);
  nameScrollParts(list);
  // Thousands of links on a long page: each row is one line.
  list->setUniformItemSizes(true);
  return list;
}

}  // namespace

ReaderView::ReaderView(QWebEngineView* view)
    // A sibling over the page, like the find bar: the view shows screen readers its page alone.
    : QFrame(view->parentWidget()),
      view_(view),
      text_(new QTextBrowser(this)),
      headingsLabel_(new QLabel(tr("Headings"), this)),
      headings_(
          makeList(this, view->objectName() + QStringLiteral("ReaderHeadings"), tr("Headings"))),
      linksLabel_(new QLabel(tr("Links"), this)),
      links_(makeList(this, view->objectName() + QStringLiteral("ReaderLinks"), tr("Links"))) {
  setObjectName(view->objectName() + QStringLiteral("Reader"));
  setAccessibleName(tr("Reader view"));
  setAutoFillBackground(true);
  setBackgroundRole(QPalette::Base);
  text_->setObjectName(view->objectName() + QStringLiteral("ReaderText"));
  text_->setAccessibleName(tr("Article"));
  nameScrollParts(text_);
  text_->setFrameShape(QFrame::NoFrame);
  text_->setOpenLinks(false);
  text_->setOpenExternalLinks(false);
  // After setReadOnly, which resets them: a caret that the arrows move is what screen readers
  // read line by line.
  text_->setReadOnly(true);
  text_->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse |
                                 Qt::LinksAccessibleByKeyboard | Qt::LinksAccessibleByMouse);
  headingsLabel_->setBuddy(headings_);
  linksLabel_->setBuddy(links_);
  auto* side = new QVBoxLayout;
  side->addWidget(headingsLabel_);
  side->addWidget(headings_, 1);
  side->addWidget(linksLabel_);
  side->addWidget(links_, 1);
  auto* row = new QHBoxLayout(this);
  row->setContentsMargins(0, 0, 0, 0);
  row->addWidget(text_, kTextStretch);
  row->addLayout(side, 1);
  connect(text_, &QTextBrowser::anchorClicked, this, [this](const QUrl& anchor) {
    if (const auto link = ReaderDocument::linkOf(anchor)) followLink(*link);
  });
  connect(headings_, &QListWidget::itemActivated, this, &ReaderView::goToHeading);
  connect(links_, &QListWidget::itemActivated, this,
          [this](QListWidgetItem* item) { followLink(links_->row(item)); });
  text_->viewport()->installEventFilter(this);
  view_->installEventFilter(this);
  hide();
}

void ReaderView::prepare(const std::shared_ptr<const ReaderArticle>& article) {
  if (article == article_ && zoom_ == view_->zoomFactor()) return;
  article_ = article;
  lines_ = std::make_unique<ReaderText>(*article_);
  // Laid out at the width it will show at.
  place();
  write();
  fillLists();
  text_->moveCursor(QTextCursor::Start);
}

void ReaderView::showArticle(const std::shared_ptr<const ReaderArticle>& article) {
  prepare(article);
  showing_ = true;
  text_->setLayoutDirection(article_->rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
  place();
  show();
  raise();
  // Said as the focus comes in, the view being the text's context; and said apart from the
  // focus, since a reader that has followed the text's caret meanwhile takes the focus for old
  // news and says nothing.
  const QString name = tr("Reader view: %1").arg(QString::fromStdString(article_->title));
  setAccessibleName(name);
  text_->setFocus(Qt::OtherFocusReason);
  ScreenReaderNotice::say(this, name);
}

void ReaderView::showPage() {
  showing_ = false;
  // The focus goes before the view hides, which would hand it to the next control.
  if (isAncestorOf(QApplication::focusWidget())) view_->setFocus(Qt::OtherFocusReason);
  hide();
}

ReaderPart ReaderView::focusedPart() const {
  const QWidget* focus = QApplication::focusWidget();
  if (!showing_ || !focus) return ReaderPart::None;
  if (focus == text_ || text_->isAncestorOf(focus)) return ReaderPart::Text;
  if (focus == headings_ || headings_->isAncestorOf(focus)) return ReaderPart::Headings;
  if (focus == links_ || links_->isAncestorOf(focus)) return ReaderPart::Links;
  return ReaderPart::None;
}

bool ReaderView::focusPart(ReaderPart part) {
  QWidget* widget = part == ReaderPart::Text       ? static_cast<QWidget*>(text_)
                    : part == ReaderPart::Headings ? headings_
                    : part == ReaderPart::Links    ? links_
                                                   : nullptr;
  auto* list = qobject_cast<QListWidget*>(widget);
  if (!showing_ || !widget || (list && list->count() == 0)) return false;
  if (list && !list->currentItem()) list->setCurrentRow(0);
  widget->setFocus(Qt::ShortcutFocusReason);
  return true;
}

void ReaderView::moveTo(QWebEngineView* view) {
  if (view == view_) return;
  moveOverlay(this, view_, view);
  view_ = view;
  if (showing_ && view_->isVisible()) {
    place();
    show();
    raise();
  }
}

void ReaderView::followZoom() {
  if (zoom_ != view_->zoomFactor()) rewrite();
}

void ReaderView::changeEvent(QEvent* event) {
  QFrame::changeEvent(event);
  // The desktop's colours or fonts have changed: the links' colour and the sizes go with them.
  if (event->type() == QEvent::PaletteChange || event->type() == QEvent::FontChange) rewrite();
}

void ReaderView::rewrite() {
  if (!article_) return;
  const int at = text_->textCursor().position();
  write();
  QTextCursor cursor = text_->textCursor();
  cursor.setPosition(qMin(at, text_->document()->characterCount() - 1));
  text_->setTextCursor(cursor);
  text_->ensureCursorVisible();
}

void ReaderView::write() {
  zoom_ = view_->zoomFactor();
  QFont font = QApplication::font(text_);
  font.setPointSizeF(font.pointSizeF() * zoom_);
  // A new document each time: one that has been laid out lays out again on every change.
  auto* document = new QTextDocument(text_);
  ReaderDocument::write(document, *lines_, font, palette());
  // The first one is the text view's own, which goes when it is replaced.
  QTextDocument* old = text_->document();
  if (old->parent() != text_) old = nullptr;
  text_->setDocument(document);
  delete old;
  limitWidth();
}

void ReaderView::fillLists() {
  headings_->clear();
  for (const ReaderArticle::Heading& heading : article_->headings) {
    headings_->addItem(QString::fromStdString(heading.text));
  }
  links_->clear();
  for (const ReaderArticle::Link& link : article_->links) {
    auto* item = new QListWidgetItem(QString::fromStdString(link.text), links_);
    item->setToolTip(QString::fromStdString(link.address));
  }
  headingsLabel_->setVisible(headings_->count() > 0);
  headings_->setVisible(headings_->count() > 0);
  linksLabel_->setVisible(links_->count() > 0);
  links_->setVisible(links_->count() > 0);
}

void ReaderView::goToHeading(QListWidgetItem* item) {
  const int row = headings_->row(item);
  if (!lines_ || row < 0) return;
  const QTextBlock block =
      text_->document()->findBlockByNumber(static_cast<int>(lines_->headingLine(row)));
  if (!block.isValid()) return;
  // The focus first: a screen reader then hears the caret move within the text it is in.
  text_->setFocus(Qt::OtherFocusReason);
  QTextCursor cursor(block);
  text_->setTextCursor(cursor);
  // The heading at the top, the text it heads below it.
  const QRectF at = text_->document()->documentLayout()->blockBoundingRect(block);
  text_->verticalScrollBar()->setValue(static_cast<int>(at.top()));
}

void ReaderView::followLink(int index) {
  if (!article_ || index < 0 || index >= static_cast<int>(article_->links.size())) return;
  Q_EMIT linkActivated(QString::fromStdString(article_->links[index].address));
}

void ReaderView::limitWidth() {
  const int readable = text_->fontMetrics().averageCharWidth() * kReadableLetters * zoom_;
  const int spare = qMax(0, text_->viewport()->width() - readable) / 2;
  QTextFrameFormat format = text_->document()->rootFrame()->frameFormat();
  if (format.leftMargin() == spare) return;
  format.setLeftMargin(spare);
  format.setRightMargin(spare);
  text_->document()->rootFrame()->setFrameFormat(format);
}

void ReaderView::place() { setGeometry(view_->geometry()); }

void ReaderView::resizeEvent(QResizeEvent* event) {
  QFrame::resizeEvent(event);
  limitWidth();
}

bool ReaderView::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if (watched == text_->viewport() && type == QEvent::Resize) {
    limitWidth();
  } else if (watched == text_->viewport() && type == QEvent::Wheel) {
    // Ctrl and the wheel zoom the pane, as over its page, not the text view on its own.
    const auto* wheel = static_cast<QWheelEvent*>(event);
    const int steps = wheel->angleDelta().y();
    if ((wheel->modifiers() & Qt::ControlModifier) && steps != 0) {
      const double now = view_->zoomFactor();
      view_->setZoomFactor(steps > 0 ? ZoomSteps::larger(now) : ZoomSteps::smaller(now));
      followZoom();
      return true;
    }
  } else if (watched == view_ && showing_) {
    if (type == QEvent::Resize || type == QEvent::Move) place();
    // A view mode that hides the pane hides the article with it.
    if (type == QEvent::Hide) hide();
    if (type == QEvent::Show) {
      place();
      show();
      raise();
    }
  }
  return QFrame::eventFilter(watched, event);
}

}  // namespace corvane
