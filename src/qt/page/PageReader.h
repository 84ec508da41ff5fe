#pragma once

#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QUrl>

#include <memory>

#include "platform/IReaderView.h"
#include "reader/ReaderMode.h"

class QWebEnginePage;
class QWebEngineView;

namespace corvane {

class ReaderExtraction;
class ReaderView;

// A page's reader view: its document's article, found ahead once the page has loaded and
// stayed idle a moment, and kept with that document (ReaderMode); shown on request in a view
// over the page's own (ReaderView), which comes and goes with the page.
class PageReader : public QObject, private IReaderPage {
  Q_OBJECT
 public:
  explicit PageReader(QWebEnginePage* page);
  ~PageReader() override;

  void toggle() { mode_.toggle(); }
  bool leave() { return mode_.leave(); }
  bool shown() const { return mode_.shown(); }
  ReaderPart focusedPart() const;
  bool focusPart(ReaderPart part);
  // The view over the page, null until it has shown.
  QWidget* view() const;

  // The page's main frame holds a new document.
  void documentCreated();
  // The main frame's document has been read.
  void documentParsed();
  // The page now shows in `view`: the article goes with it.
  void followView(QWebEngineView* view);
  // The page's zoom has changed.
  void followZoom();

 Q_SIGNALS:
  // The article was asked for and the page has none to show.
  void notAvailable();
  // The user followed the article's link to `url`.
  void linkActivated(const QUrl& url);

 private:
  // IReaderPage
  void extract() override;
  void cancelExtraction() override;
  void prepareArticle(const std::shared_ptr<const ReaderArticle>& article) override;
  void showArticle(const std::shared_ptr<const ReaderArticle>& article) override;
  // The view over the page, made when first needed; null while the page has no view.
  ReaderView* madeView();
  void showPage() override;
  void sayNotAvailable() override;

  QWebEnginePage* page_;
  ReaderExtraction* extraction_;
  ReaderMode mode_{*this};
  QPointer<ReaderView> view_;
  // The engine is left to finish what a load started before the article is looked for.
  QTimer idle_;
  // How long an article asked for waits for a new document to be read.
  QTimer parsing_;
};

}  // namespace corvane
