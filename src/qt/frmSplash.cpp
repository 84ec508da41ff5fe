#include "qt/frmSplash.h"

#include <QApplication>
#include <QDir>
#include <QFrame>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>

#include <iostream>
#include <stdexcept>

#include "Version.h"
#include "dialogs/AboutBox.h"
#include "qt/EngineProfile.h"
#include "qt/Resources.h"
#include "qt/Twips.h"
#include "qt/frmbrowser.h"

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
}  // namespace

frmSplash::frmSplash(const ProgramFolders& folders)
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint),
      folders_(folders),
      startUp_(*this, *this, folders.program.toStdString(), folders.userConfig.toStdString(),
               kSiteBase, folders.favorites().toStdString()) {
  initResources();
  setObjectName(QStringLiteral("frmSplash"));
  setWindowTitle(QStringLiteral("Corvane"));
  setWindowIcon(QIcon(QStringLiteral(":/corvane.svg")));
  buildContent();
  Form_Load();
  TimerSplash_.setSingleShot(true);
  TimerSplash_.setInterval(kSplashMs);
  TimerSplash_.setTimerType(Qt::PreciseTimer);  // a coarse timer may fire up to 5% early
  connect(&TimerSplash_, &QTimer::timeout, this, &frmSplash::StartMainWindow);
  // Start the web engine and the panes' renderers while the splash shows; no page of the user's
  // is loaded and cv.ini is not read yet.
  engine_ = std::make_unique<EngineProfile>(folders_);
  QTimer::singleShot(0, engine_.get(), [this] { engine_->startPanePages(); });
}

frmSplash::~frmSplash() {
  frmbrowser_.reset();
  preparedWindow_.reset();
}

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
  logo->setPixmap(QIcon(QStringLiteral(":/corvane.svg")).pixmap(QSize(128, 128)));
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
    // Once the splash is on the screen, the main window's widgets are made while it shows.
    QTimer::singleShot(0, this, &frmSplash::prepareMainWindow);
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

void frmSplash::prepareMainWindow() {
  if (preparedWindow_ || frmbrowser_ || !isVisible()) return;
  engine_->startPanePages();
  try {
    preparedWindow_ = std::make_unique<frmbrowser>(folders_, *engine_);
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
  std::unique_ptr<frmbrowser> window = std::move(preparedWindow_);
  if (!window) window = std::make_unique<frmbrowser>(folders_, *engine_);
  window->start(homes, settings);
  frmbrowser_ = std::move(window);
}

void frmSplash::LoadMainWindow() {
  if (!frmbrowser_) throw std::logic_error("no main window to load");
  frmbrowser_->Form_Load();
}

bool frmSplash::MainWindowIsOpen() const { return frmbrowser_ && frmbrowser_->isVisible(); }

}  // namespace corvane
