#include "platform/TreeNode.h"

namespace corvane {

std::string TreeNode::FullPath(char separator) const {
  if (!Parent) return Text;
  std::string path = Parent->FullPath(separator);
  path += separator;
  path += Text;
  return path;
}

}  // namespace corvane
