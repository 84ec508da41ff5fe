#pragma once

#include <QList>

#include "dialogs/InternetOptions.h"

class QWebEngineProfile;
class QWebEngineView;

namespace corvane {

// Puts the Internet Options choices into effect on the profile that both panes share.
void applyInternetOptions(QWebEngineProfile* profile, const InternetOptions& options);

// The clearing commands of the Internet Options dialog, on the shared profile.
void clearCookies(QWebEngineProfile* profile);
void clearCache(QWebEngineProfile* profile);
// The engine's visited links and every view's Back and Forward history.
void clearBrowsingHistory(QWebEngineProfile* profile, const QList<QWebEngineView*>& views);

}  // namespace corvane
