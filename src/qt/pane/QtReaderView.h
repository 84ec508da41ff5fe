#pragma once

#include "platform/IReaderView.h"

class QWebEngineView;
class QWidget;

namespace corvane {

class PageReader;

// IReaderView of a pane: the reader view of the page its view shows now, whichever that is.
class QtReaderView : public IReaderView {
 public:
  explicit QtReaderView(QWebEngineView* view) : view_(view) {}

  bool Shown() const override;
  void Toggle() override;
  void Leave() override;
  ReaderPart FocusedPart() const override;
  bool FocusPart(ReaderPart part) override;

  // The reader view's widget over the pane's page, null while it has none.
  QWidget* widget() const;

 private:
  PageReader* reader() const;

  QWebEngineView* view_;
};

}  // namespace corvane
