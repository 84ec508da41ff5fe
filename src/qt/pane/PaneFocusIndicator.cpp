#include "qt/pane/PaneFocusIndicator.h"

#include <QApplication>
#include <QFocusFrame>
#include <QPainter>
#include <QProxyStyle>
#include <QStyleHintReturnMask>
#include <QWebEngineView>
#include <QWidget>

#include <utility>

#include "qt/pane/PaneBrowser.h"

namespace corvane {

namespace {

constexpr int kLineWidth = 3;
// A pane whose links open in the other pane drives it: its line is twice as strong.
constexpr int kDrivingLineWidth = 6;

// The ring `width` wide along the inside of `all`.
QRegion ring(const QRect& all, int width) {
  return QRegion(all) - QRegion(all.adjusted(width, width, -width, -width));
}

class EdgeLine : public QFocusFrame {
 public:
  using QFocusFrame::QFocusFrame;
  int lineWidth() const { return lineWidth_; }
  void setLineWidth(int width) {
    lineWidth_ = width;
    // The frame takes its mask from the style only when its place changes; on the same place
    // the new width shows now, not once the focus moves. Hidden meanwhile, so that the page
    // under a narrower line is drawn again.
    const bool shown = isVisible();
    hide();
    setMask(ring(rect(), width));
    setVisible(shown);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    // The active highlight, whatever window is active: it marks this window's own focus.
    QPainter(this).fillRect(rect(), palette().color(QPalette::Active, QPalette::Highlight));
  }

 private:
  int lineWidth_ = kLineWidth;
};

// A focus frame that lies on the widget's own edge, above it, in a line of its own width: the
// frame's area is the widget's, masked to a ring. Being a focus frame keeps it out of the
// accessibility tree and lets the pointer through, as a decoration should.
class EdgeStyle : public QProxyStyle {
 public:
  int pixelMetric(PixelMetric metric, const QStyleOption* option,
                  const QWidget* widget) const override {
    if (metric == PM_FocusFrameHMargin || metric == PM_FocusFrameVMargin) return 0;
    return QProxyStyle::pixelMetric(metric, option, widget);
  }
  int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                QStyleHintReturn* returnData) const override {
    if (hint == SH_FocusFrame_AboveWidget) return 1;
    if (hint == SH_FocusFrame_Mask) {
      if (auto* mask = qstyleoption_cast<QStyleHintReturnMask*>(returnData); mask && widget) {
        const auto* line = dynamic_cast<const EdgeLine*>(widget);
        const int w = line ? line->lineWidth() : kLineWidth;
        mask->region = ring(widget->rect(), w);
      }
      return 1;
    }
    return QProxyStyle::styleHint(hint, option, widget, returnData);
  }
};

}  // namespace

PaneFocusIndicator::PaneFocusIndicator(QWidget* window, const PaneWindows& panes, OnChange onChange)
    : QObject(window),
      window_(window),
      panes_(panes),
      onChange_(std::move(onChange)),
      frame_(new EdgeLine(window)) {
  frame_->setObjectName(QStringLiteral("paneFocusLine"));
  auto* style = new EdgeStyle;
  style->setParent(frame_);
  frame_->setStyle(style);
  frame_->hide();
  connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
    // Another window, or none, taking the focus leaves this window's mark where it is.
    if (now && now->window() == window_) show(panes_.paneOf(now));
  });
  // The line lies along the page the pane shows.
  for (PaneId id : kPanes) {
    connect(&panes_[id], &PaneWindow::pageViewShown, this, [this] { show(focused_); });
  }
}

void PaneFocusIndicator::showDriving(PaneId pane, bool driving) {
  bool& shown = driving_[paneSlot(pane)];
  if (shown == driving) return;
  shown = driving;
  show(focused_);
}

void PaneFocusIndicator::refresh() {
  QWidget* focus = window_->focusWidget();
  if (focus) show(panes_.paneOf(focus));
}

void PaneFocusIndicator::show(std::optional<PaneId> pane) {
  // A pane the view mode hides is never marked: its line would lie across the page that shows.
  if (pane && panes_[*pane].browserArea()->isHidden()) {
    frame_->setWidget(nullptr);
    frame_->hide();
  } else if (pane) {
    auto* line = static_cast<EdgeLine*>(frame_);
    const int width = driving_[paneSlot(*pane)] ? kDrivingLineWidth : kLineWidth;
    if (line->lineWidth() != width) line->setLineWidth(width);
    // The frame follows its page's place and visibility from here on.
    frame_->setWidget(panes_.view(*pane));
  } else {
    frame_->setWidget(nullptr);
    frame_->hide();
  }
  if (pane == focused_) return;
  focused_ = pane;
  if (onChange_) onChange_(pane);
}

}  // namespace corvane
