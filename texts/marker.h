#pragma once

// Marks a source text of a context for Qt's lupdate, which finds it in the
// Qt-free layers as in any Qt source; without Qt it is the text itself.
// Header-only, so that the lowest layers' tables can mark their names.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, text) text
#endif
