#pragma once

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPoint>
#include <array>
#include <functional>
#include <optional>

// Small widgets shared by the windows.

namespace tirovane {

// A label that remembers the heights it gave for the widths it was asked
// about. A word-wrapped label lays its whole text out for every such
// question, and a pass of the layouts asks the same widths many times over;
// the answers are kept while the text, the font and the margins are those
// they were made with, so a changed text is measured afresh.
class TextLabel : public QLabel {
    Q_OBJECT
public:
    explicit TextLabel(const QString& text = QString(), QWidget* parent = nullptr);

    int heightForWidth(int width) const override;

protected:
    // A new font, style or screen measures anew.
    void changeEvent(QEvent* event) override;
    bool event(QEvent* event) override;

private:
    void Forget() const;
    // What a label's height for a width depends on besides the width.
    struct Measure {
        QString Text;
        QFont Font;
        QMargins Margins;
        int Margin = 0;
        int Indent = 0;
        Qt::Alignment Alignment;
        Qt::TextFormat Format = Qt::AutoText;
        bool WordWrap = false;
        bool operator==(const Measure&) const = default;
    };
    Measure CurrentMeasure() const;

    mutable Measure measure_;
    mutable std::array<QPoint, 16> heights_{}; // width, height
    mutable int kept_ = 0;
    mutable int next_ = 0;
};

// A label that opens something when clicked, with a hand cursor.
class LinkLabel : public TextLabel {
    Q_OBJECT
public:
    explicit LinkLabel(const QString& text, QWidget* parent = nullptr);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
};

// A drop-down list as wide as its widest entry. The width is measured from
// the entries' texts once, and again when the entries, the font or the
// style change, instead of entry by entry on every layout; only the entries
// near the longest in length are measured (in a list of numbers, the one
// with the most digits).
class FittedList : public QComboBox {
    Q_OBJECT
public:
    explicit FittedList(QWidget* parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void changeEvent(QEvent* event) override;

private:
    void Refit();
    mutable std::optional<QSize> hint_;
};

// A line edit that lets only the characters of one kind in. A refused
// keystroke is dropped and reported; pasted or dropped text loses the
// refused characters and is reported once.
class FilteredLineEdit : public QLineEdit {
    Q_OBJECT
public:
    // A name's letters, a place's letters and signs, or digits.
    enum class Kind { Letters, Place, Digits };

    // `report` shows the kind's message; it is called once per refusal.
    FilteredLineEdit(Kind kind, std::function<void(FilteredLineEdit&)> report,
                     QWidget* parent = nullptr);

    Kind FilterKind() const { return kind_; }

    // True when the character may be typed into a box of this kind: a
    // digit, or what a name or place may hold (the validation's own rule).
    static bool Accepts(Kind kind, char32_t c);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void FilterEditedText(const QString& text);

    Kind kind_;
    std::function<void(FilteredLineEdit&)> report_;
};

// The window font of every text: the program's faces (a Latin face, then one
// for each Indian script) in the given size.
QFont WindowFont(int pointSize = 9, bool bold = false);

// Sets the text of a word-wrapped label and keeps its longest word whole:
// the label is never made narrower than that word.
void SetWrappedText(QLabel* label, const QString& text);

// Drops every cached size below `root` (texts may have changed on pages
// that were hidden) and lays the widgets out again from the top down.
void LayOutAgain(QWidget* root);

// Lays the widgets below `root` out again for their present sizes, from
// the sizes their layouts keep: after a resize, where no text changed.
void ApplyLayouts(QWidget* root);

// A label named for the tests, with the given text.
QLabel* NamedLabel(const QString& name, const QString& text, QWidget* parent);

} // namespace tirovane
