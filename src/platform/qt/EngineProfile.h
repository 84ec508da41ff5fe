#pragma once

#include <QObject>

class QWebEngineDownloadRequest;
class QWebEngineProfile;

namespace corvane {

struct ProgramFolders;

// The one web engine profile both panes share: cookies, cache and local storage on disk in the
// user's data and cache folders, never the off-the-record default. It also asks where each
// download goes and shows its progress.
class EngineProfile : public QObject {
  Q_OBJECT
 public:
  EngineProfile(const ProgramFolders& folders, QObject* parent = nullptr);
  ~EngineProfile() override;

  QWebEngineProfile* profile() const { return profile_; }

  // Starts the engine's browser side and one renderer, so that the first page a pane loads
  // does not wait for them. Nothing is shown and no page is fetched.
  void warmUp();

 private:
  void onDownloadRequested(QWebEngineDownloadRequest* download);

  QWebEngineProfile* profile_;
  QObject* warmUpPage_ = nullptr;
};

}  // namespace corvane
