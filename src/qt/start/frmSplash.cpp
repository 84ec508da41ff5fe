#include "qt/start/frmSplash.h"

#include <QApplication>
#include <QDir>
#include <QFrame>
#include <QHBoxLayout>
#include <QIcon>
#include <QImageReader>
#include <QLabel>
#include <QPixmap>
#include <QScreen>
#include <QVBoxLayout>

#include <iostream>
#include <stdexcept>
#include <utility>

#include "Version.h"
#include "dialogs/AboutBox.h"
#include "qt/start/Twips.h"

// Q_INIT_RESOURCE must name the resource from the global namespace.
static void initSplashResources() { Q_INIT_RESOURCE(splash); }

namespace corvane {

namespace {
constexpr int kSplashMs = 2000;
constexpr double kClientWidthTwips = 6960;
constexpr double kClientHeightTwips = 4695;

QString siteAddress() { return QString::fromLatin1(kSiteBase); }

QString contactAddress() {
  QString host = QUrl(siteAddress()).host();
  if (host.startsWith(QLatin1String("www."))) host = host.mid(4);
  return QStringLiteral("support@") + host;
}

// The splash's pictures are bitmaps read by Qt's own PNG reader: the scalable icon, or a reader
// left to find the format, would load image plugins first.
QPixmap splashPicture(int size) {
  QImageReader reader(QStringLiteral(":/splash/corvane-%1.png").arg(size), "png");
  reader.setAutoDetectImageFormat(false);
  return QPixmap::fromImage(reader.read());
}

QIcon splashIcon() {
  QIcon icon;
  for (int size : {32, 48, 128}) icon.addPixmap(splashPicture(size));
  return icon;
}
}  // namespace

frmSplash::frmSplash(const ProgramFolders& folders, HostMaker makeHost)
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint),
      folders_(folders),
      makeHost_(std::move(makeHost)),
      startUp_(*this, *this, folders.program.toStdString(), folders.userConfig.toStdString(),
               kSiteBase, folders.favorites().toStdString()) {
  initSplashResources();
  setObjectName(QStringLiteral("frmSplash"));
  setWindowTitle(QStringLiteral("Corvane"));
  setWindowIcon(splashIcon());
  buildContent();
  Form_Load();
  TimerSplash_.setSingleShot(true);
  TimerSplash_.setInterval(kSplashMs);
  TimerSplash_.setTimerType(Qt::PreciseTimer);  // a coarse timer may fire up to 5% early
  connect(&TimerSplash_, &QTimer::timeout, this, &frmSplash::StartMainWindow);
}

frmSplash::~frmSplash() = default;

void frmSplash::Form_Load() {
  lblVersion_->setText(QString::fromStdString(AboutBox::VersionText(kVersionMajor, kVersionMinor)));
}

void frmSplash::buildContent() {
  const Twips twips(this);
  setFixedSize(twips.toPixels(kClientWidthTwips), twips.toPixels(kClientHeightTwips));
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    move(screen->availableGeometry().center() - rect().center());
  }
  auto* outer = new QVBoxLayout(this);
  outer->setContentsMargins(6, 6, 6, 6);
  auto* frame = new QFrame(this);
  frame->setObjectName(QStringLiteral("Frame1"));
  frame->setAccessibleName(QStringLiteral("Corvane"));
  frame->setFrameShape(QFrame::Box);
  outer->addWidget(frame);

  auto* row = new QHBoxLayout(frame);
  auto* logo = new QLabel(frame);
  logo->setObjectName(QStringLiteral("imgLogo"));
  logo->setPixmap(splashPicture(128));
  logo->setAccessibleName(tr("Corvane logo"));
  row->addWidget(logo, 0, Qt::AlignTop);

  auto* texts = new QVBoxLayout;
  row->addLayout(texts, 1);
  auto addLabel = [&](const QString& name, const QString& text, int pointDelta, bool bold) {
    auto* label = new QLabel(text, frame);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    QFont font = label->font();
    font.setPointSize(font.pointSize() + pointDelta);
    font.setBold(bold);
    label->setFont(font);
    texts->addWidget(label);
    return label;
  };
  addLabel(QStringLiteral("lblProductName"), QStringLiteral("Corvane"), 14, true);
  addLabel(QStringLiteral("lblPlatform"), tr("Two web pages, one window"), 1, false);
  lblVersion_ = addLabel(QStringLiteral("lblVersion"), QStringLiteral("Version X.X.X"), 2, true);
  lblVersion_->setAccessibleDescription(tr("Version"));
  texts->addStretch(1);
  addLabel(QStringLiteral("lblWebSite"), siteAddress(), 0, false);
  addLabel(QStringLiteral("lblContact"), contactAddress(), 0, false);
  addLabel(QStringLiteral("lblCopyright"),
           tr("Copyright \u00A9 2026 Halvor. Corvane is free software under the MIT License; "
              "it comes with no warranty."),
           -1, false);
}

void frmSplash::StartMainWindow() {
  // While the hand-over runs, only it decides whether the program ends: a window that closes
  // before the main window shows must not end it behind the hand-over's back.
  const bool quitOnLastWindow = QApplication::quitOnLastWindowClosed();
  QApplication::setQuitOnLastWindowClosed(false);
  startUp_.StartMainWindow();
  QApplication::setQuitOnLastWindowClosed(quitOnLastWindow);
  Q_EMIT mainWindowLoaded();
}

void frmSplash::paintEvent(QPaintEvent* event) {
  // The two seconds count from when the user can see the splash, not from when it was made:
  // on a busy display its first drawing comes a good while after show().
  if (!timerStarted_) {
    timerStarted_ = true;
    TimerSplash_.start();
    // Once the splash is on the screen, the engine and the main window's widgets are made
    // while it shows.
    QTimer::singleShot(0, this, &frmSplash::startEngine);
  }
  QWidget::paintEvent(event);
}

void frmSplash::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  // A splash that is never drawn (another window covers it whole) hands over all the same, two
  // seconds after it was shown.
  QTimer::singleShot(kSplashMs, Qt::PreciseTimer, this, [this] {
    if (timerStarted_) return;
    timerStarted_ = true;
    StartMainWindow();
  });
}

IMainWindowHost& frmSplash::host() {
  if (!host_) host_ = makeHost_();
  return *host_;
}

void frmSplash::startEngine() {
  if (host_ || !isVisible()) return;
  try {
    host();
  } catch (const std::exception& e) {
    // The hand-over tries again, and ends the program when there is no main window.
    std::cerr << "corvane: " << e.what() << std::endl;
    return;
  }
  QTimer::singleShot(0, this, &frmSplash::prepareMainWindow);
}

void frmSplash::prepareMainWindow() {
  if (!host_ || !isVisible()) return;
  try {
    host_->prepareMainWindow();
  } catch (const std::exception&) {
    // Not fatal here: the hand-over makes the window again, and handles what fails then.
  }
}

void frmSplash::closeEvent(QCloseEvent* event) {
  // The timer goes with the splash, and a closed splash does not start it again.
  timerStarted_ = true;
  TimerSplash_.stop();
  QWidget::closeEvent(event);
  startUp_.SplashClosed();
}

void frmSplash::CloseSplash() {
  TimerSplash_.stop();
  close();
}

void frmSplash::EndProgram(int status, const std::string& message) {
  if (!message.empty()) std::cerr << message << std::endl;
  // Queued: the event loop ends once the event being handled is done.
  QMetaObject::invokeMethod(
      qApp, [status] { QCoreApplication::exit(status); }, Qt::QueuedConnection);
}

void frmSplash::CreateMainWindow(const HomePages& homes, mdlGen& settings) {
  host().CreateMainWindow(homes, settings);
}

void frmSplash::LoadMainWindow() { host().LoadMainWindow(); }

bool frmSplash::MainWindowIsOpen() const { return host_ && host_->MainWindowIsOpen(); }

}  // namespace corvane
