#pragma once

#include <QDialog>
#include <QList>
#include <QPointer>

#include <string>

#include "platform/ISettingsStore.h"

class QCheckBox;
class QLabel;
class QWebEngineProfile;
class QWebEngineView;

namespace corvane {

// Corvane's Internet Options: clear cookies, cached pages or the browsing history at once, and
// switch JavaScript, images and third-party cookies. OK and Apply store the switches in the
// per-user settings store and put them into effect on the profile both panes share.
class InternetOptionsDialog : public QDialog {
  Q_OBJECT
 public:
  InternetOptionsDialog(QWebEngineProfile* profile, QList<QWebEngineView*> views,
                        ISettingsStore& store, std::string appName, QWidget* parent);

 private:
  void buildContent();
  // Stores and applies the switches; false (after telling the user) when they were not stored.
  bool apply();
  void report(const QString& done);

  QWebEngineProfile* profile_;
  QList<QPointer<QWebEngineView>> views_;
  ISettingsStore& store_;
  std::string appName_;
  QCheckBox* chkJavaScript_ = nullptr;
  QCheckBox* chkImages_ = nullptr;
  QCheckBox* chkThirdPartyCookies_ = nullptr;
  QLabel* lblDone_ = nullptr;
};

}  // namespace corvane
