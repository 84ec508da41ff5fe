#pragma once

namespace corvane {

// The parts of a reader view that take the keyboard focus, in the order F6 goes through them.
enum class ReaderPart { None, Text, Headings, Links };

// The reader view of the page a pane shows: the page's article in a text view of its own over the
// page, with a list of the article's headings and one of its links beside it. The page goes on
// running underneath; its address, history and status stay the pane's.
class IReaderView {
 public:
  IReaderView() = default;
  IReaderView(const IReaderView&) = delete;
  IReaderView& operator=(const IReaderView&) = delete;
  virtual ~IReaderView() = default;

  // Whether the article shows over the page.
  virtual bool Shown() const = 0;
  // Shows the article, at once when it has been found already, else once it is; a page without
  // one stays as it is, and the pane hears so. While the article shows, or is being found to be
  // shown: back to the page.
  virtual void Toggle() = 0;
  // Back to the page, at the place it was left; the keys go to the page if they were in the view.
  virtual void Leave() = 0;
  // The part of the view that holds the keyboard focus; None when the focus is elsewhere.
  virtual ReaderPart FocusedPart() const = 0;
  // Gives the part the keyboard focus; false, and the focus left where it is, when it has nothing
  // to hold it (an article without headings has no list of them).
  virtual bool FocusPart(ReaderPart part) = 0;
};

}  // namespace corvane
