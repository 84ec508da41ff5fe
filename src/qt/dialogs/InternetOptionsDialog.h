#pragma once

#include <QDialog>

#include <functional>
#include <string>

#include "dialogs/InternetOptions.h"
#include "platform/ISettingsStore.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QSpinBox;
class QWebEngineProfile;

namespace corvane {

class History;

// Corvane's Internet Options: clear cookies, cached pages or the browsing history at once,
// switch JavaScript, images and third-party cookies, choose how the panes keep their pages and
// the engine words typed into an address box are searched with. OK and Apply store the choices
// in the per-user settings store and put them into effect on the profile both panes share; what
// the dialog does not show stays as stored.
class InternetOptionsDialog : public QDialog {
  Q_OBJECT
 public:
  struct Context {
    QWebEngineProfile* profile;
    // Clearing the browsing history: the panes forget their pages' back and forward entries
    // and the pages closed.
    std::function<void()> forgetPageHistory;
    // The choices have been stored: the panes follow those about their pages.
    std::function<void()> optionsApplied;
    ISettingsStore& store;
    std::string appName;
    // The pages visited, cleared with the engine's browsing history; none when not kept.
    History* history;
  };
  InternetOptionsDialog(Context context, QWidget* parent);

 private:
  void buildContent();
  void buildSearch(QLayout* layout);
  void buildPages(QLayout* layout);
  void showSearch(const InternetOptions& options);
  void showPages(const InternetOptions& options);
  // Stores and applies the choices; false (after telling the user) when they were not all
  // stored, or the search address of "Other…" was refused.
  bool apply();
  void warn(const QString& text);
  void report(const QString& done);

  Context context_;
  QCheckBox* chkJavaScript_ = nullptr;
  QCheckBox* chkImages_ = nullptr;
  QCheckBox* chkThirdPartyCookies_ = nullptr;
  QComboBox* cboSearchEngine_ = nullptr;
  QLineEdit* txtOtherSearch_ = nullptr;
  QCheckBox* chkPageStripAlways_ = nullptr;
  QCheckBox* chkOpenLastPages_ = nullptr;
  QSpinBox* txtFreezeAfter_ = nullptr;
  QSpinBox* txtDiscardAfter_ = nullptr;
  QLabel* lblDone_ = nullptr;
};

}  // namespace corvane
