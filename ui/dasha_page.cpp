#include "ui/dasha_page.h"

#include "output/dasha_drawing.h"
#include "output/qt_words.h"
#include "ui/widgets.h"

#include <QAccessibleWidget>
#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QScrollBar>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <cmath>

namespace tirovane {

namespace {

QString Qt8(const std::string& text) {
    return QString::fromStdString(text);
}

// One period's row of a table, bold while it runs today.
void FillRow(QTreeWidgetItem* item, const texts::DashaRow& row) {
    for (int c = 0; c < static_cast<int>(row.Cells.size()); ++c) {
        item->setText(c, Qt8(row.Cells[static_cast<std::size_t>(c)]));
        QFont font = item->font(c);
        font.setBold(row.Running);
        item->setFont(c, font);
    }
}

// The timeline is a picture to a screen reader, named by its caption.
QAccessibleInterface* TimelineAccessible(const QString& className, QObject* object) {
    if (className == QLatin1String(DashaTimelineView::staticMetaObject.className()) &&
        object != nullptr && object->isWidgetType()) {
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Graphic);
    }
    return nullptr;
}

} // namespace

DashaTimelineView::DashaTimelineView(QWidget* parent) : QWidget(parent) {
    static const bool installed = [] {
        QAccessible::installFactory(TimelineAccessible);
        return true;
    }();
    (void)installed;
    setObjectName(QStringLiteral("picDashaTimeline"));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void DashaTimelineView::SetTimeline(texts::DashaTimeline timeline) {
    timeline_ = std::move(timeline);
    updateGeometry();
    update();
}

QSize DashaTimelineView::sizeHint() const {
    return {640, static_cast<int>(std::ceil(TimelineHeight(timeline_, font(), nullptr))) + 4};
}

QSize DashaTimelineView::minimumSizeHint() const {
    return {360, sizeHint().height()};
}

void DashaTimelineView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    DrawDashaTimeline(painter, QRectF(rect()).adjusted(2, 0, -6, 0), timeline_, font());
}

DashaPage::DashaPage(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("fraFrame_3"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 10, 16, 10);
    layout->setSpacing(8);
    QLabel* note = NamedLabel(QStringLiteral("lblYearLength"), QString(), this);
    note->setWordWrap(true);
    captions_.Text(note, texts::YearLengthNote);
    layout->addWidget(note);

    timeline_ = new DashaTimelineView(this);
    captions_.AccessibleName(timeline_, texts::TimelineCaption);
    layout->addWidget(timeline_);

    auto* tables = new QHBoxLayout;
    tables->setSpacing(16);
    for (int person = 0; person < 2; ++person) {
        auto* group = new QGroupBox(this);
        group->setObjectName(QStringLiteral("fraDasha_%1").arg(person));
        auto* groupLayout = new QVBoxLayout(group);
        groupLayout->setSpacing(6);
        QLabel* balance =
            NamedLabel(QStringLiteral("lblDashaBalance_%1").arg(person), QString(), group);
        balance->setWordWrap(true);
        groupLayout->addWidget(balance);
        auto* tree = new QTreeWidget(group);
        tree->setObjectName(QStringLiteral("treDasha_%1").arg(person));
        tree->setColumnCount(static_cast<int>(texts::DashaColumns.size()));
        tree->setRootIsDecorated(true);
        tree->setUniformRowHeights(true);
        tree->setAlternatingRowColors(true);
        tree->setSelectionBehavior(QAbstractItemView::SelectRows);
        // The columns as wide as their texts (the last one not stretched),
        // so that the header's length is what the table needs.
        tree->header()->setStretchLastSection(false);
        captions_.AccessibleName(tree, texts::DashaTableCaption);
        captions_.Set(nullptr, [tree](const QString&) {
            QStringList headings;
            for (const char* caption : texts::DashaColumns) {
                headings << Qt8(CurrentWords().Translate("Kundli", caption));
            }
            tree->setHeaderLabels(headings);
        });
        groupLayout->addWidget(tree, 1);
        tables->addWidget(group, 1);
        groups_[static_cast<std::size_t>(person)] = group;
        balances_[static_cast<std::size_t>(person)] = balance;
        trees_[static_cast<std::size_t>(person)] = tree;
        group->hide();
    }
    layout->addLayout(tables, 1);
}

void DashaPage::SetPeople(const std::array<std::optional<Person>, 2>& people, double today) {
    const texts::Words& words = CurrentWords();
    std::vector<texts::TimelineRow> rows;
    for (std::size_t p = 0; p < people.size(); ++p) {
        QTreeWidget* tree = trees_[p];
        groups_[p]->setVisible(people[p].has_value());
        if (!people[p]) {
            tree->clear();
            shown_[p].reset();
            continue;
        }
        const Person& person = *people[p];
        rows.push_back(texts::TimelineRowOf(person.Name, person.Kundli, today, words));
        groups_[p]->setTitle(Qt8(person.Name));
        groups_[p]->setAccessibleName(Qt8(person.Name));
        const texts::DashaTable table = texts::DashaTableOf(person.Kundli, today, words);
        balances_[p]->setText(Qt8(table.Balance));
        // The same periods again (another language, the same reading
        // written again): the rows keep what the user opened and chose.
        const std::array<double, 2> periods = {person.Kundli.Dasha.Periods[0].StartJulianDay,
                                               person.Kundli.BirthJulianDay};
        const bool same = shown_[p] == periods;
        shown_[p] = periods;
        if (same) {
            for (std::size_t m = 0; m < table.Periods.size(); ++m) {
                QTreeWidgetItem* period = tree->topLevelItem(static_cast<int>(m));
                FillRow(period, table.Periods[m]);
                for (std::size_t s = 0; s < table.Subs[m].size(); ++s) {
                    FillRow(period->child(static_cast<int>(s)), table.Subs[m][s]);
                }
            }
        } else {
            tree->clear();
            for (std::size_t m = 0; m < table.Periods.size(); ++m) {
                auto* period = new QTreeWidgetItem(tree);
                FillRow(period, table.Periods[m]);
                for (const texts::DashaRow& sub : table.Subs[m]) {
                    FillRow(new QTreeWidgetItem(period), sub);
                }
            }
            // The running mahadasha open, its running antardasha current.
            if (table.Running) {
                QTreeWidgetItem* running = tree->topLevelItem(*table.Running);
                running->setExpanded(true);
                tree->setCurrentItem(running);
                const auto& subs = table.Subs[static_cast<std::size_t>(*table.Running)];
                for (std::size_t s = 0; s < subs.size(); ++s) {
                    if (subs[s].Running) {
                        tree->setCurrentItem(running->child(static_cast<int>(s)));
                    }
                }
            } else {
                tree->setCurrentItem(tree->topLevelItem(0));
            }
        }
        // Every column wide enough for its texts, and the table wide
        // enough for every column and tall enough for the mahadashas and
        // a few antardashas, so that the window grows to show them.
        for (int c = 0; c < tree->columnCount(); ++c) {
            tree->resizeColumnToContents(c);
        }
        const int frame = 2 * tree->frameWidth();
        int least =
            tree->header()->length() + frame + tree->verticalScrollBar()->sizeHint().width();
        // Both tables side by side within the screen: on a narrow screen,
        // or with long words, a table scrolls sideways rather than the page.
        if (const QScreen* shown = screen()) {
            least = std::min(least, (shown->availableGeometry().width() - 160) / 2);
        }
        tree->setMinimumWidth(least);
        tree->setMinimumHeight(tree->header()->sizeHint().height() + frame +
                               (kundli::DashaLordCount + 2) * tree->sizeHintForRow(0));
    }
    timeline_->SetTimeline(texts::TimelineOf(std::move(rows), words));
    timeline_->setVisible(people[0] || people[1]);
}

void DashaPage::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        captions_.Apply();
    }
    QWidget::changeEvent(event);
}

} // namespace tirovane
