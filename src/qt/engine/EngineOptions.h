#pragma once

#include "dialogs/InternetOptions.h"

class QWebEngineProfile;

namespace corvane {

// Puts the Internet Options choices into effect on the profile that both panes share.
void applyInternetOptions(QWebEngineProfile* profile, const InternetOptions& options);

// The clearing commands of the Internet Options dialog, on the shared profile.
void clearCookies(QWebEngineProfile* profile);
void clearCache(QWebEngineProfile* profile);
// The engine's memory of the links visited; the pages' own histories are their panes'.
void clearVisitedLinks(QWebEngineProfile* profile);

}  // namespace corvane
