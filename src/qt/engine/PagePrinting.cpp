#include "qt/engine/PagePrinting.h"

#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QProgressDialog>
#include <QWebEnginePage>
#include <QWebEngineView>

namespace corvane {

namespace {
// A print that ends sooner shows no window at all.
constexpr int kMomentMs = 700;
}  // namespace

PagePrinting::PagePrinting(QWebEngineView* view) : QObject(view), view_(view) {
  connect(view_, &QWebEngineView::printFinished, this, [this] {
    paperPrinting_ = false;
    if (progress_) progress_->deleteLater();
  });
}

PagePrinting::~PagePrinting() = default;

QPrinter& PagePrinting::printer() {
  if (!printer_) printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
  return *printer_;
}

void PagePrinting::print(bool prompt, const QString& documentName) {
  if (job_.running() || paperPrinting_) {
    // Its window may have been closed, or the print cancelled while the engine goes on.
    if (progress_) {
      progress_->show();
      progress_->raise();
    } else {
      showFailure(
          tr("The last print of this pane has not finished yet. Print again in a "
             "moment."));
    }
    return;
  }
  QPrinter& p = printer();
  p.setDocName(documentName);
  if (prompt) {
    // A file named after the page is offered: in the folder of the pane's last print to a file,
    // or, the first time, by the dialog from the document's name less what follows its last dot.
    if (p.outputFormat() == QPrinter::PdfFormat && !p.outputFileName().isEmpty()) {
      p.setOutputFileName(QString::fromStdString(
          PrintJob::ProposedFile(p.outputFileName().toStdString(), documentName.toStdString())));
    } else {
      p.setDocName(documentName + QStringLiteral(".pdf"));
    }
    QPrintDialog dialog(&p, view_);
    dialog.setObjectName(QStringLiteral("dlgPrint"));
    const bool accepted = dialog.exec() == QDialog::Accepted;
    p.setDocName(documentName);
    if (!accepted) return;
  }
  if (p.outputFormat() == QPrinter::PdfFormat && !p.outputFileName().isEmpty()) {
    printToFile(p.outputFileName());
  } else {
    printOnPaper();
  }
}

void PagePrinting::printToFile(const QString& target) {
  const QString temp = QString::fromStdString(job_.start(target.toStdString()));
  // The page the view holds now, even if the panes swap pages before it is done.
  QWebEnginePage* page = view_->page();
  connect(
      page, &QWebEnginePage::pdfPrintingFinished, this,
      [this](const QString&, bool ok) { onFileWritten(ok); }, Qt::SingleShotConnection);
  printing_.start();
  showProgress(true);
  page->printToPdf(temp, printer().pageLayout(), printer().pageRanges());
}

void PagePrinting::onFileWritten(bool ok) {
  // The window's timer and the end of the print can be due together when the window's thread
  // comes late (a busy machine), and the end may come first: a print that lasted the moment has
  // its window all the same.
  const bool shown =
      progress_ && (progress_->isVisible() || printing_.elapsed() >= progress_->minimumDuration());
  job_.finished(ok);
  const QString text = QString::fromStdString(job_.message());
  if (job_.state() == PrintJob::State::Failed) {
    if (progress_) progress_->deleteLater();
    showFailure(text);
  } else if (job_.state() == PrintJob::State::Done && shown) {
    // The window the user has seen stays to say the file is there, until closed.
    progress_->setLabelText(text);
    progress_->setRange(0, 1);
    progress_->setValue(1);
    progress_->setCancelButtonText(tr("Close"));
    progress_->show();
  } else if (progress_) {
    progress_->deleteLater();
  }
}

void PagePrinting::printOnPaper() {
  paperPrinting_ = true;
  showProgress(false);
  view_->print(&printer());
}

void PagePrinting::showProgress(bool cancellable) {
  if (progress_) progress_->deleteLater();
  progress_ = new QProgressDialog(view_->window());
  progress_->setObjectName(QStringLiteral("PrintProgress"));
  progress_->setWindowTitle(tr("Printing"));
  progress_->setAccessibleName(tr("Printing"));
  progress_->setAutoClose(false);
  progress_->setAutoReset(false);
  progress_->setMinimumDuration(kMomentMs);
  progress_->setLabelText(cancellable ? QString::fromStdString(job_.message())
                                      : tr("Printing %1...").arg(printer().docName()));
  if (!cancellable) progress_->setCancelButton(nullptr);
  QProgressDialog* window = progress_;
  connect(window, &QProgressDialog::canceled, this, [this, window] {
    // Cancel while it runs; Close once it is done.
    job_.cancel();
    window->deleteLater();
  });
  // No measure of the engine's progress exists: the bar says that it runs.
  progress_->setRange(0, 0);
  progress_->setValue(0);
}

void PagePrinting::showFailure(const QString& text) {
  auto* box =
      new QMessageBox(QMessageBox::Warning, tr("Print"), text, QMessageBox::Ok, view_->window());
  box->setObjectName(QStringLiteral("PrintFailed"));
  box->setAttribute(Qt::WA_DeleteOnClose);
  box->setTextFormat(Qt::PlainText);
  box->open();
}

void PagePrinting::pageSetup() {
  QPageSetupDialog dialog(&printer(), view_);
  dialog.setObjectName(QStringLiteral("dlgPageSetup"));
  dialog.exec();
}

}  // namespace corvane
