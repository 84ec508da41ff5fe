#include "qt/pane/FindBar.h"

#include <QCheckBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QStyle>
#include <QToolButton>
#include <QWebEngineFindTextResult>
#include <QWebEnginePage>
#include <QWebEngineView>

#include "qt/platform/ScreenReaderNotice.h"

namespace corvane {

namespace {

constexpr int kMargin = 4;
constexpr int kTextWidth = 180;

QToolButton* makeButton(QWidget* parent, const QString& name, const QString& text,
                        const QString& themeIcon, const QString& tooltip) {
  auto* button = new QToolButton(parent);
  button->setObjectName(name);
  button->setIcon(
      QIcon::fromTheme(themeIcon, QIcon(QStringLiteral(":/icons/%1.svg").arg(themeIcon))));
  button->setText(text);
  button->setToolTip(tooltip);
  button->setAccessibleName(text);
  button->setAutoRaise(true);
  return button;
}

}  // namespace

FindBar::FindBar(QWidget* pages, QWebEngineView* view, const QString& suffix,
                 const QString& paneName)
    // A sibling over the page, not a child of the view: the view shows screen readers its page
    // alone, and the bar must be found like any other control.
    : QFrame(pages->parentWidget()), pages_(pages), view_(view) {
  setObjectName(QStringLiteral("findBar") + suffix);
  setAccessibleName(tr("%1 find bar").arg(paneName));
  setFrameShape(QFrame::StyledPanel);
  setAutoFillBackground(true);

  text_ = new QLineEdit(this);
  text_->setObjectName(QStringLiteral("findText") + suffix);
  text_->setAccessibleName(tr("Find text"));
  text_->setPlaceholderText(tr("Find in page"));
  text_->setClearButtonEnabled(true);
  // The field's clear button is a control of its own to a screen reader.
  for (QToolButton* clear : text_->findChildren<QToolButton*>()) {
    clear->setAccessibleName(tr("Clear find text"));
  }
  text_->setMinimumWidth(kTextWidth);
  text_->installEventFilter(this);
  previous_ = makeButton(this, QStringLiteral("findPrevious") + suffix, tr("Previous"),
                         QStringLiteral("go-up"), tr("Previous match (Shift+Enter)"));
  next_ = makeButton(this, QStringLiteral("findNext") + suffix, tr("Next"),
                     QStringLiteral("go-down"), tr("Next match (Enter)"));
  // Alt+M: Alt+C opens the Chat menu.
  matchCase_ = new QCheckBox(tr("&Match case"), this);
  matchCase_->setObjectName(QStringLiteral("findMatchCase") + suffix);
  matchCase_->setAccessibleName(tr("Match case"));
  result_ = new QLabel(this);
  result_->setObjectName(QStringLiteral("findResult") + suffix);
  result_->setAccessibleName(tr("Find result"));
  // Room for the usual results, so that the bar keeps its width while the user types.
  result_->setMinimumWidth(result_->fontMetrics().horizontalAdvance(tr("No matches")));
  close_ = makeButton(this, QStringLiteral("findClose") + suffix, tr("Close find bar"),
                      QStringLiteral("window-close"), tr("Close (Esc)"));

  auto* row = new QHBoxLayout(this);
  row->setContentsMargins(kMargin, 2, kMargin, 2);
  row->setSpacing(kMargin);
  for (QWidget* w :
       std::initializer_list<QWidget*>{text_, previous_, next_, matchCase_, result_, close_}) {
    row->addWidget(w);
  }

  connect(text_, &QLineEdit::textChanged, this, [this](const QString& text) {
    find_.setText(text.toStdString());
    showResult();
  });
  connect(next_, &QToolButton::clicked, this, &FindBar::findNext);
  connect(previous_, &QToolButton::clicked, this, &FindBar::findPrevious);
  connect(matchCase_, &QCheckBox::toggled, this, [this](bool on) {
    find_.setMatchCase(on);
    showResult();
  });
  connect(close_, &QToolButton::clicked, this, &FindBar::dismiss);

  pages_->installEventFilter(this);
  hide();
}

void FindBar::setView(QWebEngineView* view) {
  if (view == view_) return;
  if (isVisible()) dismiss();
  view_ = view;
}

void FindBar::open() {
  place();
  show();
  raise();
  text_->selectAll();
  text_->setFocus(Qt::ShortcutFocusReason);
}

void FindBar::findNext() {
  find_.next();
  showResult();
}

void FindBar::findPrevious() {
  find_.previous();
  showResult();
}

bool FindBar::hasText() const { return find_.hasText(); }

void FindBar::dismiss() {
  const QWidget* focus = window()->focusWidget();
  const bool hadFocus = focus && (focus == this || isAncestorOf(focus));
  hide();
  find_.dismiss();
  showResult();
  if (hadFocus && view_) view_->setFocus(Qt::OtherFocusReason);
}

void FindBar::find(const std::string& text, bool backward, bool matchCase) {
  QWebEnginePage::FindFlags flags;
  if (backward) flags |= QWebEnginePage::FindBackward;
  if (matchCase) flags |= QWebEnginePage::FindCaseSensitively;
  // The page may answer after the bar is gone.
  QPointer<FindBar> self(this);
  if (!view_) return;
  view_->findText(QString::fromStdString(text), flags,
                  [self](const QWebEngineFindTextResult& result) {
                    if (!self) return;
                    self->find_.answered(result.numberOfMatches(), result.activeMatch());
                    self->showResult();
                    self->sayResult();
                  });
}

void FindBar::clearFind() {
  if (view_) view_->findText(QString());
}

void FindBar::showResult() {
  const QString text = QString::fromStdString(find_.result());
  result_->setText(text);
  // Named for what it is, the result is read out as its description, like a status line.
  result_->setAccessibleDescription(text);
  // A longer result widens the bar rather than squeezing its controls over each other.
  if (isVisible()) place();
}

void FindBar::sayResult() {
  // Heard as soon as it comes, as the eye sees it change, wherever the focus is in the bar.
  if (isVisible() && !result_->text().isEmpty()) ScreenReaderNotice::say(this, result_->text());
}

void FindBar::place() {
  adjustSize();
  const QSize size = sizeHint().boundedTo(pages_->size());
  resize(size);
  const QRect page = pages_->geometry();
  // Clear of the page's own scroll bar, where the engine marks the matches.
  const int scrollBar = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
  move(page.right() + 1 - size.width() - scrollBar - kMargin, page.top() + kMargin);
}

void FindBar::keyPressEvent(QKeyEvent* event) {
  // Esc reaches the bar from whichever of its controls has the focus, none of which uses it.
  if (event->key() == Qt::Key_Escape) {
    dismiss();
    return;
  }
  QFrame::keyPressEvent(event);
}

bool FindBar::eventFilter(QObject* watched, QEvent* event) {
  if (watched == pages_) {
    // The bar follows the page wherever the layout puts it, and goes with it.
    const QEvent::Type type = event->type();
    if ((type == QEvent::Resize || type == QEvent::Move) && isVisible()) place();
    if (type == QEvent::Hide && isVisible()) dismiss();
  } else if (watched == text_ && event->type() == QEvent::KeyPress) {
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
      if (key->modifiers() & Qt::ShiftModifier) {
        findPrevious();
      } else {
        findNext();
      }
      return true;
    }
  }
  return QFrame::eventFilter(watched, event);
}

}  // namespace corvane
