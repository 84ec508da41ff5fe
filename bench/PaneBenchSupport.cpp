#include "PaneBenchSupport.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScreen>
#include <QVBoxLayout>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineView>

#include <fstream>
#include <iterator>
#include <sstream>
#include <string>

#include "BenchSupport.h"
#include "qt/start/ProgramFolders.h"
#include "qt/start/frmSplash.h"
#include "qt/window/MainWindowHost.h"
#include "qt/window/frmbrowser.h"

namespace bench {

namespace {

const char* const kViewNames[] = {"brwWebBrowser1", "brwWebBrowser2"};
const char* const kBoxNames[] = {"cboAddress1", "cboAddress2"};

class Corvane : public TwoViews {
 public:
  explicit Corvane(const QString& scratch) : root_(scratch) {}

  bool start(std::function<void()> ready, QString& error) override {
    root_.mkpath(QStringLiteral("program"));
    corvane::ProgramFolders folders;
    folders.program = root_.filePath(QStringLiteral("program"));
    folders.userConfig = root_.filePath(QStringLiteral("config"));
    folders.userData = root_.filePath(QStringLiteral("data"));
    folders.userCache = root_.filePath(QStringLiteral("cache"));
    const TestPages pages = writeTestPages(folders.program);
    QFile ini(QDir(folders.program).filePath(QStringLiteral("cv.ini")));
    if (pages.top.isEmpty() || !ini.open(QIODevice::WriteOnly)) {
      error = QStringLiteral("cannot write the program folder");
      return false;
    }
    ini.write(QStringLiteral("[TBstart]\n1=http://www.example.com/\n[TBstartOffLine]\n1=%1\n"
                             "[BBstart]\n1=http://www.example.com/news.html\n"
                             "[BBstartOffLine]\n1=%2\n")
                  .arg(pages.top, pages.bottom)
                  .toUtf8());
    ini.close();
    splash_ = std::make_unique<corvane::frmSplash>(folders, corvane::inProcessHost(folders));
    QObject::connect(splash_.get(), &corvane::frmSplash::mainWindowLoaded, splash_.get(),
                     [this, ready] {
                       window_ = splash_->mainWindow();
                       if (window_) ready();
                     });
    splash_->show();
    return true;
  }

  QWebEngineView* view(int pane) const override {
    return window_ ? window_->findChild<QWebEngineView*>(QString::fromLatin1(kViewNames[pane]))
                   : nullptr;
  }

  void go(int pane, const QUrl& url) override {
    auto* box = window_->findChild<QComboBox*>(QString::fromLatin1(kBoxNames[pane]));
    box->setEditText(url.toString());
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    QCoreApplication::sendEvent(box->lineEdit(), &enter);
  }

 private:
  QDir root_;
  std::unique_ptr<corvane::frmSplash> splash_;
  corvane::frmbrowser* window_ = nullptr;
};

class Bare : public TwoViews {
 public:
  explicit Bare(const QString& scratch) : root_(scratch) {}
  ~Bare() override {
    // Pages before their profile.
    window_.reset();
  }

  bool start(std::function<void()> ready, QString&) override {
    // As bare_bench: a named profile with cookies, cache and storage on disk, like Corvane's.
    profile_ = new QWebEngineProfile(QStringLiteral("bare"), qApp);
    profile_->setPersistentStoragePath(root_.filePath(QStringLiteral("data/webengine")));
    profile_->setCachePath(root_.filePath(QStringLiteral("cache/webengine")));
    profile_->setHttpCacheType(QWebEngineProfile::DiskHttpCache);
    profile_->setPersistentCookiesPolicy(QWebEngineProfile::AllowPersistentCookies);
    window_ = std::make_unique<QWidget>();
    auto* layout = new QVBoxLayout(window_.get());
    for (auto*& view : views_) {
      view = new QWebEngineView(window_.get());
      view->setPage(new QWebEnginePage(profile_, view));
      layout->addWidget(view);
    }
    QSize size(656, 457);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
      size = size.expandedTo(screen->availableSize() * 0.8);
    }
    window_->resize(size);
    window_->show();
    ready();
    return true;
  }

  QWebEngineView* view(int pane) const override { return views_[pane]; }
  void go(int pane, const QUrl& url) override { views_[pane]->load(url); }

 private:
  QDir root_;
  QWebEngineProfile* profile_ = nullptr;
  std::unique_ptr<QWidget> window_;
  QWebEngineView* views_[2] = {nullptr, nullptr};
};

std::string commandLine(pid_t pid) {
  std::ifstream in("/proc/" + std::to_string(pid) + "/cmdline");
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

pid_t parentOf(pid_t pid) {
  std::ifstream in("/proc/" + std::to_string(pid) + "/stat");
  std::string stat;
  std::getline(in, stat);
  const auto close = stat.rfind(')');
  if (close == std::string::npos) return 0;
  std::string state;
  pid_t parent = 0;
  std::istringstream(stat.substr(close + 1)) >> state >> parent;
  return parent;
}

}  // namespace

std::unique_ptr<TwoViews> makeCorvane(const QString& scratch) {
  return std::make_unique<Corvane>(scratch);
}

std::unique_ptr<TwoViews> makeBare(const QString& scratch) {
  return std::make_unique<Bare>(scratch);
}

int rendererCount(pid_t root) {
  int count = 0;
  for (pid_t pid : processTree(root)) {
    const std::string line = commandLine(pid);
    // A zygote's children keep its command line.
    const bool forked =
        line.find("--type=zygote") != std::string::npos && commandLine(parentOf(pid)) == line;
    if (forked || line.find("--type=renderer") != std::string::npos) ++count;
  }
  return count;
}

int fdCount(pid_t pid) {
  const QDir fds(QStringLiteral("/proc/%1/fd").arg(pid));
  if (!fds.exists()) return -1;
  return static_cast<int>(
      fds.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System).size());
}

}  // namespace bench
