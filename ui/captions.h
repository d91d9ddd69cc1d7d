#pragma once

#include <QString>
#include <functional>
#include <vector>

class QAbstractButton;
class QAction;
class QGroupBox;
class QLabel;
class QMenu;
class QWidget;

// The captions of a window: each widget text is a marked source text (Qt's
// QT_TRANSLATE_NOOP with the window's context), set in the language in use
// now and again whenever the language changes.

namespace tirovane {

class Captions {
public:
    // `context` is the context the window's texts are marked with.
    explicit Captions(const char* context) : context_(context) {}

    // The source text in the language in use.
    QString Tr(const char* source) const;

    // Records how one text is set and sets it now. A setter may make its
    // text itself (the source then being null) and is called all the same.
    void Set(const char* source, std::function<void(const QString&)> setter);
    // The same for a source text marked in another context.
    void SetIn(const char* context, const char* source, std::function<void(const QString&)> setter);

    QLabel* Text(QLabel* label, const char* source);
    QAbstractButton* Text(QAbstractButton* button, const char* source);
    QAction* Text(QAction* action, const char* source);
    QMenu* Title(QMenu* menu, const char* source);
    // A frame's caption, which is also its accessible name ("&&" shows "&").
    QGroupBox* Title(QGroupBox* group, const char* source);
    void AccessibleName(QWidget* widget, const char* source);
    void AccessibleDescription(QWidget* widget, const char* source);

    // Sets every recorded text again, in the language now in use.
    void Apply() const;

private:
    struct Entry {
        const char* Context;
        const char* Source;
        std::function<void(const QString&)> Setter;
    };
    const char* context_;
    std::vector<Entry> entries_;
};

} // namespace tirovane
