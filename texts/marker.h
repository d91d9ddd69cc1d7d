#pragma once

// Marks a source text of a context for Qt's lupdate, which finds it in the
// Qt-free layers as in any Qt source; without Qt it is the text itself.
// Header-only, so that the lowest layers' tables can mark their names. The
// definition is Qt's own, token for token, so that a Qt header included
// after this one defines it again without a warning.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif
// A text that counts something ("%n year(s)"), translated with its count.
#ifndef QT_TRANSLATE_N_NOOP
#define QT_TRANSLATE_N_NOOP(scope, x) x
#endif
