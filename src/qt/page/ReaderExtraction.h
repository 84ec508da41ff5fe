#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>

#include "reader/ReaderArticle.h"
#include "reader/ReaderLimits.h"

class QVariant;
class QWebEnginePage;

namespace corvane {

// Finds the article of the document a page shows, for the reader view. The extraction runs in
// a script world of its own, which the page's scripts cannot reach, on a copy of the document,
// and its answer is read by ReaderArticleParser. Each request is answered once, within the
// limits' deadline: articleReady, or notAvailable when the page has no article, is too large,
// replaces its document meanwhile, or does not answer in time. It lives as long as its page.
class ReaderExtraction : public QObject {
  Q_OBJECT
 public:
  explicit ReaderExtraction(QWebEnginePage* page, const ReaderLimits& limits = ReaderLimits());

  // Asks for the article of the document the page shows now; never answers from within. A
  // request still under way is given up unanswered.
  void start();
  // Gives up the request under way unanswered.
  void cancel();
  bool running() const { return running_; }

 Q_SIGNALS:
  void articleReady(const corvane::ReaderArticle& article);
  void notAvailable();

 private:
  void answered(int request, const QVariant& result);
  void documentGone();
  void giveUp();

  QPointer<QWebEnginePage> page_;
  ReaderLimits limits_;
  QString script_;
  QTimer deadline_;
  int request_ = 0;
  bool running_ = false;
};

}  // namespace corvane
