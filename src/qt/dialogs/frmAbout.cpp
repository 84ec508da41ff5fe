#include "qt/dialogs/frmAbout.h"

#include <QFile>
#include <QIcon>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include <utility>

#include "Version.h"
#include "base/Guarded.h"
#include "dialogs/AboutBox.h"
#include "qt/platform/AccessibleWindows.h"
#include "qt/platform/Resources.h"
#include "qt/start/TwipsRect.h"

namespace corvane {

namespace {

constexpr double kClientWidth = 5790;
constexpr double kClientHeight = 6615;
constexpr double kDesignedPointSize = 9.75;
constexpr double kNoticePointSize = 8.25;
constexpr int kIconPixels = 40;

QString licenceText() {
  QFile file(QStringLiteral(":/LICENSE"));
  if (!file.open(QIODevice::ReadOnly)) return QString();
  return QString::fromUtf8(file.readAll());
}

QFont designedFont(const QFont& base, double pointSize, bool bold) {
  QFont font = base;
  font.setPointSizeF(pointSize);
  font.setBold(bold);
  return font;
}

// Two one-pixel lines, grey over white: an etched line across the box.
void addSeparator(QWidget* box, const Twips& twips, double top) {
  const int y = twips.toPixels(top);
  const QColor colours[] = {QColor(128, 128, 128), Qt::white};
  for (int i = 0; i < 2; ++i) {
    auto* line = new QWidget(box);
    line->setObjectName(QStringLiteral("lnSeparator%1").arg(i + 1));
    markAsSeparator(line);
    line->setGeometry(twips.toPixels(120), y + i, box->width() - 2 * twips.toPixels(120), 1);
    line->setAutoFillBackground(true);
    QPalette palette = line->palette();
    palette.setColor(QPalette::Window, colours[i]);
    line->setPalette(palette);
  }
}

}  // namespace

frmAbout::frmAbout(std::function<void()> onLink) : QDialog(nullptr), onLink_(std::move(onLink)) {
  initResources();
  setObjectName(QStringLiteral("frmAbout"));
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(QStringLiteral("About Corvane"));
  buildContent();
  Form_Load();
}

void frmAbout::Form_Load() {
  guarded([&] {
    const QString version =
        QString::fromStdString(AboutBox::VersionText(kVersionMajor, kVersionMinor));
    lblVersion_->setText(version);
    // Screen readers pass over a window's loose labels of fewer than three words.
    lblVersion_->setAccessibleName(tr("Corvane %1").arg(version));
  });
}

void frmAbout::buildContent() {
  const Twips twips(this);
  setFixedSize(twips.toPixels(kClientWidth), twips.toPixels(kClientHeight));

  auto* icon = new QLabel(this);
  icon->setObjectName(QStringLiteral("picIcon"));
  icon->setPixmap(QIcon(QStringLiteral(":/corvane.svg")).pixmap(kIconPixels, kIconPixels));
  icon->setGeometry(twipsRect(twips, 120, 120, 600, 600));
  icon->setAccessibleName(tr("Corvane icon"));

  auto* title = new QLabel(QStringLiteral("Corvane"), this);
  title->setObjectName(QStringLiteral("lblTitle"));
  title->setGeometry(twipsRect(twips, 810, 240, 4095, 600));
  title->setFont(designedFont(font(), 18, true));

  lblVersion_ = new QLabel(QStringLiteral("Version X.X"), this);
  lblVersion_->setObjectName(QStringLiteral("lblVersion"));
  lblVersion_->setGeometry(twipsRect(twips, 810, 1080, 4095, 225));
  lblVersion_->setFont(designedFont(font(), kDesignedPointSize, true));

  auto* description = new QLabel(
      tr("A web browser that shows two independent pages in one window, the top pane above the "
         "bottom one, so that you can read two pages at once."),
      this);
  description->setObjectName(QStringLiteral("lblDescription"));
  description->setGeometry(twipsRect(twips, 810, 1560, 4095, 1200));
  description->setWordWrap(true);
  description->setAlignment(Qt::AlignLeft | Qt::AlignTop);

  addSeparator(this, twips, 3510);

  auto* agreement = new QPlainTextEdit(this);
  agreement->setObjectName(QStringLiteral("txtAgreement"));
  agreement->setGeometry(twipsRect(twips, 120, 3600, 5600, 1080));
  agreement->setReadOnly(true);
  agreement->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  agreement->setPlainText(licenceText());
  agreement->setAccessibleName(tr("Licence agreement"));
  nameScrollParts(agreement);

  // A button drawn as a link: it takes the keyboard focus and a click from assistive tools.
  auto* lblURL = new QPushButton(QString::fromLatin1(kSiteBase), this);
  lblURL->setObjectName(QStringLiteral("lblURL"));
  lblURL->setFont(designedFont(font(), kDesignedPointSize, true));
  lblURL->setCursor(Qt::PointingHandCursor);
  lblURL->setFlat(true);
  // Enter stays OK's wherever the focus is; Space follows the link.
  lblURL->setAutoDefault(false);
  lblURL->setStyleSheet(QStringLiteral(
      "QPushButton { color: blue; text-decoration: underline; border: 1px solid transparent; "
      "background: transparent; padding: 0px; }"
      "QPushButton:focus { border: 1px dotted blue; }"));
  lblURL->setAccessibleDescription(tr("Opens the web site in the top pane"));
  // The designed place, widened about its centre when the address needs more room.
  QRect link = twipsRect(twips, 1680, 4920, 2535, 375);
  const int needed = lblURL->sizeHint().width();
  if (needed > link.width())
    link.adjust(-(needed - link.width()) / 2, 0, (needed - link.width() + 1) / 2, 0);
  lblURL->setGeometry(link.intersected(rect()));
  connect(lblURL, &QPushButton::clicked, this, [this] {
    if (onLink_) guarded([&] { onLink_(); });
  });

  cmdOK_ = new QPushButton(QStringLiteral("OK"), this);
  cmdOK_->setObjectName(QStringLiteral("cmdOK"));
  cmdOK_->setGeometry(twipsRect(twips, 2280, 5520, 975, 375));
  cmdOK_->setDefault(true);
  connect(cmdOK_, &QPushButton::clicked, this, &frmAbout::reject);

  auto* notice = new QLabel(
      tr("Copyright \u00A9 2026 Halvor. Free software under the MIT License, with no warranty."),
      this);
  notice->setObjectName(QStringLiteral("lblDisclaimer"));
  notice->setGeometry(twipsRect(twips, 1200, 6120, 3495, 495));
  notice->setWordWrap(true);
  notice->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  QFont arial = designedFont(font(), kNoticePointSize, false);
  arial.setFamilies({QStringLiteral("Arial"), font().family()});
  notice->setFont(arial);

  setTabOrder(cmdOK_, lblURL);
  setTabOrder(lblURL, agreement);
  cmdOK_->setFocus();
}

void frmAbout::reject() {
  // Not close(): a dialog's close asks reject(), which comes here.
  hide();
  deleteLater();
}

}  // namespace corvane
