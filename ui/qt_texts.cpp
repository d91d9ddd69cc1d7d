// Texts of Qt's own widgets that the program's windows show (the tab bar's
// scroll buttons, the buttons of message boxes, the file dialog and the
// print preview), marked in Qt's contexts so that the program's
// translations carry them: Qt ships no translation for the Indian
// languages.

#include <QtGlobal>

namespace tirovane {

[[maybe_unused]] constexpr const char* QtTexts[] = {
    QT_TRANSLATE_NOOP("QTabBar", "Scroll Left"),
    QT_TRANSLATE_NOOP("QTabBar", "Scroll Right"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "OK"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "Cancel"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "&Yes"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "&No"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "Close"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "Save"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "Open"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "Print"),
    QT_TRANSLATE_NOOP("QFileDialog", "Look in:"),
    QT_TRANSLATE_NOOP("QFileDialog", "File &name:"),
    QT_TRANSLATE_NOOP("QFileDialog", "Files of type:"),
    QT_TRANSLATE_NOOP("QFileDialog", "Parent Directory"),
    QT_TRANSLATE_NOOP("QFileDialog", "Create New Folder"),
    QT_TRANSLATE_NOOP("QFileDialog", "List View"),
    QT_TRANSLATE_NOOP("QFileDialog", "Detail View"),
    QT_TRANSLATE_NOOP("QFileDialog", "Forward"),
    QT_TRANSLATE_NOOP("QFileDialog", "Recent Places"),
    QT_TRANSLATE_NOOP("QFileDialog", "&Open"),
    QT_TRANSLATE_NOOP("QFileDialog", "&Save"),
    QT_TRANSLATE_NOOP("QFileDialog", "&Choose"),
    QT_TRANSLATE_NOOP("QFileDialog", "Show &hidden files"),
    QT_TRANSLATE_NOOP("QFileDialog", "&Delete"),
    QT_TRANSLATE_NOOP("QFileDialog", "&Rename"),
    QT_TRANSLATE_NOOP("QFileSystemModel", "Date Modified"),
    QT_TRANSLATE_NOOP("QFileSystemModel", "Type"),
    QT_TRANSLATE_NOOP("QFileSystemModel", "Name"),
    QT_TRANSLATE_NOOP("QFileSystemModel", "Size"),
    QT_TRANSLATE_NOOP("QFileSystemModel", "Computer"),
    QT_TRANSLATE_NOOP("QAbstractFileIconProvider", "Folder"),
    QT_TRANSLATE_NOOP("QAbstractFileIconProvider", "File"),
    QT_TRANSLATE_NOOP("QPrintPreviewDialog", "Next page"),
    QT_TRANSLATE_NOOP("QPrintPreviewDialog", "Previous page"),
    QT_TRANSLATE_NOOP("QPrintPreviewDialog", "First page"),
    QT_TRANSLATE_NOOP("QPrintPreviewDialog", "Last page"),
    QT_TRANSLATE_NOOP("QPrintPreviewDialog", "Fit width"),
    QT_TRANSLATE_NOOP("QPrintPreviewDialog", "Fit page"),
    QT_TRANSLATE_NOOP("QPrintPreviewDialog", "Zoom in"),
    QT_TRANSLATE_NOOP("QPrintPreviewDialog", "Zoom out"),
    QT_TRANSLATE_NOOP("QPrintPreviewDialog", "Show single page"),
    QT_TRANSLATE_NOOP("QPrintPreviewDialog", "Show facing pages"),
    QT_TRANSLATE_NOOP("QPrintPreviewDialog", "Show overview of all pages"),
    QT_TRANSLATE_NOOP("QPrintPreviewDialog", "Page setup"),
    QT_TRANSLATE_NOOP("QPrintPreviewDialog", "Print Preview"),
    QT_TRANSLATE_NOOP("QPrintPreviewDialog", "Print"),
    QT_TRANSLATE_NOOP("QPrintPreviewDialog", "Close"),
};

} // namespace tirovane
