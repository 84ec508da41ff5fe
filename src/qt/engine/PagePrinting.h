#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QString>

#include <memory>

#include "browser/PrintJob.h"

class QPrinter;
class QProgressDialog;
class QWebEngineView;

namespace corvane {

// A pane's printing: Page Setup and Print on the pane's own printer, so the page setup chosen
// last (paper, orientation, margins) holds for the pane's next print. A PDF file is written by
// the engine itself, text as text and drawing as drawing; a paper printer gets the engine's
// pages through Qt's printing. A print that takes more than a moment shows a small window that
// says it runs, lets a print to a file be cancelled, and says when the file is complete.
class PagePrinting : public QObject {
  Q_OBJECT
 public:
  explicit PagePrinting(QWebEngineView* view);
  ~PagePrinting() override;

  // With prompt, asks for the printer first; a cancelled dialog prints nothing. A print still
  // running refuses another, and says so.
  void print(bool prompt, const QString& documentName);
  // The page layout of the pane's next print.
  void pageSetup();

 private:
  QPrinter& printer();
  void printToFile(const QString& target);
  void onFileWritten(bool ok);
  void printOnPaper();
  void showProgress(bool cancellable);
  void showFailure(const QString& text);

  QWebEngineView* view_;
  std::unique_ptr<QPrinter> printer_;
  PrintJob job_;
  // Since the print to a file began: its length, not whether its window has shown yet, decides
  // whether the window tells its end.
  QElapsedTimer printing_;
  bool paperPrinting_ = false;
  QPointer<QProgressDialog> progress_;
};

}  // namespace corvane
