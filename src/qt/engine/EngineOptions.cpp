#include "qt/engine/EngineOptions.h"

#include <QWebEngineCookieStore>
#include <QWebEngineProfile>
#include <QWebEngineSettings>

namespace corvane {

void applyInternetOptions(QWebEngineProfile* profile, const InternetOptions& options) {
  QWebEngineSettings* settings = profile->settings();
  settings->setAttribute(QWebEngineSettings::JavascriptEnabled, options.javaScript);
  settings->setAttribute(QWebEngineSettings::AutoLoadImages, options.images);
  if (options.thirdPartyCookies) {
    profile->cookieStore()->setCookieFilter(nullptr);
  } else {
    profile->cookieStore()->setCookieFilter(
        [](const QWebEngineCookieStore::FilterRequest& request) { return !request.thirdParty; });
  }
}

void clearCookies(QWebEngineProfile* profile) { profile->cookieStore()->deleteAllCookies(); }

void clearCache(QWebEngineProfile* profile) { profile->clearHttpCache(); }

void clearVisitedLinks(QWebEngineProfile* profile) { profile->clearAllVisitedLinks(); }

}  // namespace corvane
