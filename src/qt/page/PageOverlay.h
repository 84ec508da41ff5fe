#pragma once

class QWebEnginePage;
class QWidget;
class QWebEngineView;

namespace corvane {

// The view that shows `page` in its pane, over which the page's sheets, strips and notices lie;
// null while the page has no view, or its view no place in a window yet.
QWebEngineView* overlaidView(const QWebEnginePage* page);

// The window that a page's own windows and questions belong to; null while the page has no view.
QWidget* dialogParentOf(const QWebEnginePage* page);

// Moves `overlay`, a widget laid over the page in `from` (a sheet, a strip, a notice), over
// `to`, where its page now shows: it becomes a sibling of `to`, watches `to`'s events instead,
// and its own and its children's names, which begin with the view's, begin with `to`'s. It is
// left hidden; its owner shows it again where it is due.
void moveOverlay(QWidget* overlay, QWebEngineView* from, QWebEngineView* to);

}  // namespace corvane
