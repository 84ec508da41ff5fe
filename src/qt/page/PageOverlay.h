#pragma once

class QWidget;
class QWebEngineView;

namespace corvane {

// Moves `overlay`, a widget laid over the page in `from` (a sheet, a strip, a notice), over
// `to`, where its page now shows: it becomes a sibling of `to`, watches `to`'s events instead,
// and its own and its children's names, which begin with the view's, begin with `to`'s. It is
// left hidden; its owner shows it again where it is due.
void moveOverlay(QWidget* overlay, QWebEngineView* from, QWebEngineView* to);

}  // namespace corvane
