#include "qt/dialogs/frmHomePageFav.h"

#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>
#include <utility>

#include "base/Guarded.h"
#include "qt/platform/AccessibleWindows.h"
#include "qt/start/Twips.h"

namespace corvane {

namespace {

constexpr double kClientWidth = 8730;
constexpr double kClientHeight = 4635;
constexpr qreal kCaptionPointSize = 8.25;

struct TwipsRect {
  double left, top, width, height;
};

void place(QWidget* widget, const Twips& twips, const TwipsRect& r) {
  const int left = twips.toPixels(r.left);
  const int top = twips.toPixels(r.top);
  widget->setGeometry(left, top, twips.toPixels(r.left + r.width) - left,
                      twips.toPixels(r.top + r.height) - top);
}

QFont captionFont(const QWidget* widget) {
  QFont font = widget->font();
  font.setBold(true);
  font.setPointSizeF(kCaptionPointSize);
  return font;
}

}  // namespace

frmHomePageFav::frmHomePageFav(IHomePagesEvents& events, QWidget* parent)
    : QWidget(parent, Qt::Dialog), events_(events) {
  setObjectName(QStringLiteral("frmHomePageFav"));
  setWindowTitle(QStringLiteral("Home Pages "));
  setAccessibleName(tr("Home Pages"));
  const Twips twips(this);
  setFixedSize(twips.toPixels(kClientWidth), twips.toPixels(kClientHeight));
  createControls();
}

void frmHomePageFav::createControls() {
  const Twips twips(this);
  const auto label = [&](const QString& text, const TwipsRect& r) {
    auto* l = new QLabel(text, this);
    l->setFont(captionFont(this));
    place(l, twips, r);
    // The designed width suits the font it was designed with; a wider one must not clip it.
    l->resize(std::max(l->width(), l->sizeHint().width()), l->height());
    return l;
  };
  const auto field = [&](const char* name, QLabel* caption, const TwipsRect& r) {
    auto* f = new QLineEdit(this);
    f->setObjectName(QString::fromLatin1(name));
    f->setAccessibleName(caption->text());
    caption->setBuddy(f);
    place(f, twips, r);
    return f;
  };
  const auto button = [&](const char* name, const QString& text, const QString& accessible,
                          const TwipsRect& r) {
    auto* b = new QPushButton(text, this);
    b->setObjectName(QString::fromLatin1(name));
    b->setAccessibleName(accessible);
    b->setFont(captionFont(this));
    b->setAutoDefault(false);
    place(b, twips, r);
    return b;
  };

  txtTBstart_ = field("txtTBstart", label(tr("Top Online Home Page"), {360, 120, 2055, 255}),
                      {360, 480, 7335, 375});
  txtBBstart_ = field("txtBBstart", label(tr("Bottom Online Home Page"), {360, 1080, 2415, 255}),
                      {360, 1440, 7335, 375});
  auto* line = new QFrame(this);
  markAsSeparator(line);
  line->setObjectName(QStringLiteral("Line1"));
  line->setFrameShape(QFrame::HLine);
  line->setFrameShadow(QFrame::Sunken);
  place(line, twips, {0, 2040 - 15, 8760, 30});
  txtTBstartOffLine_ =
      field("txtTBstartOffLine", label(tr("Top Offline Home Page"), {360, 2280, 2055, 255}),
            {360, 2640, 7335, 375});
  cmdOpen0_ = button("cmdOpen0", tr("Browse"), tr("Browse for the top offline home page"),
                     {7800, 2640, 855, 375});
  txtBBstartOffLine_ =
      field("txtBBstartOffLine", label(tr("Bottom Offline Home Page"), {360, 3240, 2415, 255}),
            {360, 3600, 7335, 375});
  cmdOpen1_ = button("cmdOpen1", tr("Browse"), tr("Browse for the bottom offline home page"),
                     {7800, 3600, 855, 375});
  cmdUpdateHomePages_ = button("cmdUpdateHomePages", tr("OK"), tr("OK"), {3120, 4200, 975, 375});
  cmdCancel_ = button("cmdCancel", tr("Cancel"), tr("Cancel"), {4680, 4200, 975, 375});

  // The designed tab order, which is not the order on screen.
  QWidget* order[] = {txtTBstart_,        txtBBstart_,        cmdUpdateHomePages_, cmdCancel_,
                      txtBBstartOffLine_, txtTBstartOffLine_, cmdOpen0_,           cmdOpen1_};
  for (std::size_t i = 0; i + 1 < std::size(order); ++i) setTabOrder(order[i], order[i + 1]);
  txtTBstart_->setFocus();

  connect(cmdOpen0_, &QPushButton::clicked, this,
          [this] { report([this] { events_.cmdOpen_Click(0); }); });
  connect(cmdOpen1_, &QPushButton::clicked, this,
          [this] { report([this] { events_.cmdOpen_Click(1); }); });
  connect(cmdUpdateHomePages_, &QPushButton::clicked, this,
          [this] { report([this] { events_.cmdUpdateHomePages_Click(); }); });
  connect(cmdCancel_, &QPushButton::clicked, this,
          [this] { report([this] { events_.cmdCancel_Click(); }); });
}

template <typename Handler>
void frmHomePageFav::report(Handler&& handler) {
  guarded(std::forward<Handler>(handler));
}

QLineEdit* frmHomePageFav::field(HomePageField field) const {
  switch (field) {
    case HomePageField::TBstart:
      return txtTBstart_;
    case HomePageField::BBstart:
      return txtBBstart_;
    case HomePageField::TBstartOffLine:
      return txtTBstartOffLine_;
    case HomePageField::BBstartOffLine:
      return txtBBstartOffLine_;
  }
  return nullptr;
}

void frmHomePageFav::unload() {
  if (!unloading_) {
    unloading_ = true;
    close();
  }
  deleteLater();
}

void frmHomePageFav::closeEvent(QCloseEvent* event) {
  if (!unloading_) {
    // The close box: the logic unloads the window, writing nothing.
    unloading_ = true;
    report([this] { events_.Form_Unload(); });
  }
  event->accept();
}

}  // namespace corvane
