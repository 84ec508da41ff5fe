#include "qt/BrowserControls.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>
#include <QWebEngineView>

#include "qt/PaneToolbar.h"
#include "qt/SplitterBar.h"

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

QLabel* makeStatus(QWidget* parent, const char* name, const QString& description) {
  // Unnamed, a label is read out by its text: the status itself, not what the label is for.
  auto* label = make<QLabel>(parent, name);
  label->setAccessibleDescription(description);
  label->setTextFormat(Qt::PlainText);
  label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  return label;
}

QLabel* makeAddressLabel(QWidget* parent, const char* name, QComboBox* buddy) {
  auto* label = make<QLabel>(parent, name);
  label->setText(QObject::tr("&Address:"));
  label->setBuddy(buddy);
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
  BrowserControls c{};
  // Created bottom to top where they overlap, so that the address strips lie above the
  // browsers and the bottom address strip above the bottom toolbar row.
  c.brwWebBrowser1 = make<QWebEngineView>(client, "brwWebBrowser1", QObject::tr("Top browser"));
  c.brwWebBrowser2 = make<QWebEngineView>(client, "brwWebBrowser2", QObject::tr("Bottom browser"));
  c.browserSplit = new SplitterBar(Qt::SizeVerCursor, client);
  c.browserSplit->setObjectName(QStringLiteral("browserSplit"));
  c.browserSplit->setAccessibleName(QObject::tr("Pane splitter"));
  c.tvw = make<QTreeWidget>(client, "tvw", QObject::tr("Favorites tree"));
  c.tvw->setHeaderHidden(true);
  c.picSplit = new SplitterBar(Qt::SplitHCursor, client);
  c.picSplit->setObjectName(QStringLiteral("picSplit"));
  c.picSplit->setAccessibleName(QObject::tr("Favorites splitter"));

  c.frmFav = make<QGroupBox>(client, "frmFav", QObject::tr("Favorites"));
  c.frmFav->setTitle(QObject::tr("Favorites"));
  c.cmdFavCloseX = makeButton(c.frmFav, "cmdFavCloseX", QStringLiteral("X"),
                              QObject::tr("Close favorites"));
  c.cmdAddFav = makeButton(c.frmFav, "cmdAddFav", QObject::tr("Add"), QObject::tr("Add favorites"));
  c.cmdOrganizeFav = makeButton(c.frmFav, "cmdOrganizeFav", QObject::tr("Organize"),
                                QObject::tr("Organize favorites"));

  c.tbToolBar2 = new PaneToolbar(QStringLiteral("tbToolBar2"), QObject::tr("Bottom toolbar"),
                                 client);
  c.picAddress2 = make<QWidget>(client, "picAddress2", QObject::tr("Bottom address strip"));
  c.cboAddress2 = make<QComboBox>(c.picAddress2, "cboAddress2", QObject::tr("Bottom address"));
  c.lblAddress2 = makeAddressLabel(c.picAddress2, "lblAddress2", c.cboAddress2);
  c.Label2 = makeStatus(c.picAddress2, "Label2", QObject::tr("Bottom status"));
  c.ProgressBar2 = make<QProgressBar>(c.picAddress2, "ProgressBar2", QObject::tr("Bottom progress"));

  c.picAddress1 = make<QWidget>(client, "picAddress1", QObject::tr("Top address strip"));
  c.lblAddress1 = makeAddressLabel(c.picAddress1, "lblAddress1", nullptr);
  c.cboAddress1 = make<QComboBox>(client, "cboAddress1", QObject::tr("Top address"));
  c.lblAddress1->setBuddy(c.cboAddress1);

  c.tbToolBar1 = new PaneToolbar(QStringLiteral("tbToolBar1"), QObject::tr("Top toolbar"), client);
  c.OptionBoth = makeOption(client, "OptionBoth", QObject::tr("Both Browsers"));
  c.OptionTop = makeOption(client, "OptionTop", QObject::tr("Top Browser "));
  c.OptionBottom = makeOption(client, "OptionBottom", QObject::tr("Bottom Browser"));
  c.OptionBoth->setChecked(true);
  c.Label1 = makeStatus(client, "Label1", QObject::tr("Top status"));
  c.ProgressBar1 = make<QProgressBar>(client, "ProgressBar1", QObject::tr("Top progress"));
  return c;
}

}  // namespace corvane
