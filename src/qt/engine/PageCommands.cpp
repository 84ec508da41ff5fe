#include "qt/engine/PageCommands.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QStandardPaths>
#include <QUrl>
#include <QWebEngineDownloadRequest>
#include <QWebEnginePage>
#include <QWebEngineView>

#include "qt/engine/PagePrinting.h"

namespace corvane {

namespace {

struct SaveFormat {
  const char* filter;
  const char* suffix;
  QWebEngineDownloadRequest::SavePageFormat format;
};

const SaveFormat kSaveFormats[] = {
    {QT_TRANSLATE_NOOP("PageCommands", "Web page, complete (*.html *.htm)"), "html",
     QWebEngineDownloadRequest::CompleteHtmlSaveFormat},
    {QT_TRANSLATE_NOOP("PageCommands", "Web page, HTML only (*.html *.htm)"), "html",
     QWebEngineDownloadRequest::SingleHtmlSaveFormat},
    {QT_TRANSLATE_NOOP("PageCommands", "Web archive, single file (*.mhtml *.mht)"), "mhtml",
     QWebEngineDownloadRequest::MimeHtmlSaveFormat},
};

QString filterText(const SaveFormat& f) { return PageCommands::tr(f.filter); }

}  // namespace

PageCommands::PageCommands(QWebEngineView* view)
    : QObject(view), view_(view), printing_(new PagePrinting(view)) {}

PageCommands::~PageCommands() = default;

bool PageCommands::hasPage() const {
  const QUrl url = view_->url();
  return !url.isEmpty() && url != QUrl(QStringLiteral("about:blank"));
}

QString PageCommands::suggestedName(const QString& title) {
  QString name = title.simplified();
  // Separators would make folders of it; a leading dot would hide it.
  name.replace(QLatin1Char('/'), QLatin1Char('_'));
  name.replace(QLatin1Char('\\'), QLatin1Char('_'));
  while (name.startsWith(QLatin1Char('.'))) name.remove(0, 1);
  return name.isEmpty() ? QStringLiteral("page") : name;
}

void PageCommands::saveAs() {
  if (!hasPage()) return;
  QFileDialog dialog(view_, tr("Save Page As"));
  dialog.setObjectName(QStringLiteral("dlgSaveAs"));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  QStringList filters;
  for (const SaveFormat& f : kSaveFormats) filters << filterText(f);
  dialog.setNameFilters(filters);
  dialog.selectNameFilter(filters.first());
  dialog.setDefaultSuffix(QString::fromLatin1(kSaveFormats[0].suffix));
  connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog, filters](const QString& f) {
    const int i = static_cast<int>(filters.indexOf(f));
    if (i >= 0) dialog.setDefaultSuffix(QString::fromLatin1(kSaveFormats[i].suffix));
  });
  const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  dialog.setDirectory(QDir(folder).exists() ? folder : QDir::homePath());
  const QString suggested = suggestedName(view_->title()) + QStringLiteral(".html");
  dialog.selectFile(suggested);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;

  const int chosen = static_cast<int>(filters.indexOf(dialog.selectedNameFilter()));
  const SaveFormat& format = kSaveFormats[chosen < 0 ? 0 : chosen];
  QString path = dialog.selectedFiles().first();
  // The name offered ends in .html whatever format is picked later; an archive gets its own.
  if (format.format == QWebEngineDownloadRequest::MimeHtmlSaveFormat &&
      QFileInfo(path).fileName() == suggested) {
    path.chop(4);
    path += QString::fromLatin1(format.suffix);
  }
  view_->page()->save(path, format.format);
}

void PageCommands::print(bool prompt) {
  if (hasPage()) printing_->print(prompt, suggestedName(view_->title()));
}

void PageCommands::pageSetup() {
  if (hasPage()) printing_->pageSetup();
}

}  // namespace corvane
