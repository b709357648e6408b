#pragma once
#include <QString>
#include <QStringList>

class QWidget;

// The file choosers of the item dialogs. Filters come in the "Text(*.a)|*.a|...||" form
// the dialogs name; tests answer the next chooser through setNextFileName().
class ItemFileChooser
{
public:
    // The chosen file's full path, or empty when the user cancels.
    static QString openFile(QWidget* parent, const QString& caption, const QString& filter);
    // A chooser of several files, starting in `startIn` (a folder, or a file whose folder
    // it opens); the chosen files' full paths in the order chosen, empty when cancelled.
    static QStringList openFiles(QWidget* parent, const QString& caption, const QString& filter, const QString& startIn);
    // A save chooser (it asks before replacing a file) proposing `proposedName` in the
    // user's download or home folder; the chosen full path, or empty when cancelled.
    static QString saveFile(QWidget* parent, const QString& caption, const QString& proposedName, const QString& filter);
    // The name the last save chooser proposed (also in test mode).
    static QString lastProposedName();
    // Qt's form of a "Text(*.a)|*.a|...||" filter. "*.*" becomes "*", so files without an
    // extension (most programs here) can be chosen.
    static QString qtFilter(const QString& filter);

    // Test hook: the next openFile() or saveFile() returns this without showing anything (an empty
    // string answers "cancelled").
    static void setNextFileName(const QString& path);
    static void clearNextFileName();
    // Test hook: the next openFiles() returns these without showing anything (an empty
    // list answers "cancelled").
    static void setNextFileNames(const QStringList& paths);
    // Where the last chooser of several files started (also in test mode).
    static QString lastStartIn();
    // The filter of the last chooser asked for (also in test mode).
    static QString lastFilter();
};
