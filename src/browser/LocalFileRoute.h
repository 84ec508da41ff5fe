#pragma once

#include "browser/LocalFileKind.h"

namespace corvane {

// How a pane shows a local file it is sent to: the engine shows what it can; text the engine
// would only offer as a download is shown as text, anything else as a page naming the file with
// a button that opens it on the desktop (LocalFilePage).
enum class LocalFileRoute { Engine, Text, Notice };

// A file the user sent the pane to (typed, picked in a folder's slide show, a favorite).
LocalFileRoute routeOfRequest(const LocalFileKind& kind);

// A file a page links to. Only a link of a local page is shown as a file the user picked; a web
// page's link to a file stays the engine's to refuse.
LocalFileRoute routeOfLink(const LocalFileKind& kind, bool fromLocalPage);

}  // namespace corvane
