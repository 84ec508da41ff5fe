#pragma once

#include <QObject>
#include <QString>

#include <memory>

class QPrinter;
class QWebEngineView;

namespace corvane {

// The document commands of one pane that need a dialog: Save As, with the engine's formats;
// Page Setup, on the pane's own printer; and Print, through that same printer, so that the page
// setup chosen last applies to the pane's next print. On a pane with nothing loaded each of them
// does nothing and shows nothing.
class PageCommands : public QObject {
  Q_OBJECT
 public:
  explicit PageCommands(QWebEngineView* view);
  ~PageCommands() override;

  // Asks for a file and a format (complete page, HTML only, or one MHTML archive), then saves.
  void saveAs();
  // With prompt, asks for the printer first (a PDF file is one of them); a cancelled dialog
  // prints nothing. A print still running refuses another.
  void print(bool prompt);
  // The page layout of the pane's next print.
  void pageSetup();

  // The name a saved page or a printed file is offered: the page title, made safe as a name.
  static QString suggestedName(const QString& title);

 private:
  bool hasPage() const;
  QPrinter& printer();

  QWebEngineView* view_;
  std::unique_ptr<QPrinter> printer_;
  bool printing_ = false;
};

}  // namespace corvane
