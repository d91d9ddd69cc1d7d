#include "ui/widgets.h"

#include "output/text_fonts.h"
#include "reading/name_text.h"

#include <QAbstractItemModel>
#include <QCoreApplication>
#include <QHash>
#include <QKeyEvent>
#include <QLayout>
#include <QMouseEvent>
#include <QStyleOptionComboBox>
#include <QtMath>
#include <algorithm>

namespace tirovane {

TextLabel::TextLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {}

TextLabel::Measure TextLabel::CurrentMeasure() const {
    return {text(),      font(),       contentsMargins(), margin(), indent(),
            alignment(), textFormat(), wordWrap()};
}

void TextLabel::Forget() const {
    kept_ = 0;
    next_ = 0;
}

void TextLabel::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) {
        Forget();
    }
    QLabel::changeEvent(event);
}

bool TextLabel::event(QEvent* event) {
    if (event->type() == QEvent::ScreenChangeInternal) {
        Forget();
    }
    return QLabel::event(event);
}

int TextLabel::heightForWidth(int width) const {
    Measure now = CurrentMeasure();
    if (!(now == measure_)) {
        measure_ = std::move(now);
        Forget();
    }
    for (int k = 0; k < kept_; ++k) {
        if (heights_[static_cast<std::size_t>(k)].x() == width) {
            return heights_[static_cast<std::size_t>(k)].y();
        }
    }
    const int height = QLabel::heightForWidth(width);
    heights_[static_cast<std::size_t>(next_)] = QPoint(width, height);
    next_ = (next_ + 1) % static_cast<int>(heights_.size());
    kept_ = std::min(kept_ + 1, static_cast<int>(heights_.size()));
    return height;
}

LinkLabel::LinkLabel(const QString& text, QWidget* parent) : TextLabel(text, parent) {
    setCursor(Qt::PointingHandCursor);
    setWordWrap(true);
    // Reachable with the Tab key and opened with Enter or Space, like a
    // link on a web page; the focus shows as a dotted frame. A label that
    // takes the focus lays its text out as a document, so the policy is set
    // when the label first shows, after its window was laid out.
    setFocusPolicy(Qt::NoFocus);
    setStyleSheet(QStringLiteral("QLabel { color: #1a56b0; text-decoration: underline;"
                                 " border: 1px solid transparent; }"
                                 " QLabel:focus { border: 1px dotted #1a56b0; }"));
    setAccessibleDescription(QCoreApplication::translate("Widgets", "Link"));
}

void LinkLabel::showEvent(QShowEvent* event) {
    setFocusPolicy(Qt::TabFocus);
    QLabel::showEvent(event);
}

void LinkLabel::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        setAccessibleDescription(QCoreApplication::translate("Widgets", "Link"));
    }
    QLabel::changeEvent(event);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        emit clicked();
    }
    QLabel::mouseReleaseEvent(event);
}

void LinkLabel::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        emit clicked();
        event->accept();
        return;
    default:
        QLabel::keyPressEvent(event);
    }
}

FittedList::FittedList(QWidget* parent) : QComboBox(parent) {
    QAbstractItemModel* entries = model();
    connect(entries, &QAbstractItemModel::rowsInserted, this, &FittedList::Refit);
    connect(entries, &QAbstractItemModel::rowsRemoved, this, &FittedList::Refit);
    connect(entries, &QAbstractItemModel::dataChanged, this, &FittedList::Refit);
    connect(entries, &QAbstractItemModel::modelReset, this, &FittedList::Refit);
}

void FittedList::Refit() {
    if (hint_) {
        hint_.reset();
        updateGeometry();
    }
}

QSize FittedList::sizeHint() const {
    if (!hint_) {
        const QFontMetrics metrics = fontMetrics();
        bool numbers = true;
        QString longest;
        for (int k = 0; k < count(); ++k) {
            const QString text = itemText(k);
            numbers = numbers && !text.isEmpty() &&
                      std::all_of(text.begin(), text.end(), [](QChar c) { return c.isDigit(); });
            if (text.size() > longest.size()) {
                longest = text;
            }
        }
        // Both people's lists hold the same entries: a text is measured
        // once per font, whichever list asks first.
        static QHash<QString, int> measured;
        const QString fontKey = font().key() + QLatin1Char('\n');
        const auto advance = [&](const QString& text) {
            const QString key = fontKey + text;
            auto it = measured.constFind(key);
            if (it == measured.constEnd()) {
                it = measured.insert(key, metrics.horizontalAdvance(text));
            }
            return *it;
        };
        // Within one script a text's width follows its length: only the
        // entries near the longest in length can be the widest.
        int widest = 0;
        if (numbers) {
            widest = advance(longest);
        } else {
            for (int k = 0; k < count(); ++k) {
                const QString text = itemText(k);
                if (5 * text.size() >= 4 * longest.size()) {
                    widest = std::max(widest, advance(text));
                }
            }
        }
        // As the list sizes itself: the text, the line height, then what
        // the style adds for the frame and the arrow.
        const QSize contents(widest, std::max(qCeil(QFontMetricsF(metrics).height()), 14) + 2);
        QStyleOptionComboBox option;
        initStyleOption(&option);
        hint_ = style()->sizeFromContents(QStyle::CT_ComboBox, &option, contents, this);
    }
    return *hint_;
}

QSize FittedList::minimumSizeHint() const {
    return sizeHint();
}

void FittedList::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) {
        Refit();
    }
    QComboBox::changeEvent(event);
}

FilteredLineEdit::FilteredLineEdit(Kind kind, std::function<void(FilteredLineEdit&)> report,
                                   QWidget* parent)
    : QLineEdit(parent), kind_(kind), report_(std::move(report)) {
    // Typing is filtered key by key; whatever else edits the text (paste,
    // drop, undo) is filtered afterwards.
    connect(this, &QLineEdit::textEdited, this, &FilteredLineEdit::FilterEditedText);
}

bool FilteredLineEdit::Accepts(Kind kind, char32_t code) {
    if (code == 8 || code == 127) {
        return true;
    }
    if (kind == Kind::Digits) {
        return code >= U'0' && code <= U'9';
    }
    return kind == Kind::Place ? IsPlaceCharacter(code) : IsNameCharacter(code);
}

void FilteredLineEdit::keyPressEvent(QKeyEvent* event) {
    // Shortcuts (copy, paste, select all, undo) are not typed characters.
    const bool shortcut = event->modifiers() & (Qt::ControlModifier | Qt::MetaModifier);
    const QString text = event->text();
    if (!shortcut && !text.isEmpty()) {
        for (const char32_t c : text.toUcs4()) {
            if (!Accepts(kind_, c)) {
                event->accept();
                report_(*this);
                return;
            }
        }
    }
    QLineEdit::keyPressEvent(event);
}

void FilteredLineEdit::FilterEditedText(const QString& text) {
    QString kept;
    kept.reserve(text.size());
    int cursor = cursorPosition();
    // Character by character: a letter beyond the first plane is two
    // UTF-16 units, kept or dropped together.
    for (qsizetype i = 0; i < text.size();) {
        const bool pair =
            text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate();
        const qsizetype units = pair ? 2 : 1;
        const bool lone = !pair && text[i].isSurrogate();
        const char32_t c = pair ? QChar::surrogateToUcs4(text[i], text[i + 1]) : text[i].unicode();
        if (!lone && Accepts(kind_, c)) {
            kept += text.mid(i, units);
        } else if (i < cursorPosition()) {
            cursor -= static_cast<int>(units);
        }
        i += units;
    }
    if (kept.size() == text.size()) {
        return;
    }
    setText(kept);
    setCursorPosition(cursor);
    report_(*this);
}

QFont WindowFont(int pointSize, bool bold) {
    QFont font = TextFont();
    font.setPointSize(pointSize);
    font.setBold(bold);
    return font;
}

QLabel* NamedLabel(const QString& name, const QString& text, QWidget* parent) {
    auto* label = new TextLabel(text, parent);
    label->setObjectName(name);
    return label;
}

void SetWrappedText(QLabel* label, const QString& text) {
    label->setText(text);
    int widest = 0;
    for (const QString& word : text.split(u' ', Qt::SkipEmptyParts)) {
        widest = std::max(widest, label->fontMetrics().horizontalAdvance(word));
    }
    const QMargins m = label->contentsMargins();
    label->setMinimumWidth(widest + m.left() + m.right() + 2 * label->margin() + 2);
}

void ApplyLayouts(QWidget* root) {
    QList<QWidget*> widgets = root->findChildren<QWidget*>();
    widgets.prepend(root);
    for (QWidget* w : widgets) {
        if (QLayout* layout = w->layout()) {
            layout->update(); // marks it to be laid out, keeping its sizes
            layout->activate();
        }
    }
}

void LayOutAgain(QWidget* root) {
    QList<QWidget*> widgets = root->findChildren<QWidget*>();
    widgets.prepend(root);
    // Innermost first, so that each widget's size hint is made afresh from
    // its children's.
    for (auto w = widgets.rbegin(); w != widgets.rend(); ++w) {
        if (QLayout* layout = (*w)->layout()) {
            layout->invalidate();
        }
        (*w)->updateGeometry();
    }
    for (QWidget* w : widgets) {
        if (QLayout* layout = w->layout()) {
            layout->activate();
        }
    }
}

} // namespace tirovane
