#include "qt/start/EngineLibrary.h"

#include <dlfcn.h>

#include <QDir>

#include <stdexcept>
#include <string>

#include "qt/start/ProgramSetup.h"

namespace corvane {

std::unique_ptr<IMainWindowHost> openEngineLibrary(const ProgramFolders& folders) {
  const std::string path =
      QDir(folders.program).filePath(QString::fromLatin1(kEngineLibraryName)).toStdString();
  const bool openGlOnGpu = prepareOpenGlForPages();
  // Never closed: the windows it makes live to the end of the run.
  void* library = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (!library) throw std::runtime_error(dlerror());
  auto entry = reinterpret_cast<EngineEntry>(dlsym(library, kEngineEntryName));
  if (!entry) throw std::runtime_error(path + ": no entry " + kEngineEntryName);
  std::unique_ptr<IMainWindowHost> host(entry(&folders, openGlOnGpu));
  if (!host) throw std::runtime_error("the web engine could not be started");
  return host;
}

}  // namespace corvane
