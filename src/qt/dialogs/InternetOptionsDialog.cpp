#include "qt/dialogs/InternetOptionsDialog.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWebEngineView>

#include <algorithm>
#include <utility>

#include "browser/SearchEngines.h"
#include "dialogs/InternetOptions.h"
#include "history/History.h"
#include "qt/engine/EngineOptions.h"
#include "qt/platform/QtMessageBox.h"

namespace corvane {

namespace {
constexpr int kMinimumWidthInCharacters = 48;
}  // namespace

InternetOptionsDialog::InternetOptionsDialog(QWebEngineProfile* profile,
                                             QList<QWebEngineView*> views, ISettingsStore& store,
                                             std::string appName, History* history, QWidget* parent)
    : QDialog(parent),
      profile_(profile),
      store_(store),
      appName_(std::move(appName)),
      history_(history) {
  for (QWebEngineView* view : views) views_.append(view);
  setObjectName(QStringLiteral("frmInternetOptions"));
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(tr("Internet Options"));
  buildContent();
  const InternetOptions options = InternetOptions::Load(store_, appName_);
  chkJavaScript_->setChecked(options.javaScript);
  chkImages_->setChecked(options.images);
  chkThirdPartyCookies_->setChecked(options.thirdPartyCookies);
  showSearch(options);
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
    // The pages visited are the browsing history too: one command clears both.
    if (history_) history_->Clear(History::Range::Everything);
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
  buildSearch(layout);

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

void InternetOptionsDialog::buildSearch(QLayout* layout) {
  auto* box = new QGroupBox(tr("Address box"), this);
  auto* form = new QFormLayout(box);
  cboSearchEngine_ = new QComboBox(box);
  cboSearchEngine_->setObjectName(QStringLiteral("cboSearchEngine"));
  cboSearchEngine_->setAccessibleName(tr("Search the web with"));
  cboSearchEngine_->view()->setAccessibleName(tr("Search engines"));
  for (const SearchEngine& engine : SearchEngines::All()) {
    cboSearchEngine_->addItem(QString::fromUtf8(engine.name), QString::fromLatin1(engine.id));
  }
  cboSearchEngine_->addItem(QString::fromUtf8(SearchEngines::kOtherName),
                            QString::fromLatin1(SearchEngines::kOtherId));
  txtOtherSearch_ = new QLineEdit(box);
  txtOtherSearch_->setObjectName(QStringLiteral("txtOtherSearch"));
  txtOtherSearch_->setAccessibleName(
      tr("Search address of %1").arg(QString::fromUtf8(SearchEngines::kOtherName)));
  txtOtherSearch_->setPlaceholderText(QStringLiteral("https://search.example/?q=%s"));
  form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
  form->addRow(tr("Search the web with"), cboSearchEngine_);
  // An address is long: the field has a row of its own, under its label.
  auto* addressLabel = new QLabel(tr("Its &address, with %s where the words go:"), box);
  addressLabel->setBuddy(txtOtherSearch_);
  form->addRow(addressLabel);
  form->addRow(txtOtherSearch_);
  layout->addWidget(box);
  connect(cboSearchEngine_, &QComboBox::currentIndexChanged, this, [this] {
    txtOtherSearch_->setEnabled(cboSearchEngine_->currentData().toString() ==
                                QLatin1String(SearchEngines::kOtherId));
  });
}

void InternetOptionsDialog::showSearch(const InternetOptions& options) {
  const int chosen = cboSearchEngine_->findData(QString::fromStdString(options.searchEngine));
  cboSearchEngine_->setCurrentIndex(std::max(0, chosen));
  txtOtherSearch_->setText(QString::fromStdString(options.otherSearchTemplate));
  txtOtherSearch_->setEnabled(options.searchEngine == SearchEngines::kOtherId);
}

bool InternetOptionsDialog::apply() {
  // What the dialog does not show stays as it is stored.
  InternetOptions options = InternetOptions::Load(store_, appName_);
  options.javaScript = chkJavaScript_->isChecked();
  options.images = chkImages_->isChecked();
  options.thirdPartyCookies = chkThirdPartyCookies_->isChecked();
  const std::string refused =
      options.ChooseSearch(cboSearchEngine_->currentData().toString().toStdString(),
                           txtOtherSearch_->text().toStdString());
  applyInternetOptions(profile_, options);
  try {
    options.Save(store_, appName_);
  } catch (...) {
    warn(tr("The options apply now, but could not be saved for the next start."));
    return false;
  }
  if (!refused.empty()) {
    // The rest is taken; the dialog stays open on the address to mend.
    warn(QString::fromStdString(refused));
    txtOtherSearch_->setFocus();
    txtOtherSearch_->selectAll();
    return false;
  }
  return true;
}

void InternetOptionsDialog::warn(const QString& text) {
  QtMessageBox(this).MsgBox(text.toStdString(), MsgBoxButtons::OK, MsgBoxIcon::Exclamation, "");
}

void InternetOptionsDialog::report(const QString& done) { lblDone_->setText(done); }

}  // namespace corvane
