#pragma once

#include "atlas/atlas.h"
#include "reading/birth_details.h"
#include "reading/person_form.h"
#include "reading/validation.h"
#include "ui/captions.h"

#include <QMainWindow>
#include <array>
#include <memory>
#include <optional>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QFormLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QStackedWidget;

namespace tirovane {

class FilteredLineEdit;
class PlaceFinder;
class TirovaneApp;

// The input window: the two people's birth details, one frame each, of
// which only the one in front is visible.
class InputForm : public QMainWindow {
    Q_OBJECT
public:
    explicit InputForm(TirovaneApp& app);

    // The checks of person `index` with their messages and follow-ups.
    bool ValidateInput(int index);

    // Person `index` as the form holds them, and put back into the form.
    PersonForm ReadForm(int index) const;
    void WriteForm(int index, const PersonForm& form);
    BirthDetails ReadPerson(int index) const { return DetailsOf(ReadForm(index)); }

    // The selected zone row of person `index`.
    int SelectedZoneRow(int index) const;

    void BringFrameToFront(int index);
    int FrameInFront() const;

public slots:
    void cmdOpen_Click();
    void cmdNext_Click();
    void cmdCalculate_Click();
    void mnuCalculate_Click();
    void mnuExit_Click();
    void Command1_Click();
    void Command3_Click();

protected:
    void closeEvent(QCloseEvent* event) override;
    // A new language: every caption, the months and the zones again.
    void changeEvent(QEvent* event) override;

private:
    struct PersonControls {
        QGroupBox* Frame = nullptr;
        FilteredLineEdit* Name = nullptr;
        QComboBox* Sex = nullptr; // not given, male, female
        QComboBox* Date = nullptr;
        QComboBox* Month = nullptr;
        QComboBox* Year = nullptr;
        QComboBox* Hour = nullptr;
        QComboBox* Minute = nullptr;
        FilteredLineEdit* City = nullptr;
        FilteredLineEdit* State = nullptr;
        FilteredLineEdit* Country = nullptr;
        FilteredLineEdit* LatDeg = nullptr;
        FilteredLineEdit* LatMin = nullptr;
        QRadioButton* North = nullptr;
        QRadioButton* South = nullptr;
        FilteredLineEdit* LonDeg = nullptr;
        FilteredLineEdit* LonMin = nullptr;
        QRadioButton* East = nullptr;
        QRadioButton* West = nullptr;
        QComboBox* TimeZone = nullptr;
        QCheckBox* Dst = nullptr;
        QPushButton* LookUp = nullptr;
        PlaceFinder* Place = nullptr; // "Birth place" search
        QLabel* PlaceZone = nullptr;  // the zone and offset used, under the zone list
    };

    // The place chosen in the "Birth place" search, until a saved reading
    // replaces the person; the zone follows the date and time unless the
    // user set the zone or daylight saving by hand.
    struct ChosenPlace {
        std::optional<atlas::Place> Place;
        bool ZoneByHand = false;
    };

    QGroupBox* BuildPerson(int index);
    void BuildMenus();
    void Form_Load();
    // The month names and the zone labels of both people's lists, in the
    // language in use; the selections stay.
    void WriteListTexts();
    void FindPlace(int index);
    void ReportRefused(FilteredLineEdit& box);
    void ShowError(const char* message, QWidget* focus);
    void AddPlaceFinder(int index, QFormLayout& form);
    void PlaceChosen(int index, const atlas::Place& place);
    void UpdatePlaceTime(int index);

    TirovaneApp& app_;
    Captions captions_{"InputForm"};
    QStackedWidget* frames_ = nullptr;
    std::array<PersonControls, 2> people_;
    std::unique_ptr<atlas::LazyAtlas> atlas_;
    std::array<ChosenPlace, 2> chosen_;
};

} // namespace tirovane
