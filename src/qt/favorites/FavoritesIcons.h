#pragma once

#include <QIcon>
#include <QString>

namespace corvane {

// The four pictures of the favorites tree, 16 x 16: the theme's where it has them, otherwise
// Corvane's own, drawn here so that they need no files.
class FavoritesIcons {
 public:
  // The picture for a key of the favorites tree; a null icon for an unknown key.
  static QIcon forKey(const QString& key);
  static QIcon closedFolder();
  static QIcon openFolder();
  static QIcon link();
  static QIcon badLink();
};

}  // namespace corvane
