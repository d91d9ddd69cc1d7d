#pragma once

#include <QFont>
#include <QStringList>

// The faces every text of the program is set in: a Latin face first, then a
// face made for each Indian script, so that a name or a translated text in
// any of them is shaped and shown (never an empty box), in the windows, the
// chart cells, the picture and the report alike.

namespace tirovane {

// "DejaVu Sans" (the free face closest to the Verdana of the program's
// first windows; named rather than asked of fontconfig, which would give
// whatever sans-serif face the machine has, with other line heights), then
// Noto Sans Devanagari, Bengali, Tamil, Telugu, Kannada and Malayalam; the
// face of the language in use first.
QStringList TextFamilies();

// A sans-serif font of those faces.
QFont TextFont();

// Keeps Qt from noting, for every text in an Indian script, each face of
// the list it passes over on the way to the script's own face.
void QuietFontFallback();

} // namespace tirovane
