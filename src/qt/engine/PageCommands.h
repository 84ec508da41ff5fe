#pragma once

#include <QObject>
#include <QString>

class QWebEngineView;

namespace corvane {

class PagePrinting;

// The document commands of one pane that need a dialog: Save As, with the engine's formats;
// Page Setup and Print, which the pane's printing does. On a pane with nothing loaded each of
// them does nothing and shows nothing.
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

  QWebEngineView* view_;
  PagePrinting* printing_;
};

}  // namespace corvane
