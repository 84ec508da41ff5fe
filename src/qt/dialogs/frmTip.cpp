#include "qt/dialogs/frmTip.h"

#include <QApplication>
#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStyle>

#include <algorithm>

#include "base/Guarded.h"
#include "qt/platform/ScreenReaderNotice.h"
#include "qt/start/TwipsRect.h"

namespace corvane {

namespace {
constexpr double kClientWidth = 5415;
constexpr double kClientHeight = 3285;
constexpr int kIconPixels = 28;

// A designed width may be too small for the words in this platform's font: grow rightwards,
// within the window.
void widenToContents(QWidget* widget) {
  const int wanted = widget->sizeHint().width();
  const int room = widget->parentWidget()->width() - widget->x();
  if (wanted > widget->width()) widget->resize(std::min(wanted, room), widget->height());
}
}  // namespace

frmTip::frmTip(ISettingsStore& store, const std::string& appName, const std::string& programFolder)
    : QDialog(nullptr), logic_(*this, store, random_, messages_, appName, programFolder) {
  setObjectName(QStringLiteral("frmTip"));
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(QStringLiteral("Corvane's Tip of the Day"));
  buildContent();
  connect(cmdOK_, &QPushButton::clicked, this, [this] { guarded([&] { logic_.cmdOK_Click(); }); });
  connect(cmdNextTip_, &QPushButton::clicked, this,
          [this] { guarded([&] { logic_.cmdNextTip_Click(); }); });
  // Toggled, however it is (a click, the space bar, an assistive tool); the load's own setting
  // of the box runs nothing (signals blocked there).
  connect(chkLoadTipsAtStartup_, &QCheckBox::toggled, this,
          [this] { guarded([&] { logic_.chkLoadTipsAtStartup_Click(); }); });
}

frmTip::~frmTip() = default;

void frmTip::buildContent() {
  const Twips twips(this);
  setFixedSize(twips.toPixels(kClientWidth), twips.toPixels(kClientHeight));

  auto* panel = new QFrame(this);
  panel->setObjectName(QStringLiteral("picTip"));
  panel->setAccessibleName(tr("Tip panel"));
  panel->setGeometry(twipsRect(twips, 120, 120, 3735, 2715));
  panel->setFrameShape(QFrame::Panel);
  panel->setFrameShadow(QFrame::Sunken);
  panel->setAutoFillBackground(true);
  QPalette white = panel->palette();
  white.setColor(QPalette::Window, Qt::white);
  white.setColor(QPalette::WindowText, Qt::black);
  panel->setPalette(white);

  auto* icon = new QLabel(panel);
  icon->setObjectName(QStringLiteral("imgTip"));
  icon->setPixmap(
      style()->standardIcon(QStyle::SP_MessageBoxInformation).pixmap(kIconPixels, kIconPixels));
  icon->setGeometry(twipsRect(twips, 45, 120, 450, 450));
  icon->setAlignment(Qt::AlignCenter);
  icon->setAccessibleName(tr("Tip"));

  auto* heading = new QLabel(QStringLiteral("Did you know..."), panel);
  heading->setObjectName(QStringLiteral("lblDidYouKnow"));
  heading->setGeometry(twipsRect(twips, 540, 180, 2655, 255));
  QFont bold = heading->font();
  bold.setBold(true);
  heading->setFont(bold);

  lblTipText_ = new QLabel(panel);
  lblTipText_->setObjectName(QStringLiteral("lblTipText"));
  lblTipText_->setGeometry(twipsRect(twips, 180, 840, 3255, 1635));
  lblTipText_->setTextFormat(Qt::PlainText);
  lblTipText_->setWordWrap(true);
  lblTipText_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  // Its name is the tip it shows, as any label's is: a screen reader reads it with the window.
  // Until then it is named by what it is, which stays its description.
  lblTipText_->setAccessibleName(tr("Tip of the day"));
  lblTipText_->setAccessibleDescription(tr("Tip of the day"));

  cmdOK_ = new QPushButton(QStringLiteral("OK"), this);
  cmdOK_->setObjectName(QStringLiteral("cmdOK"));
  cmdOK_->setGeometry(twipsRect(twips, 4080, 120, 1215, 375));
  cmdOK_->setDefault(true);

  cmdNextTip_ = new QPushButton(QStringLiteral("&Next Tip"), this);
  cmdNextTip_->setObjectName(QStringLiteral("cmdNextTip"));
  cmdNextTip_->setGeometry(twipsRect(twips, 4080, 600, 1215, 375));
  cmdNextTip_->setAccessibleName(tr("Next Tip"));

  chkLoadTipsAtStartup_ = new QCheckBox(QStringLiteral("&Show Tips at Startup"), this);
  chkLoadTipsAtStartup_->setObjectName(QStringLiteral("chkLoadTipsAtStartup"));
  chkLoadTipsAtStartup_->setGeometry(twipsRect(twips, 120, 2940, 2055, 315));
  chkLoadTipsAtStartup_->setAccessibleName(tr("Show Tips at Startup"));
  widenToContents(chkLoadTipsAtStartup_);

  setTabOrder(cmdOK_, cmdNextTip_);
  setTabOrder(cmdNextTip_, chkLoadTipsAtStartup_);
  cmdOK_->setFocus();
}

bool frmTip::Form_Load() {
  guarded([&] { logic_.Form_Load(); });
  return !unloaded_;
}

void frmTip::reject() { cmdOK_->click(); }

void frmTip::SetTipText(const std::string& text) {
  // A label breaks lines at line feeds; the carriage returns before them would show.
  QString shown = QString::fromStdString(text);
  shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  lblTipText_->setText(shown);
  lblTipText_->setAccessibleName(shown);
  // A later tip (Next Tip) is read when it comes, without a look for it; the first one is read
  // with the window as it opens.
  if (isVisible()) ScreenReaderNotice::say(this, shown);
}

bool frmTip::LoadTipsAtStartup() const { return chkLoadTipsAtStartup_->isChecked(); }

void frmTip::SetLoadTipsAtStartup(bool checked) {
  const QSignalBlocker quiet(chkLoadTipsAtStartup_);
  chkLoadTipsAtStartup_->setChecked(checked);
}

void frmTip::Unload() {
  unloaded_ = true;
  // Not close(): a dialog's close asks reject(), which is OK's click, which comes here.
  hide();
  deleteLater();
}

}  // namespace corvane
