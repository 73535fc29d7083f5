#include "bookmarks/BookmarkExchange.h"

#include "bookmarks/Bookmarks.h"

#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QStandardPaths>

namespace {
const QString kFilter = QStringLiteral("Bookmark files (*.html *.htm);;All files (*)");

QString startFolder() {
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return !documents.isEmpty() && QDir(documents).exists() ? documents : QDir::homePath();
}
} // namespace

void RunImportBookmarksDialog(QWidget* parent, Bookmarks& bookmarks) {
    const QString path =
        QFileDialog::getOpenFileName(parent, QStringLiteral("Import Bookmarks"), startFolder(), kFilter);
    if (path.isEmpty()) return;
    QMessageBox::information(parent, QStringLiteral("Import Bookmarks"), bookmarks.ImportFrom(path));
}

void RunExportBookmarksDialog(QWidget* parent, const Bookmarks& bookmarks) {
    QString path = QFileDialog::getSaveFileName(parent, QStringLiteral("Export Bookmarks"),
                                                startFolder() + QStringLiteral("/bookmarks.html"), kFilter);
    if (path.isEmpty()) return;
    if (!bookmarks.ExportTo(path))
        QMessageBox::warning(
            parent, QStringLiteral("Export Bookmarks"),
            QStringLiteral("The bookmarks could not be written to %1.").arg(QDir::toNativeSeparators(path)));
}
