#include "browser/LocalFileRoute.h"

namespace corvane {

LocalFileRoute routeOfRequest(const LocalFileKind& kind) {
  switch (kind.kind) {
    case LocalFileKind::Kind::Engine:
      return LocalFileRoute::Engine;
    case LocalFileKind::Kind::Text:
      return LocalFileRoute::Text;
    case LocalFileKind::Kind::LargeText:
    case LocalFileKind::Kind::Other:
      break;
  }
  return LocalFileRoute::Notice;
}

LocalFileRoute routeOfLink(const LocalFileKind& kind, bool fromLocalPage) {
  return fromLocalPage ? routeOfRequest(kind) : LocalFileRoute::Engine;
}

}  // namespace corvane
