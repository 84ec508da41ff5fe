#include "qt/pane/SuggestionPopup.h"

#include <QApplication>
#include <QPainter>
#include <QScreen>
#include <QStyledItemDelegate>

#include <algorithm>

namespace corvane {

namespace {

constexpr int kAddressRole = Qt::UserRole;
constexpr int kMargin = 4;
// The rows the list keeps room for below its box, even where its page is shorter.
constexpr int kLeastRows = 3;
// A line is cut before it is measured: no entry is ever read whole at this width, and a typed
// text of any length must not hold up the list.
constexpr int kShownCharacters = 400;

QString shown(const std::string& text) {
  QString line = QString::fromStdString(text.substr(0, kShownCharacters * 4));
  if (line.size() > kShownCharacters) line.truncate(kShownCharacters);
  return line;
}

// An entry as two lines: its title, and below it its address in the quieter colour.
class TwoLineDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;

  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const override {
    return {0, 2 * option.fontMetrics.height() + 2 * kMargin};
  }

  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override {
    QStyleOptionViewItem item(option);
    initStyleOption(&item, index);
    item.text.clear();
    const QWidget* view = option.widget;
    QStyle* style = view ? view->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &item, painter, view);

    const bool selected = option.state & QStyle::State_Selected;
    const QRect text = option.rect.adjusted(2 * kMargin, kMargin, -2 * kMargin, -kMargin);
    const int line = option.fontMetrics.height();
    const auto draw = [&](const QString& words, int top, QPalette::ColorRole colour) {
      painter->setPen(option.palette.color(colour));
      painter->drawText(QRect(text.left(), top, text.width(), line),
                        Qt::AlignLeft | Qt::AlignVCenter,
                        option.fontMetrics.elidedText(words, Qt::ElideRight, text.width()));
    };
    painter->save();
    draw(index.data(Qt::DisplayRole).toString(), text.top(),
         selected ? QPalette::HighlightedText : QPalette::Text);
    draw(index.data(kAddressRole).toString(), text.top() + line,
         selected ? QPalette::HighlightedText : QPalette::PlaceholderText);
    painter->restore();
  }
};

}  // namespace

SuggestionPopup::SuggestionPopup(QWidget* box, QWidget* bounds)
    : QListWidget(box), box_(box), bounds_(bounds) {
  // A tool tip's window: over everything, no frame from the window manager, never the focus.
  setWindowFlags(Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus);
  setAttribute(Qt::WA_ShowWithoutActivating);
  setFocusPolicy(Qt::NoFocus);
  setObjectName(box->objectName() + QStringLiteral("Suggestions"));
  setAccessibleName(tr("%1 suggestions").arg(box->accessibleName()));
  setItemDelegate(new TwoLineDelegate(this));
  setUniformItemSizes(true);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setMouseTracking(true);
  connect(this, &QListWidget::itemClicked, this,
          [this](QListWidgetItem* item) { Q_EMIT chosen(row(item)); });
}

void SuggestionPopup::showEntries(const std::vector<Suggestion>& entries) {
  clear();
  for (const Suggestion& entry : entries) {
    auto* item = new QListWidgetItem(shown(entry.title), this);
    const QString address = shown(entry.address);
    item->setData(kAddressRole, address);
    // A reader says the title, then the address; a search's address says nothing the title
    // does not, and only at length.
    if (entry.kind != Suggestion::Kind::Search && item->text() != address) {
      item->setData(Qt::AccessibleDescriptionRole, address);
    }
  }
  place();
  if (!isVisible()) show();
}

void SuggestionPopup::highlight(int row) {
  if (row < 0 || row >= count()) {
    clearSelection();
    setCurrentRow(-1);
    scrollToTop();
    return;
  }
  setCurrentRow(row);
  scrollToItem(item(row));
}

void SuggestionPopup::place() {
  const QPoint foot = box_->mapToGlobal(QPoint(0, box_->height()));
  const int head = foot.y() - box_->height();
  const int frame = 2 * frameWidth();
  const int row = sizeHintForRow(0);
  const int wanted = count() * row + frame;
  const int least = std::min(wanted, kLeastRows * row + frame);
  int bottom = std::max(bounds_->mapToGlobal(QPoint(0, bounds_->height())).y(), foot.y() + least);
  int top = head - wanted;
  if (const QScreen* screen = box_->screen()) {
    const QRect room = screen->availableGeometry();
    bottom = std::min(bottom, room.bottom() + 1);
    top = std::max(top, room.top());
  }
  const int below = bottom - foot.y();
  const int above = head - top;
  if (below < least && above > below) {
    // A box at the foot of the screen: the list opens above it instead, over its page.
    setGeometry(foot.x(), top, box_->width(), above);
    return;
  }
  setGeometry(foot.x(), foot.y(), box_->width(), std::max(row + frame, std::min(wanted, below)));
}

}  // namespace corvane
