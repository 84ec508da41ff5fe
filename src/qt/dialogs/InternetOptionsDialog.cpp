#include "qt/dialogs/InternetOptionsDialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWebEngineView>

#include <utility>

#include "dialogs/InternetOptions.h"
#include "qt/engine/EngineOptions.h"

namespace corvane {

namespace {
constexpr int kMinimumWidthInCharacters = 48;
}  // namespace

InternetOptionsDialog::InternetOptionsDialog(QWebEngineProfile* profile,
                                             QList<QWebEngineView*> views, ISettingsStore& store,
                                             std::string appName, QWidget* parent)
    : QDialog(parent), profile_(profile), store_(store), appName_(std::move(appName)) {
  for (QWebEngineView* view : views) views_.append(view);
  setObjectName(QStringLiteral("frmInternetOptions"));
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(tr("Internet Options"));
  buildContent();
  const InternetOptions options = InternetOptions::Load(store_, appName_);
  chkJavaScript_->setChecked(options.javaScript);
  chkImages_->setChecked(options.images);
  chkThirdPartyCookies_->setChecked(options.thirdPartyCookies);
}

void InternetOptionsDialog::buildContent() {
  auto* layout = new QVBoxLayout(this);
  setMinimumWidth(fontMetrics().averageCharWidth() * kMinimumWidthInCharacters);

  auto* history = new QGroupBox(tr("Browsing data"), this);
  auto* historyLayout = new QVBoxLayout(history);
  const auto addClear = [&](const char* name, const QString& caption, auto action) {
    auto* button = new QPushButton(caption, history);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    historyLayout->addWidget(button);
    connect(button, &QPushButton::clicked, this, action);
  };
  addClear("cmdClearCookies", tr("Delete &cookies"), [this] {
    clearCookies(profile_);
    report(tr("Cookies deleted."));
  });
  addClear("cmdClearCache", tr("Delete c&ached pages"), [this] {
    clearCache(profile_);
    report(tr("Cached pages deleted."));
  });
  addClear("cmdClearHistory", tr("Delete browsing &history"), [this] {
    QList<QWebEngineView*> views;
    for (const QPointer<QWebEngineView>& view : views_) views.append(view.data());
    clearBrowsingHistory(profile_, views);
    report(tr("Browsing history deleted."));
  });
  lblDone_ = new QLabel(history);
  lblDone_->setObjectName(QStringLiteral("lblDone"));
  historyLayout->addWidget(lblDone_);
  layout->addWidget(history);

  auto* content = new QGroupBox(tr("Pages"), this);
  auto* contentLayout = new QVBoxLayout(content);
  const auto addSwitch = [&](const char* name, const QString& caption) {
    auto* box = new QCheckBox(caption, content);
    box->setObjectName(QString::fromLatin1(name));
    contentLayout->addWidget(box);
    return box;
  };
  chkJavaScript_ = addSwitch("chkJavaScript", tr("Run &JavaScript"));
  chkImages_ = addSwitch("chkImages", tr("Show &images"));
  chkThirdPartyCookies_ = addSwitch("chkThirdPartyCookies", tr("Allow &third-party cookies"));
  layout->addWidget(content);

  auto* buttons = new QDialogButtonBox(
      QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Apply, this);
  buttons->setAccessibleName(tr("Buttons"));
  buttons->setObjectName(QStringLiteral("buttons"));
  layout->addWidget(buttons);
  connect(buttons, &QDialogButtonBox::accepted, this, [this] {
    if (apply()) close();
  });
  connect(buttons, &QDialogButtonBox::rejected, this, &QWidget::close);
  connect(buttons->button(QDialogButtonBox::Apply), &QPushButton::clicked, this,
          [this] { apply(); });
}

bool InternetOptionsDialog::apply() {
  InternetOptions options;
  options.javaScript = chkJavaScript_->isChecked();
  options.images = chkImages_->isChecked();
  options.thirdPartyCookies = chkThirdPartyCookies_->isChecked();
  applyInternetOptions(profile_, options);
  try {
    options.Save(store_, appName_);
  } catch (...) {
    QMessageBox::warning(this, tr("Corvane"),
                         tr("The options apply now, but could not be saved for the next start."));
    return false;
  }
  return true;
}

void InternetOptionsDialog::report(const QString& done) { lblDone_->setText(done); }

}  // namespace corvane
