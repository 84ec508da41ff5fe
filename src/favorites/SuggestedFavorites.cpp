#include "favorites/SuggestedFavorites.h"

#include <exception>
#include <utility>
#include <vector>

#include "favorites/FavoritesListing.h"
#include "favorites/InternetShortcut.h"

namespace corvane {

void SuggestedFavorites::Read(const std::string& folder) {
  std::vector<FavoriteLinks::Link> links;
  if (!folder.empty()) {
    const FavoriteEntry root = FavoritesListing::Tree(folder);
    // Depth first, each folder's entries in their order; a stack, as folders may nest deeply.
    std::vector<const FavoriteEntry*> left{&root};
    while (!left.empty()) {
      const FavoriteEntry& entry = *left.back();
      left.pop_back();
      if (entry.folder) {
        for (auto child = entry.children.rbegin(); child != entry.children.rend(); ++child) {
          left.push_back(&*child);
        }
        continue;
      }
      try {
        std::string address = InternetShortcut::ReadAddress(entry.path);
        if (!address.empty()) links.push_back({entry.name, std::move(address)});
      } catch (const std::exception&) {
        // An unreadable shortcut is suggested by nobody.
      }
    }
  }
  links_ = FavoriteLinks(std::move(links));
}

void SuggestedFavorites::Take(const TreeNodes& tree) {
  std::vector<FavoriteLinks::Link> links;
  std::vector<const TreeNode*> left;
  const std::vector<const TreeNode*> roots = tree.Roots();
  left.assign(roots.rbegin(), roots.rend());
  while (!left.empty()) {
    const TreeNode& node = *left.back();
    left.pop_back();
    // Only links carry an address; folders, empty or not, and broken shortcuts carry none.
    if (!node.Tag.empty()) links.push_back({node.Text, node.Tag});
    left.insert(left.end(), node.Children.rbegin(), node.Children.rend());
  }
  links_ = FavoriteLinks(std::move(links));
}

}  // namespace corvane
