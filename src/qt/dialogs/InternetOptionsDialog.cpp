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
#include <QSpinBox>
#include <QVBoxLayout>

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

InternetOptionsDialog::InternetOptionsDialog(Context context, QWidget* parent)
    : QDialog(parent), context_(std::move(context)) {
  setObjectName(QStringLiteral("frmInternetOptions"));
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(tr("Internet Options"));
  buildContent();
  const InternetOptions options = InternetOptions::Load(context_.store, context_.appName);
  chkJavaScript_->setChecked(options.javaScript);
  chkImages_->setChecked(options.images);
  chkThirdPartyCookies_->setChecked(options.thirdPartyCookies);
  showSearch(options);
  showPages(options);
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
    clearCookies(context_.profile);
    report(tr("Cookies deleted."));
  });
  addClear("cmdClearCache", tr("Delete c&ached pages"), [this] {
    clearCache(context_.profile);
    report(tr("Cached pages deleted."));
  });
  addClear("cmdClearHistory", tr("Delete browsing &history"), [this] {
    clearVisitedLinks(context_.profile);
    if (context_.forgetPageHistory) context_.forgetPageHistory();
    // The pages visited are the browsing history too: one command clears both.
    if (context_.history) context_.history->Clear(History::Range::Everything);
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
  buildPages(layout);
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

void InternetOptionsDialog::buildPages(QLayout* layout) {
  auto* box = new QGroupBox(tr("Pages in a pane"), this);
  auto* form = new QFormLayout(box);
  chkPageStripAlways_ = new QCheckBox(tr("Show the page &tabs even for a single page"), box);
  chkPageStripAlways_->setObjectName(QStringLiteral("chkPageStripAlways"));
  form->addRow(chkPageStripAlways_);
  chkOpenLastPages_ = new QCheckBox(tr("When Corvane starts: open the pages from &last time"), box);
  chkOpenLastPages_->setObjectName(QStringLiteral("chkOpenLastPages"));
  form->addRow(chkOpenLastPages_);
  const auto addMinutes = [&](const char* name, const QString& caption) {
    auto* minutes = new QSpinBox(box);
    minutes->setObjectName(QString::fromLatin1(name));
    minutes->setRange(0, InternetOptions::kMaxMinutes);
    minutes->setSuffix(tr(" minutes"));
    minutes->setSpecialValueText(tr("Never"));
    minutes->setAccessibleName(caption);
    form->addRow(caption, minutes);
    return minutes;
  };
  txtFreezeAfter_ = addMinutes("txtFreezeAfter", tr("Freeze a hidden page after"));
  txtDiscardAfter_ = addMinutes("txtDiscardAfter", tr("Discard a hidden page after"));
  layout->addWidget(box);
}

void InternetOptionsDialog::showPages(const InternetOptions& options) {
  chkPageStripAlways_->setChecked(options.pageStripAlways);
  chkOpenLastPages_->setChecked(options.openLastPages);
  txtFreezeAfter_->setValue(options.freezeAfterMinutes);
  txtDiscardAfter_->setValue(options.discardAfterMinutes);
}

void InternetOptionsDialog::showSearch(const InternetOptions& options) {
  const int chosen = cboSearchEngine_->findData(QString::fromStdString(options.searchEngine));
  cboSearchEngine_->setCurrentIndex(std::max(0, chosen));
  txtOtherSearch_->setText(QString::fromStdString(options.otherSearchTemplate));
  txtOtherSearch_->setEnabled(options.searchEngine == SearchEngines::kOtherId);
}

bool InternetOptionsDialog::apply() {
  // What the dialog does not show stays as it is stored.
  InternetOptions options = InternetOptions::Load(context_.store, context_.appName);
  options.javaScript = chkJavaScript_->isChecked();
  options.images = chkImages_->isChecked();
  options.thirdPartyCookies = chkThirdPartyCookies_->isChecked();
  options.pageStripAlways = chkPageStripAlways_->isChecked();
  options.openLastPages = chkOpenLastPages_->isChecked();
  options.freezeAfterMinutes = txtFreezeAfter_->value();
  options.discardAfterMinutes = txtDiscardAfter_->value();
  const std::string refused =
      options.ChooseSearch(cboSearchEngine_->currentData().toString().toStdString(),
                           txtOtherSearch_->text().toStdString());
  applyInternetOptions(context_.profile, options);
  try {
    options.Save(context_.store, context_.appName);
  } catch (...) {
    warn(tr("The options apply now, but could not be saved for the next start."));
    return false;
  }
  if (context_.optionsApplied) context_.optionsApplied();
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
