#pragma once

#include <QDialog>
#include <QList>
#include <QPointer>

#include <string>

#include "dialogs/InternetOptions.h"
#include "platform/ISettingsStore.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QWebEngineProfile;
class QWebEngineView;

namespace corvane {

class History;

// Corvane's Internet Options: clear cookies, cached pages or the browsing history at once,
// switch JavaScript, images and third-party cookies, and choose the engine words typed into an
// address box are searched with. OK and Apply store the choices in the per-user settings store
// and put them into effect on the profile both panes share; what the dialog does not show stays
// as stored.
class InternetOptionsDialog : public QDialog {
  Q_OBJECT
 public:
  // history: the pages visited, cleared with the engine's browsing history; none when not kept.
  InternetOptionsDialog(QWebEngineProfile* profile, QList<QWebEngineView*> views,
                        ISettingsStore& store, std::string appName, History* history,
                        QWidget* parent);

 private:
  void buildContent();
  void buildSearch(QLayout* layout);
  void showSearch(const InternetOptions& options);
  // Stores and applies the choices; false (after telling the user) when they were not all
  // stored, or the search address of "Other…" was refused.
  bool apply();
  void warn(const QString& text);
  void report(const QString& done);

  QWebEngineProfile* profile_;
  QList<QPointer<QWebEngineView>> views_;
  ISettingsStore& store_;
  std::string appName_;
  History* history_;
  QCheckBox* chkJavaScript_ = nullptr;
  QCheckBox* chkImages_ = nullptr;
  QCheckBox* chkThirdPartyCookies_ = nullptr;
  QComboBox* cboSearchEngine_ = nullptr;
  QLineEdit* txtOtherSearch_ = nullptr;
  QLabel* lblDone_ = nullptr;
};

}  // namespace corvane
