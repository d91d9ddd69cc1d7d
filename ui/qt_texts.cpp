// Texts of Qt's own widgets that the program's windows show (the tab bar's
// scroll buttons, the buttons of message boxes), marked in Qt's contexts so
// that the program's translations carry them: Qt ships no translation for
// the Indian languages.

#include <QtGlobal>

namespace tirovane {

[[maybe_unused]] constexpr const char* QtTexts[] = {
    QT_TRANSLATE_NOOP("QTabBar", "Scroll Left"),  QT_TRANSLATE_NOOP("QTabBar", "Scroll Right"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "OK"),    QT_TRANSLATE_NOOP("QPlatformTheme", "Cancel"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "&Yes"),  QT_TRANSLATE_NOOP("QPlatformTheme", "&No"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "Close"), QT_TRANSLATE_NOOP("QPlatformTheme", "Save"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "Open"),  QT_TRANSLATE_NOOP("QPlatformTheme", "Print"),
};

} // namespace tirovane
