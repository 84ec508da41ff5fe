#include "qt/window/MainWindowHost.h"

#include <QTimer>

#include <stdexcept>

#include "qt/engine/EngineProfile.h"
#include "qt/window/frmbrowser.h"

namespace corvane {

MainWindowHost::MainWindowHost(const ProgramFolders& folders)
    : folders_(folders), engine_(std::make_unique<EngineProfile>(folders_)) {
  // The engine's browser side and the panes' renderers start from the event loop, so that the
  // splash is drawn again between the steps; no page of the user's is loaded, cv.ini not read.
  QTimer::singleShot(0, engine_.get(), [engine = engine_.get()] { engine->startPanePages(); });
}

MainWindowHost::~MainWindowHost() {
  frmbrowser_.reset();
  preparedWindow_.reset();
}

void MainWindowHost::prepareMainWindow() {
  if (preparedWindow_ || frmbrowser_) return;
  engine_->startPanePages();
  preparedWindow_ = std::make_unique<frmbrowser>(folders_, *engine_);
}

void MainWindowHost::CreateMainWindow(const HomePages& homes, mdlGen& settings) {
  std::unique_ptr<frmbrowser> window = std::move(preparedWindow_);
  if (!window) window = std::make_unique<frmbrowser>(folders_, *engine_);
  window->start(homes, settings);
  frmbrowser_ = std::move(window);
}

void MainWindowHost::LoadMainWindow() {
  if (!frmbrowser_) throw std::logic_error("no main window to load");
  frmbrowser_->Form_Load();
}

bool MainWindowHost::MainWindowIsOpen() const { return frmbrowser_ && frmbrowser_->isVisible(); }

}  // namespace corvane
