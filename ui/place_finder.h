#pragma once

#include "atlas/atlas.h"
#include "ui/captions.h"

#include <QLineEdit>
#include <vector>

class QCompleter;
class QStringListModel;

namespace tirovane {

// The "Birth place" search field: as the user types, a drop-down lists the
// matching places of the atlas ("Chennai, Tamil Nadu, India"), best first;
// arrow keys move through it and Enter (or a click) chooses one. The atlas
// is read at the first keystroke, not before.
class PlaceFinder : public QLineEdit {
    Q_OBJECT
public:
    PlaceFinder(atlas::LazyAtlas& atlas, QWidget* parent = nullptr);

    // The drop-down list, for the tests.
    QCompleter* Completer() const { return completer_; }
    // The places now listed, in the list's order.
    const std::vector<atlas::Place>& Matches() const { return matches_; }

    // "Chennai, Tamil Nadu, India".
    static QString DisplayName(const atlas::Place& place);

signals:
    void placeChosen(const tirovane::atlas::Place& place);
    // The atlas could not be read; the text says why.
    void atlasMissing(const QString& reason);

protected:
    void changeEvent(QEvent* event) override;

private:
    Captions captions_{"PlaceFinder"};
    void Search(const QString& text);
    void Choose(const QModelIndex& index);

    atlas::LazyAtlas& atlas_;
    QCompleter* completer_ = nullptr;
    bool popupNamed_ = false; // the completer's list has its accessible name
    QStringListModel* model_ = nullptr;
    std::vector<atlas::Place> matches_;
    bool reported_ = false;
};

} // namespace tirovane
