#pragma once

#include <memory>

#include "qt/start/IMainWindowHost.h"
#include "qt/start/ProgramFolders.h"

namespace corvane {

class EngineProfile;

// The web engine's profile and the one main window of the run. Made while the splash shows: it
// starts the engine and the panes' renderers, but loads no page of the user's.
class MainWindowHost : public IMainWindowHost {
 public:
  explicit MainWindowHost(const ProgramFolders& folders);
  ~MainWindowHost() override;

  void prepareMainWindow() override;
  frmbrowser* mainWindow() const override { return frmbrowser_.get(); }

  void CreateMainWindow(const HomePages& homes, mdlGen& settings) override;
  void LoadMainWindow() override;
  bool MainWindowIsOpen() const override;

 private:
  ProgramFolders folders_;
  // Declared before the windows: pages must go before the profile they use.
  std::unique_ptr<EngineProfile> engine_;
  // Made while the splash shows; it becomes the main window at the hand-over.
  std::unique_ptr<frmbrowser> preparedWindow_;
  std::unique_ptr<frmbrowser> frmbrowser_;
};

// For programs that link the engine themselves (the tests, the benchmarks): what makes the host
// for their splash, in process.
inline auto inProcessHost(const ProgramFolders& folders) {
  return [folders]() -> std::unique_ptr<IMainWindowHost> {
    return std::make_unique<MainWindowHost>(folders);
  };
}

}  // namespace corvane
