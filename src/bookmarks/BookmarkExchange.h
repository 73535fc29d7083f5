#pragma once

class Bookmarks;
class QWidget;

// The file dialogs and messages of exchanging bookmarks with other browsers.
void RunImportBookmarksDialog(QWidget* parent, Bookmarks& bookmarks);
void RunExportBookmarksDialog(QWidget* parent, const Bookmarks& bookmarks);
