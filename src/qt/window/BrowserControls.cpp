#include "qt/window/BrowserControls.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QTreeWidget>

#include <map>

#include "layout/ControlId.h"
#include "qt/pane/AccessibleAddressBox.h"
#include "qt/pane/PaneBrowser.h"
#include "qt/pane/PaneNames.h"
#include "qt/pane/PaneProgressBar.h"
#include "qt/pane/PaneToolbar.h"
#include "qt/pane/StatusLabel.h"
#include "qt/window/SplitterBar.h"

namespace corvane {

namespace {
constexpr qreal kTopRowPointSize = 8;

// Each pane's controls as the layout knows them, the top pane's first.
struct PaneControlIds {
  ControlId brwWebBrowser, tbToolBar, picAddress, lblAddress, cboAddress, Label, ProgressBar;
};
constexpr PaneControlIds kPaneControls[] = {
    {ControlId::brwWebBrowser1, ControlId::tbToolBar1, ControlId::picAddress1,
     ControlId::lblAddress1, ControlId::cboAddress1, ControlId::Label1, ControlId::ProgressBar1},
    {ControlId::brwWebBrowser2, ControlId::tbToolBar2, ControlId::picAddress2,
     ControlId::lblAddress2, ControlId::cboAddress2, ControlId::Label2, ControlId::ProgressBar2},
};

// Every control carries its layout name as objectName and a name for screen readers (and for
// tests that drive the window from outside) that says what it is and which pane it belongs to.
template <typename W>
W* make(QWidget* parent, const char* name, const QString& accessibleName = QString()) {
  auto* widget = new W(parent);
  widget->setObjectName(QString::fromLatin1(name));
  if (!accessibleName.isEmpty()) widget->setAccessibleName(accessibleName);
  return widget;
}

QRadioButton* makeOption(QWidget* parent, const char* name, const QString& caption) {
  // The captions keep their designed blanks; a screen reader is given the words alone.
  auto* option = make<QRadioButton>(parent, name, caption.trimmed());
  option->setText(caption);
  // The top row is laid out for a small dialog font; a larger default would clip the captions.
  QFont font = option->font();
  if (font.pointSizeF() > kTopRowPointSize) font.setPointSizeF(kTopRowPointSize);
  option->setFont(font);
  return option;
}

QPushButton* makeButton(QWidget* parent, const char* name, const QString& caption,
                        const QString& accessibleName) {
  auto* button = make<QPushButton>(parent, name);
  button->setText(caption);
  button->setAccessibleName(accessibleName);
  return button;
}

// Makes each pane's controls, each in the client area or in the strip the layout puts it in.
class PaneControlMaker {
 public:
  PaneControlMaker(QWidget* client, BrowserControls& c) : client_(client), c_(c) {}

  void browser(PaneId id) {
    auto* browser = new PaneBrowser(nameOf(ids(id).brwWebBrowser), paneName(id),
                                    parentOf(ids(id).brwWebBrowser));
    made_[ids(id).brwWebBrowser] = browser;
    pane(id).brwWebBrowser = browser;
  }

  void toolbar(PaneId id) {
    pane(id).tbToolBar =
        new PaneToolbar(nameOf(ids(id).tbToolBar), QObject::tr("%1 toolbar").arg(paneName(id)),
                        QObject::tr("%1 pane").arg(paneName(id)), parentOf(ids(id).tbToolBar));
  }

  // The strip, the address box and its label.
  void addressStrip(PaneId id) {
    PaneWidgets& w = pane(id);
    w.picAddress = make<QWidget>(id, ids(id).picAddress, QObject::tr("%1 address strip"));
    w.cboAddress = make<QComboBox>(id, ids(id).cboAddress, QObject::tr("%1 address"));
    // Both labels read "Address:"; a screen reader names a box by its label, so each says its
    // pane.
    w.lblAddress = make<QLabel>(id, ids(id).lblAddress, QObject::tr("%1 address:"));
    w.lblAddress->setText(QObject::tr("&Address:"));
  }

  // The status line and the progress bar.
  void status(PaneId id) {
    pane(id).Label = new StatusLabel(
        nameOf(ids(id).Label), QObject::tr("%1 status").arg(paneName(id)), parentOf(ids(id).Label));
    pane(id).ProgressBar =
        make<PaneProgressBar>(id, ids(id).ProgressBar, QObject::tr("%1 progress"));
  }

 private:
  static const PaneControlIds& ids(PaneId id) { return kPaneControls[paneSlot(id)]; }
  static QString nameOf(ControlId id) { return QString::fromLatin1(controlName(id)); }
  PaneWidgets& pane(PaneId id) { return c_.panes[paneSlot(id)]; }
  QWidget* parentOf(ControlId id) const {
    const auto container = containerOf(id);
    return container ? made_.at(*container) : client_;
  }
  // `accessibleName` names the pane with %1.
  template <typename W>
  W* make(PaneId pane, ControlId id, const QString& accessibleName) {
    auto* widget =
        corvane::make<W>(parentOf(id), controlName(id), accessibleName.arg(paneName(pane)));
    made_[id] = widget;
    return widget;
  }

  QWidget* client_;
  BrowserControls& c_;
  std::map<ControlId, QWidget*> made_;
};

}  // namespace

BrowserControls BrowserControls::create(QWidget* client) {
  installAddressBoxAccessibility();
  BrowserControls c{};
  PaneControlMaker panes(client, c);
  // Created bottom to top where they overlap, so that the address strips lie above the browsers
  // and the bottom address strip above the bottom toolbar row. The order they are made in is
  // also the order Tab falls back on where the window's own order does not reach.
  for (PaneId id : kPanes) panes.browser(id);
  c.browserSplit = new SplitterBar(Qt::Vertical, client);
  c.browserSplit->setObjectName(QStringLiteral("browserSplit"));
  c.browserSplit->setAccessibleName(QObject::tr("Pane splitter"));
  c.tvw = make<QTreeWidget>(client, "tvw", QObject::tr("Favorites"));
  c.tvw->setHeaderHidden(true);
  c.picSplit = new SplitterBar(Qt::Horizontal, client);
  c.picSplit->setObjectName(QStringLiteral("picSplit"));
  c.picSplit->setAccessibleName(QObject::tr("Favorites splitter"));

  c.frmFav = make<QGroupBox>(client, "frmFav", QObject::tr("Favorites"));
  c.frmFav->setTitle(QObject::tr("Favorites"));
  c.cmdFavCloseX =
      makeButton(c.frmFav, "cmdFavCloseX", QStringLiteral("X"), QObject::tr("Close favorites"));
  c.cmdAddFav = makeButton(c.frmFav, "cmdAddFav", QObject::tr("Add"), QObject::tr("Add favorites"));
  c.cmdOrganizeFav = makeButton(c.frmFav, "cmdOrganizeFav", QObject::tr("Organize"),
                                QObject::tr("Organize favorites"));

  // The panes' rows from the window's foot up: a pane's toolbar is its outermost row.
  panes.toolbar(PaneId::Bottom);
  for (PaneId id : {PaneId::Bottom, PaneId::Top}) panes.addressStrip(id);
  panes.toolbar(PaneId::Top);
  c.OptionBoth = makeOption(client, "OptionBoth", QObject::tr("Both Browsers"));
  c.OptionTop = makeOption(client, "OptionTop", QObject::tr("Top Browser "));
  c.OptionBottom = makeOption(client, "OptionBottom", QObject::tr("Bottom Browser"));
  c.OptionBoth->setChecked(true);
  for (PaneId id : kPanes) panes.status(id);
  for (const PaneWidgets& pane : c.panes) {
    // Both labels answer Alt+A, in the order their boxes got them: the top box first.
    pane.lblAddress->setBuddy(pane.cboAddress);
    pane.cboAddress->setEditable(true);
  }
  return c;
}

QList<QWidget*> BrowserControls::tabStops(
    const std::function<QList<QWidget*>(PaneId)>& pageStops) const {
  QList<QWidget*> order;
  const auto addToolbar = [&order, this](PaneId id) {
    const PaneToolbar* toolbar = pane(id).tbToolBar;
    for (int i = 1; i <= toolbar->ButtonCount(); ++i) order << toolbar->button(i);
  };
  const auto addPage = [&order, &pageStops](PaneId id) { order << pageStops(id); };
  addToolbar(PaneId::Top);
  // Like any group of options, the group is one stop: the selected one.
  for (QRadioButton* option : {OptionBoth, OptionTop, OptionBottom}) {
    if (option->isChecked()) order << option;
  }
  order << pane(PaneId::Top).cboAddress << cmdFavCloseX << cmdAddFav << cmdOrganizeFav << tvw
        << picSplit;
  addPage(PaneId::Top);
  order << browserSplit;
  addPage(PaneId::Bottom);
  order << pane(PaneId::Bottom).cboAddress;
  addToolbar(PaneId::Bottom);
  QList<QWidget*> stops;
  for (QWidget* w : order) {
    if (w && w->isVisible() && w->isEnabled()) stops << w;
  }
  return stops;
}

}  // namespace corvane
