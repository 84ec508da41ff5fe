#include "panes/FolderView.h"

#include <filesystem>
#include <system_error>
#include <vector>

#include "base/AsciiText.h"
#include "base/Guarded.h"
#include "base/PercentDecoded.h"
#include "base/SharedTexts.h"
#include "panes/PaneToolbarState.h"

namespace corvane {

namespace {

constexpr char kSeparator = '/';

using ExtensionSet = std::vector<const char*>;
const ExtensionSet kPagesAndPictures = {".HTML", ".HTM", ".GIF", ".JPG"};
const ExtensionSet kWithDocuments = {".HTML", ".HTM", ".GIF", ".JPG", ".DOC", ".TXT"};

const ExtensionSet& extensionsFor(PaneId pane, FolderStep direction) {
  const bool documents = (pane == PaneId::Top) == (direction == FolderStep::Forward);
  return documents ? kWithDocuments : kPagesAndPictures;
}

// The name is tested anywhere, not only at its end: notes.html.bak is shown too.
bool holdsAny(const std::string& name, const ExtensionSet& extensions) {
  const std::string upper = asciiUpper(name);
  for (const char* extension : extensions) {
    if (upper.find(extension) != std::string::npos) return true;
  }
  return false;
}

// The local path of a file address's folder part: "file:///a/" and "file://localhost/a/" give
// "/a/", "file:/a/" too.
std::string localPathOf(const std::string& fileAddress) {
  std::string rest = fileAddress.substr(5);  // "file:"
  if (rest.compare(0, 2, "//") == 0) {
    const std::size_t pathStart = rest.find(kSeparator, 2);
    rest = pathStart == std::string::npos ? std::string() : rest.substr(pathStart);
  }
  return percentDecoded(rest);
}

std::string filePath(const std::string& folder, const std::string& name) {
  if (!folder.empty() && folder.back() == kSeparator) return folder + name;
  return folder + kSeparator + name;
}

}  // namespace

FolderView::FolderView(Pane& pane, PaneNavigation& navigation, IFileDialog& fileDialog)
    : pane_(pane), navigation_(navigation), fileDialog_(fileDialog) {}

void FolderView::OpenLocalFile() {
  OpenFileRequest request;
  request.title = pane_.id == PaneId::Top
                      ? "Open File On Top Browser--Folder View Is Now Enabled"
                      : "Open File On Bottom Browser--Folder View Is Now Enabled";
  request.defaultExt = "html";
  request.filter = kOpenFileFilter;
  request.mustExist = true;
  const std::string fileName = fileDialog_.ShowOpen(request);
  if (fileName.empty()) return;

  pane_.cboAddress.SetText(fileName);
  navigation_.cboAddress_Click();
  pane_.LocalFile = true;
  pane_.PathName = GetPath(fileName);
  pane_.File.SetPath(pane_.PathName);
  const bool steps = pane_.File.ListCount() >= 2;
  pane_.tbToolBar.SetButtonEnabled(PaneToolbarState::kBack, steps);
  pane_.tbToolBar.SetButtonEnabled(PaneToolbarState::kForward, steps);
}

void FolderView::StepFolder(FolderStep direction) {
  FolderListing& listing = pane_.File;
  IToolbar& toolbar = pane_.tbToolBar;
  // A step past either end is refused by the listing: the current entry stays where it was and
  // the rest of the step still runs.
  if (direction == FolderStep::Backward) {
    const int index = listing.ListIndex();
    listing.SetListIndex(index < 0 ? 0 : index - 1);
    guarded([&] { toolbar.SetButtonEnabled(PaneToolbarState::kForward, true); });
    showCurrent(direction);
    if (listing.ListIndex() <= 0) {
      guarded([&] { toolbar.SetButtonEnabled(PaneToolbarState::kBack, false); });
    }
  } else {
    if (listing.ListIndex() < 0) listing.SetListIndex(0);
    guarded([&] { toolbar.SetButtonEnabled(PaneToolbarState::kBack, true); });
    listing.SetListIndex(listing.ListIndex() + 1);
    showCurrent(direction);
    if (listing.ListIndex() >= listing.ListCount() - 1) {
      guarded([&] { toolbar.SetButtonEnabled(PaneToolbarState::kForward, false); });
    }
  }
}

void FolderView::showCurrent(FolderStep direction) {
  const std::string name = pane_.File.FileName();
  if (!holdsAny(name, extensionsFor(pane_.id, direction))) return;
  const std::string path = filePath(pane_.File.Path(), name);
  // A file deleted or moved since the folder was listed is passed over rather than shown as the
  // engine's error page.
  std::error_code ec;
  if (!std::filesystem::exists(path, ec)) {
    pane_.Label.FileVanished(name);
    return;
  }
  guarded([&] { pane_.cboAddress.SetText(path); });
  navigation_.cboAddress_Click();
}

std::string FolderView::GetPath(const std::string& FileN) {
  const std::size_t last = FileN.rfind(kSeparator);
  if (last == std::string::npos) return std::string();
  const std::string folder = FileN.substr(0, last + 1);
  // Only an address that starts with the scheme is one: a folder may be named "file:" itself.
  if (startsWithNoCase(folder, "FILE:")) return localPathOf(folder);
  return folder;
}

}  // namespace corvane
