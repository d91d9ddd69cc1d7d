#include "output/text_fonts.h"

namespace tirovane {

const QStringList& TextFamilies() {
    static const QStringList families = {
        QStringLiteral("DejaVu Sans"),
        QStringLiteral("Noto Sans Devanagari"),
        QStringLiteral("Noto Sans Bengali"),
        QStringLiteral("Noto Sans Tamil"),
        QStringLiteral("Noto Sans Telugu"),
        QStringLiteral("Noto Sans Kannada"),
        QStringLiteral("Noto Sans Malayalam"),
    };
    return families;
}

QFont TextFont() {
    QFont font;
    font.setFamilies(TextFamilies());
    font.setStyleHint(QFont::SansSerif);
    return font;
}

} // namespace tirovane
