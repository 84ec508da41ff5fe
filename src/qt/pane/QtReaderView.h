#pragma once

#include <functional>
#include <utility>

#include "platform/IReaderView.h"

class QWebEngineView;
class QWidget;

namespace corvane {

class PageReader;

// IReaderView of a pane: the reader view of the page its view shows now, whichever that is.
class QtReaderView : public IReaderView {
 public:
  // `view` gives the view of the page the pane shows now.
  explicit QtReaderView(std::function<QWebEngineView*()> view) : view_(std::move(view)) {}

  bool Shown() const override;
  void Toggle() override;
  void Leave() override;
  ReaderPart FocusedPart() const override;
  bool FocusPart(ReaderPart part) override;

  // The reader view's widget over the pane's page, null while it has none.
  QWidget* widget() const;

 private:
  PageReader* reader() const;

  std::function<QWebEngineView*()> view_;
};

}  // namespace corvane
