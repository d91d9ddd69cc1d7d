#include "ui/place_finder.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QEvent>
#include <QStringListModel>

namespace tirovane {

namespace {

constexpr std::size_t ListedPlaces = 12;

} // namespace

PlaceFinder::PlaceFinder(atlas::LazyAtlas& atlas, QWidget* parent)
    : QLineEdit(parent), atlas_(atlas) {
    model_ = new QStringListModel(this);
    completer_ = new QCompleter(model_, this);
    // The list holds the atlas's matches as they are: the completer does not
    // filter them again, since they match by any word and without accents.
    completer_->setCompletionMode(QCompleter::UnfilteredPopupCompletion);
    completer_->setMaxVisibleItems(int(ListedPlaces));
    completer_->setWidget(this);
    captions_.Set(QT_TRANSLATE_NOOP("PlaceFinder", "Type a town, then choose it from the list"),
                  [this](const QString& text) { setPlaceholderText(text); });
    captions_.AccessibleName(this, QT_TRANSLATE_NOOP("PlaceFinder", "Birth place"));
    captions_.AccessibleDescription(
        this, QT_TRANSLATE_NOOP("PlaceFinder",
                                "Type the name of the birth town and choose it from the list: it "
                                "fills city, state, country, latitude, longitude, time zone and "
                                "daylight saving."));

    connect(this, &QLineEdit::textEdited, this, &PlaceFinder::Search);
    connect(completer_, qOverload<const QModelIndex&>(&QCompleter::activated), this,
            &PlaceFinder::Choose);
}

QString PlaceFinder::DisplayName(const atlas::Place& place) {
    QString text = QString::fromStdString(place.Name);
    if (!place.State.empty() && place.State != place.Name) {
        text += QStringLiteral(", ") + QString::fromStdString(place.State);
    }
    return text + QStringLiteral(", ") + QString::fromStdString(place.Country);
}

void PlaceFinder::Search(const QString& text) {
    const atlas::Atlas* a = atlas_.Get();
    if (a == nullptr) {
        if (!reported_) {
            reported_ = true;
            emit atlasMissing(QString::fromStdString(atlas_.Error()));
        }
        return;
    }
    matches_ = a->Search(text.toStdString(), ListedPlaces);
    QStringList names;
    for (const atlas::Place& place : matches_) {
        names << DisplayName(place);
    }
    model_->setStringList(names);
    // The list is made on the first search, not before the window shows.
    if (!popupNamed_) {
        popupNamed_ = true;
        captions_.AccessibleName(completer_->popup(),
                                 QT_TRANSLATE_NOOP("PlaceFinder", "Matching places"));
    }
    if (names.isEmpty()) {
        completer_->popup()->hide();
        return;
    }
    completer_->complete();
}

void PlaceFinder::Choose(const QModelIndex& index) {
    const int row = index.row();
    if (row < 0 || row >= int(matches_.size())) {
        return;
    }
    const atlas::Place place = matches_[std::size_t(row)];
    setText(DisplayName(place));
    emit placeChosen(place);
}

void PlaceFinder::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        captions_.Apply();
    }
    QLineEdit::changeEvent(event);
}

} // namespace tirovane
