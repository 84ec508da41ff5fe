#include "qt/window/BrowserControls.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QTreeWidget>
#include <QWebEngineView>

#include "qt/pane/AccessibleAddressBox.h"
#include "qt/pane/PaneProgressBar.h"
#include "qt/pane/PaneToolbar.h"
#include "qt/pane/StatusLabel.h"
#include "qt/window/SplitterBar.h"

namespace corvane {

namespace {
constexpr qreal kTopRowPointSize = 8;

// Every control carries its layout name as objectName and a name for screen readers (and for
// tests that drive the window from outside) that says what it is and which pane it belongs to.
template <typename W>
W* make(QWidget* parent, const char* name, const QString& accessibleName = QString()) {
  auto* widget = new W(parent);
  widget->setObjectName(QString::fromLatin1(name));
  if (!accessibleName.isEmpty()) widget->setAccessibleName(accessibleName);
  return widget;
}

// Both labels read "Address:"; a screen reader names a box by its label, so each says its pane.
QLabel* makeAddressLabel(QWidget* parent, const char* name, const QString& accessibleName) {
  auto* label = make<QLabel>(parent, name, accessibleName);
  label->setText(QObject::tr("&Address:"));
  return label;
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
}  // namespace

BrowserControls BrowserControls::create(QWidget* client) {
  installAddressBoxAccessibility();
  BrowserControls c{};
  // Created bottom to top where they overlap, so that the address strips lie above the
  // browsers and the bottom address strip above the bottom toolbar row.
  c.brwWebBrowser1 = make<QWebEngineView>(client, "brwWebBrowser1", QObject::tr("Top browser"));
  c.brwWebBrowser2 = make<QWebEngineView>(client, "brwWebBrowser2", QObject::tr("Bottom browser"));
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

  c.tbToolBar2 = new PaneToolbar(QStringLiteral("tbToolBar2"), QObject::tr("Bottom toolbar"),
                                 QObject::tr("Bottom pane"), client);
  c.picAddress2 = make<QWidget>(client, "picAddress2", QObject::tr("Bottom address strip"));
  c.cboAddress2 = make<QComboBox>(c.picAddress2, "cboAddress2", QObject::tr("Bottom address"));
  c.lblAddress2 = makeAddressLabel(c.picAddress2, "lblAddress2", QObject::tr("Bottom address:"));
  c.Label2 = new StatusLabel(QStringLiteral("Label2"), QObject::tr("Bottom status"), c.picAddress2);
  c.ProgressBar2 =
      make<PaneProgressBar>(c.picAddress2, "ProgressBar2", QObject::tr("Bottom progress"));

  c.picAddress1 = make<QWidget>(client, "picAddress1", QObject::tr("Top address strip"));
  c.lblAddress1 = makeAddressLabel(c.picAddress1, "lblAddress1", QObject::tr("Top address:"));
  c.cboAddress1 = make<QComboBox>(client, "cboAddress1", QObject::tr("Top address"));
  // Both labels answer Alt+A, in the order their boxes got them: the top box first.
  c.lblAddress1->setBuddy(c.cboAddress1);
  c.lblAddress2->setBuddy(c.cboAddress2);

  c.tbToolBar1 = new PaneToolbar(QStringLiteral("tbToolBar1"), QObject::tr("Top toolbar"),
                                 QObject::tr("Top pane"), client);
  c.OptionBoth = makeOption(client, "OptionBoth", QObject::tr("Both Browsers"));
  c.OptionTop = makeOption(client, "OptionTop", QObject::tr("Top Browser "));
  c.OptionBottom = makeOption(client, "OptionBottom", QObject::tr("Bottom Browser"));
  c.OptionBoth->setChecked(true);
  c.Label1 = new StatusLabel(QStringLiteral("Label1"), QObject::tr("Top status"), client);
  c.ProgressBar1 = make<PaneProgressBar>(client, "ProgressBar1", QObject::tr("Top progress"));
  return c;
}

QList<QWidget*> BrowserControls::tabStops(QWidget* topPageExtras, QWidget* bottomPageExtras) const {
  QList<QWidget*> order;
  const auto addExtras = [&order](QWidget* extras) {
    if (!extras) return;
    for (QWidget* w : extras->findChildren<QWidget*>()) {
      if (w->focusPolicy() & Qt::TabFocus) order << w;
    }
  };
  const auto addToolbar = [&order](PaneToolbar* toolbar) {
    for (int i = 1; i <= toolbar->ButtonCount(); ++i) order << toolbar->button(i);
  };
  addToolbar(tbToolBar1);
  // Like any group of options, the group is one stop: the selected one.
  for (QRadioButton* option : {OptionBoth, OptionTop, OptionBottom}) {
    if (option->isChecked()) order << option;
  }
  order << cboAddress1 << cmdFavCloseX << cmdAddFav << cmdOrganizeFav << tvw << picSplit
        << brwWebBrowser1;
  addExtras(topPageExtras);
  order << browserSplit << brwWebBrowser2;
  addExtras(bottomPageExtras);
  order << cboAddress2;
  addToolbar(tbToolBar2);
  QList<QWidget*> stops;
  for (QWidget* w : order) {
    if (w->isVisible() && w->isEnabled()) stops << w;
  }
  return stops;
}

}  // namespace corvane
