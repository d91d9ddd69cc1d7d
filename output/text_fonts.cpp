#include "output/text_fonts.h"

#include "output/qt_words.h"

#include <QtGlobal>
#include <cstring>

namespace tirovane {

namespace {

// The face made for each Indian script, by the languages written in it.
QString ScriptFamily(const QString& language) {
    if (language == QLatin1String("hi") || language == QLatin1String("mr")) {
        return QStringLiteral("Noto Sans Devanagari");
    }
    if (language == QLatin1String("bn")) {
        return QStringLiteral("Noto Sans Bengali");
    }
    if (language == QLatin1String("ta")) {
        return QStringLiteral("Noto Sans Tamil");
    }
    if (language == QLatin1String("te")) {
        return QStringLiteral("Noto Sans Telugu");
    }
    if (language == QLatin1String("kn")) {
        return QStringLiteral("Noto Sans Kannada");
    }
    if (language == QLatin1String("ml")) {
        return QStringLiteral("Noto Sans Malayalam");
    }
    return {};
}

QtMessageHandler PreviousHandler = nullptr;

// Qt names every face of the list that it tries for a script before the
// face that has it ("OpenType support missing for ..."): with one face per
// script in the list that is how the fallback works, not a fault.
void WithoutFallbackNotes(QtMsgType type, const QMessageLogContext& context,
                          const QString& message) {
    if (type == QtWarningMsg && message.contains(QLatin1String("OpenType support missing for"))) {
        return;
    }
    if (PreviousHandler != nullptr) {
        PreviousHandler(type, context, message);
    }
}

} // namespace

QStringList TextFamilies() {
    static const QStringList all = {
        QStringLiteral("DejaVu Sans"),         QStringLiteral("Noto Sans Devanagari"),
        QStringLiteral("Noto Sans Bengali"),   QStringLiteral("Noto Sans Tamil"),
        QStringLiteral("Noto Sans Telugu"),    QStringLiteral("Noto Sans Kannada"),
        QStringLiteral("Noto Sans Malayalam"),
    };
    // The face of the language in use comes first, so that line heights
    // are those of its script (its vowel signs reach far above and below
    // the line); Latin text falls through to DejaVu Sans, which that face
    // lacks.
    const QString first = ScriptFamily(LanguageInUse());
    if (first.isEmpty()) {
        return all;
    }
    QStringList ordered = {first};
    for (const QString& family : all) {
        if (family != first) {
            ordered << family;
        }
    }
    return ordered;
}

QFont TextFont() {
    QFont font;
    font.setFamilies(TextFamilies());
    font.setStyleHint(QFont::SansSerif);
    return font;
}

void QuietFontFallback() {
    if (PreviousHandler == nullptr) {
        PreviousHandler = qInstallMessageHandler(WithoutFallbackNotes);
    }
}

} // namespace tirovane
