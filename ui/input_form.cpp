#include "ui/input_form.h"

#include "app/place_resolution.h"
#include "app/reference_tables.h"
#include "app/result_texts.h"
#include "ui/application.h"
#include "ui/place_finder.h"
#include "ui/widgets.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QVBoxLayout>
#include <vector>

namespace tirovane {

namespace {

QString Indexed(const char* name, int index) {
    return QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(index);
}

QComboBox* List(const char* name, int index, QWidget* parent) {
    auto* list = new QComboBox(parent);
    list->setObjectName(Indexed(name, index));
    // Both people's lists take the width of their longest entry, whichever
    // frame is shown first.
    list->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    return list;
}

// A row of widgets with a caption after them ("HH/MM", "DEG/MIN").
QWidget* Row(std::initializer_list<QWidget*> widgets, const QString& caption = {},
             QWidget* parent = nullptr) {
    auto* row = new QWidget(parent);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(6);
    for (QWidget* w : widgets) {
        layout->addWidget(w);
    }
    if (!caption.isEmpty()) {
        layout->addWidget(new QLabel(caption, row));
    }
    layout->addStretch(1);
    return row;
}

} // namespace

InputForm::InputForm(TirovaneApp& app)
    : app_(app), atlas_(std::make_unique<atlas::LazyAtlas>(
                     atlas::FindAtlasFile(app.System().ProgramFolder()))) {
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QString::fromLatin1(ProgramCaption));

    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(16, 12, 16, 12);
    layout->setSpacing(10);

    auto* intro = new QLabel(
        QStringLiteral("Tirovane shows the Manglik compatibility between two people. It is "
                       "believed that if both the partners are Manglik, the match is more suitable "
                       "than when one of the partners is not. "),
        central);
    intro->setObjectName(QStringLiteral("lblIntroduction"));
    intro->setWordWrap(true);
    layout->addWidget(intro);

    auto* open = new QPushButton(QStringLiteral("&Open Previously Saved Reading"), central);
    open->setObjectName(QStringLiteral("cmdOpen"));
    open->setAutoDefault(true);
    layout->addWidget(open, 0, Qt::AlignLeft);
    connect(open, &QPushButton::clicked, this, &InputForm::cmdOpen_Click);

    frames_ = new QStackedWidget(central);
    frames_->setObjectName(QStringLiteral("fraMainStack"));
    for (int i = 0; i < 2; ++i) {
        frames_->addWidget(BuildPerson(i));
    }
    layout->addWidget(frames_);

    auto* links = new QWidget(central);
    auto* linkLayout = new QVBoxLayout(links);
    linkLayout->setContentsMargins(0, 0, 0, 0);
    linkLayout->setSpacing(2);
    auto* home = new LinkLabel(
        QStringLiteral("Visit the Tirovane home page for detailed advice and consultation."),
        links);
    home->setObjectName(QStringLiteral("lblHomePage"));
    auto* reseller = new LinkLabel(
        QStringLiteral("Get this software fully branded for your website. Click here for more "
                       "details."),
        links);
    reseller->setObjectName(QStringLiteral("lblFullBrand"));
    auto* cobrand = new LinkLabel(
        QStringLiteral(
            "Co-brand this software for your own web site. Click here for more details."),
        links);
    cobrand->setObjectName(QStringLiteral("lblCobrand"));
    // Each link on one line: the window is as wide as the longest.
    for (LinkLabel* link : {home, reseller, cobrand}) {
        link->setWordWrap(false);
        linkLayout->addWidget(link);
    }
    layout->addWidget(links);
    connect(home, &LinkLabel::clicked, this, [this] { app_.Links().OpenHomePage(); });
    connect(reseller, &LinkLabel::clicked, this, [this] { app_.Links().OpenResellerPage(); });
    connect(cobrand, &LinkLabel::clicked, this, [this] { app_.Links().OpenCoBrandPage(); });

    setCentralWidget(central);
    BuildMenus();
    Form_Load();
}

QGroupBox* InputForm::BuildPerson(int i) {
    PersonControls& p = people_[i];
    p.Frame = new QGroupBox(i == 0 ? QStringLiteral("Your Personal Details")
                                   : QStringLiteral("Your Partner's Personal Details"));
    p.Frame->setObjectName(Indexed("fraMain", i));
    QWidget* f = p.Frame;

    const auto report = [this](FilteredLineEdit& box) { ReportRefused(box); };
    const auto text = [&](const char* name, FilteredLineEdit::Kind kind) {
        auto* box = new FilteredLineEdit(kind, report, f);
        box->setObjectName(Indexed(name, i));
        if (kind == FilteredLineEdit::Kind::Digits) {
            box->setMaxLength(3);
            box->setFixedWidth(box->fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 16);
        }
        return box;
    };
    using Kind = FilteredLineEdit::Kind;
    p.Name = text("txtName", Kind::Letters);
    p.Date = List("cboDate", i, f);
    p.Month = List("cboMonth", i, f);
    p.Year = List("cboYear", i, f);
    p.Hour = List("cboHour", i, f);
    p.Minute = List("cboMinute", i, f);
    p.City = text("txtCity", Kind::Letters);
    p.State = text("txtState", Kind::Letters);
    p.Country = text("txtCountry", Kind::Letters);
    p.LatDeg = text("txtLatDeg", Kind::Digits);
    p.LatMin = text("txtLatMin", Kind::Digits);
    p.LonDeg = text("txtLonDeg", Kind::Digits);
    p.LonMin = text("txtLonMin", Kind::Digits);
    p.TimeZone = List("cboTimeZone", i, f);
    // What a screen reader says for each box; the lists and boxes that
    // share one row of the form get names of their own.
    const std::pair<QWidget*, const char*> spoken[] = {
        {p.Name, "Name"},
        {p.Date, "Day of birth"},
        {p.Month, "Month of birth"},
        {p.Year, "Year of birth"},
        {p.Hour, "Hour of birth"},
        {p.Minute, "Minute of birth"},
        {p.City, "City"},
        {p.State, "State"},
        {p.Country, "Country"},
        {p.LatDeg, "Latitude degrees"},
        {p.LatMin, "Latitude minutes"},
        {p.LonDeg, "Longitude degrees"},
        {p.LonMin, "Longitude minutes"},
        {p.TimeZone, "Time Zone"},
    };
    for (const auto& [widget, name] : spoken) {
        widget->setAccessibleName(QString::fromLatin1(name));
        // On Linux a list is announced by its current entry: its description
        // says which list it is.
        if (qobject_cast<QComboBox*>(widget)) {
            widget->setAccessibleDescription(QString::fromLatin1(name));
        }
    }

    // Each person's North/South and East/West pairs are groups of their own;
    // the four buttons of each kind share one array across both people.
    const auto option = [&](const char* name, int element, const char* caption) {
        auto* button = new QRadioButton(QString::fromLatin1(caption), f);
        button->setObjectName(Indexed(name, element));
        return button;
    };
    p.North = option("optLat", 2 * i, "North");
    p.South = option("optLat", 2 * i + 1, "South");
    p.East = option("optLong", 2 * i, "East");
    p.West = option("optLong", 2 * i + 1, "West");
    p.North->setAccessibleDescription(QStringLiteral("Latitude"));
    p.South->setAccessibleDescription(QStringLiteral("Latitude"));
    p.East->setAccessibleDescription(QStringLiteral("Longitude"));
    p.West->setAccessibleDescription(QStringLiteral("Longitude"));
    auto* latitudeGroup = new QButtonGroup(f);
    latitudeGroup->addButton(p.North);
    latitudeGroup->addButton(p.South);
    auto* longitudeGroup = new QButtonGroup(f);
    longitudeGroup->addButton(p.East);
    longitudeGroup->addButton(p.West);

    p.Dst = new QCheckBox(QStringLiteral("Daylight Saving Time"), f);
    p.Dst->setObjectName(Indexed("chkDST", i));
    p.LookUp = new QPushButton(QStringLiteral("Click here to find Latitude && Longitude"), f);
    p.LookUp->setObjectName(i == 0 ? QStringLiteral("Command1") : QStringLiteral("Command3"));

    auto* form = new QFormLayout(f);
    form->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
    form->setHorizontalSpacing(12);
    form->setVerticalSpacing(8);
    form->setContentsMargins(14, 14, 14, 14);
    form->addRow(QStringLiteral("Name"), p.Name);
    form->addRow(QStringLiteral("Date of Birth"), Row({p.Date, p.Month, p.Year}, {}, f));
    form->addRow(QStringLiteral("Time of Birth"),
                 Row({p.Hour, p.Minute}, QStringLiteral("HH/MM"), f));
    AddPlaceFinder(i, *form);
    form->addRow(QStringLiteral("City"), p.City);
    form->addRow(QStringLiteral("State"), p.State);
    form->addRow(QStringLiteral("Country"), p.Country);
    form->addRow(
        QStringLiteral("Latitude"),
        Row({p.LatDeg, p.LatMin, new QLabel(QStringLiteral("DEG/MIN"), f), p.North, p.South}, {},
            f));
    form->addRow(
        QStringLiteral("Longitude"),
        Row({p.LonDeg, p.LonMin, new QLabel(QStringLiteral("DEG/MIN"), f), p.East, p.West}, {}, f));
    form->addRow(QStringLiteral("Time Zone"), p.TimeZone);
    form->addRow(QString(), p.PlaceZone);
    form->addRow(QString(), p.Dst);
    form->addRow(QString(), Row({p.LookUp}, {}, f));

    auto* command = new QPushButton(
        i == 0 ? QStringLiteral("&Next") : QStringLiteral("&Get Manglik Matching Reading"), f);
    command->setObjectName(i == 0 ? QStringLiteral("cmdNext") : QStringLiteral("cmdCalculate"));
    command->setDefault(false);
    if (i == 0) {
        form->addRow(QString(), Row({command}, {}, f));
    } else {
        // The way back to the first person's details without computing.
        auto* back = new QPushButton(QStringLiteral("&Back"), f);
        back->setObjectName(QStringLiteral("cmdPrevious"));
        back->setAccessibleDescription(QStringLiteral("Back to your personal details"));
        connect(back, &QPushButton::clicked, this, [this] { BringFrameToFront(FirstPerson); });
        form->addRow(QString(), Row({back, command}, {}, f));
    }
    // The Tab key follows the form from top to bottom.
    std::vector<QWidget*> order = {p.Name,   p.Date,  p.Month,    p.Year,    p.Hour,
                                   p.Minute, p.City,  p.State,    p.Country, p.LatDeg,
                                   p.LatMin, p.North, p.South,    p.LonDeg,  p.LonMin,
                                   p.East,   p.West,  p.TimeZone, p.Dst,     p.LookUp};
    if (auto* back = f->findChild<QPushButton*>(QStringLiteral("cmdPrevious"))) {
        order.push_back(back);
    }
    order.push_back(command);
    for (std::size_t k = 1; k < order.size(); ++k) {
        QWidget::setTabOrder(order[k - 1], order[k]);
    }
    // Enter presses the button that has the focus, as Space does.
    for (QPushButton* button : f->findChildren<QPushButton*>()) {
        button->setAutoDefault(true);
    }

    if (i == 0) {
        connect(command, &QPushButton::clicked, this, &InputForm::cmdNext_Click);
        connect(p.LookUp, &QPushButton::clicked, this, &InputForm::Command1_Click);
    } else {
        connect(command, &QPushButton::clicked, this, &InputForm::cmdCalculate_Click);
        connect(p.LookUp, &QPushButton::clicked, this, &InputForm::Command3_Click);
    }
    return p.Frame;
}

void InputForm::BuildMenus() {
    QMenuBar* bar = menuBar();
    const auto action = [](QMenu* menu, const char* name, const char* caption) {
        QAction* a = menu->addAction(QString::fromLatin1(caption));
        a->setObjectName(QString::fromLatin1(name));
        return a;
    };
    QMenu* file = bar->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    connect(action(file, "mnuCalculate", "Get My &Rasi Chart"), &QAction::triggered, this,
            &InputForm::mnuCalculate_Click);
    file->addSeparator();
    connect(action(file, "mnuExit", "&Exit"), &QAction::triggered, this, &InputForm::mnuExit_Click);

    app_.AddHelpMenus(bar, QStringLiteral("Donate"));
}

void InputForm::Form_Load() {
    const ReferenceTables& tables = LoadReferenceTables();
    for (PersonControls& p : people_) {
        for (int d = 1; d <= 31; ++d) {
            p.Date->addItem(QString::number(d));
        }
        for (int month = 1; month <= 12; ++month) {
            const std::string_view name = MonthName(month);
            p.Month->addItem(QString::fromLatin1(name.data(), qsizetype(name.size())));
        }
        for (int y = FirstYear; y <= LastYear; ++y) {
            p.Year->addItem(QString::number(y));
        }
        for (int h = 0; h <= 23; ++h) {
            p.Hour->addItem(QString::number(h));
        }
        for (int m = 0; m <= 59; ++m) {
            p.Minute->addItem(QString::number(m));
        }
        for (const ZoneRow& zone : tables.Zones) {
            p.TimeZone->addItem(QString::fromUtf8(zone.Label.data(), qsizetype(zone.Label.size())));
        }
        for (QComboBox* list : {p.Date, p.Month, p.Year, p.Hour, p.Minute, p.TimeZone}) {
            list->setCurrentIndex(0);
        }
        p.North->setChecked(true);
        p.East->setChecked(true);
    }
    BringFrameToFront(0);
}

void InputForm::BringFrameToFront(int index) {
    frames_->setCurrentIndex(index);
}

int InputForm::FrameInFront() const {
    return frames_->currentIndex();
}

PersonForm InputForm::ReadForm(int i) const {
    const PersonControls& p = people_[i];
    PersonForm f;
    f.Name = p.Name->text().toStdString();
    f.City = p.City->text().toStdString();
    f.State = p.State->text().toStdString();
    f.Country = p.Country->text().toStdString();
    f.LatitudeDegrees = p.LatDeg->text().toStdString();
    f.LatitudeMinutes = p.LatMin->text().toStdString();
    f.LongitudeDegrees = p.LonDeg->text().toStdString();
    f.LongitudeMinutes = p.LonMin->text().toStdString();
    f.DayIndex = p.Date->currentIndex();
    f.MonthIndex = p.Month->currentIndex();
    f.YearIndex = p.Year->currentIndex();
    f.HourIndex = p.Hour->currentIndex();
    f.MinuteIndex = p.Minute->currentIndex();
    f.ZoneRow = std::max(0, p.TimeZone->currentIndex());
    f.South = p.North->isChecked() || p.South->isChecked() ? std::optional(p.South->isChecked())
                                                           : std::nullopt;
    f.East = p.East->isChecked() || p.West->isChecked() ? std::optional(p.East->isChecked())
                                                        : std::nullopt;
    f.DaylightSaving = p.Dst->isChecked();
    return f;
}

void InputForm::WriteForm(int i, const PersonForm& f) {
    PersonControls& p = people_[i];
    // A person put back from a file forgets the place chosen before.
    chosen_[i] = ChosenPlace{};
    p.Place->clear();
    p.PlaceZone->clear();
    const auto text = [](QLineEdit* box, const std::string& value) {
        box->setText(QString::fromStdString(value));
    };
    text(p.Name, f.Name);
    text(p.City, f.City);
    text(p.State, f.State);
    text(p.Country, f.Country);
    text(p.LatDeg, f.LatitudeDegrees);
    text(p.LatMin, f.LatitudeMinutes);
    text(p.LonDeg, f.LongitudeDegrees);
    text(p.LonMin, f.LongitudeMinutes);
    p.Date->setCurrentIndex(f.DayIndex);
    p.Month->setCurrentIndex(f.MonthIndex);
    p.Year->setCurrentIndex(f.YearIndex);
    p.Hour->setCurrentIndex(f.HourIndex);
    p.Minute->setCurrentIndex(f.MinuteIndex);
    p.TimeZone->setCurrentIndex(f.ZoneRow);
    if (f.South) {
        (*f.South ? p.South : p.North)->setChecked(true);
    }
    if (f.East) {
        (*f.East ? p.East : p.West)->setChecked(true);
    }
    p.Dst->setChecked(f.DaylightSaving);
}

int InputForm::SelectedZoneRow(int index) const {
    return people_[index].TimeZone->currentIndex();
}

bool InputForm::ValidateInput(int i) {
    const std::string converter = app_.System().ProgramFolder() + "/" + ConverterFileName;
    const auto failure = tirovane::ValidateInput(ReadForm(i), app_.System().FileExists(converter));
    if (!failure) {
        return true;
    }
    app_.System().ShowMessage(std::string(failure->Message), MessageTitle,
                              failure->Icon == MessageIcon::Error ? MessageKind::Error
                                                                  : MessageKind::Information,
                              MessageButtons::Ok);
    PersonControls& p = people_[i];
    switch (failure->Field) {
    case InputField::Name:
        p.Name->setFocus();
        break;
    case InputField::LatitudeDegrees:
        p.LatDeg->setFocus();
        break;
    case InputField::LatitudeMinutes:
        p.LatMin->setFocus();
        break;
    case InputField::LongitudeDegrees:
        p.LonDeg->setFocus();
        break;
    case InputField::LongitudeMinutes:
        p.LonMin->setFocus();
        break;
    case InputField::City:
        p.City->setFocus();
        break;
    case InputField::State:
        p.State->setFocus();
        break;
    case InputField::Country:
        p.Country->setFocus();
        break;
    case InputField::LatitudeDirection:
        p.North->setChecked(true);
        break;
    case InputField::LongitudeDirection:
        p.East->setChecked(true);
        break;
    case InputField::Date:
    case InputField::ConverterLibrary:
        break;
    }
    return false;
}

void InputForm::ReportRefused(FilteredLineEdit& box) {
    const bool letters = box.FilterKind() == FilteredLineEdit::Kind::Letters;
    app_.System().ShowMessage(letters ? "Please enter only letters" : "Please enter only numbers",
                              MessageTitle, MessageKind::Error, MessageButtons::Ok);
    if (letters) {
        box.setFocus();
    }
}

void InputForm::ShowError(const char* message, QWidget* focus) {
    app_.System().ShowMessage(message, MessageTitle, MessageKind::Error, MessageButtons::Ok);
    focus->setFocus();
}

void InputForm::FindPlace(int i) {
    const PersonControls& p = people_[i];
    if (p.City->text().isEmpty()) {
        ShowError("Please Enter City", p.City);
        return;
    }
    if (p.State->text().isEmpty()) {
        ShowError("Please Enter State", p.State);
        return;
    }
    if (p.Country->text().isEmpty()) {
        ShowError("Please Enter Country", p.Country);
        return;
    }
    const QString phrase = p.City->text() + u' ' + p.State->text() + u' ' + p.Country->text() +
                           QStringLiteral(" Latitude Longitude");
    app_.System().SearchWeb(phrase.toStdString(), app_.Links().Addresses().HomePage);
}

void InputForm::cmdOpen_Click() {
    app_.OpenReading();
}

void InputForm::cmdNext_Click() {
    app_.CalculatePerson(FirstPerson);
}

void InputForm::cmdCalculate_Click() {
    app_.CalculatePerson(Partner);
}

void InputForm::mnuCalculate_Click() {
    cmdCalculate_Click();
}

void InputForm::mnuExit_Click() {
    close();
}

void InputForm::Command1_Click() {
    FindPlace(0);
}

void InputForm::Command3_Click() {
    FindPlace(1);
}

void InputForm::closeEvent(QCloseEvent* event) {
    event->accept();
    app_.ExitProgram();
}

void InputForm::AddPlaceFinder(int i, QFormLayout& form) {
    PersonControls& p = people_[i];
    p.Place = new PlaceFinder(*atlas_, p.Frame);
    p.Place->setObjectName(Indexed("txtBirthPlace", i));
    p.PlaceZone = NamedLabel(Indexed("lblPlaceZone", i), QString(), p.Frame);
    p.PlaceZone->setWordWrap(true);
    p.PlaceZone->setAccessibleName(QStringLiteral("Time zone used"));
    form.addRow(QStringLiteral("Birth place"), p.Place);
    if (auto* label = qobject_cast<QLabel*>(form.labelForField(p.Place))) {
        label->setBuddy(p.Place);
    }

    connect(p.Place, &PlaceFinder::placeChosen, this,
            [this, i](const atlas::Place& place) { PlaceChosen(i, place); });
    connect(p.Place, &PlaceFinder::atlasMissing, this, [this, i](const QString& reason) {
        people_[i].PlaceZone->setText(QStringLiteral("The list of places cannot be read: ") +
                                      reason);
    });
    // Date and time choose the offset; a zone or daylight saving set by the
    // user stays as set.
    for (QComboBox* list : {p.Date, p.Month, p.Year, p.Hour, p.Minute}) {
        connect(list, &QComboBox::currentIndexChanged, this, [this, i] { UpdatePlaceTime(i); });
    }
    connect(p.TimeZone, &QComboBox::activated, this, [this, i] { chosen_[i].ZoneByHand = true; });
    connect(p.Dst, &QCheckBox::clicked, this, [this, i] { chosen_[i].ZoneByHand = true; });
}

void InputForm::PlaceChosen(int i, const atlas::Place& place) {
    chosen_[i] = ChosenPlace{place, false};
    PersonControls& p = people_[i];
    const FormCoordinates c = CoordinatesForForm(place.Latitude, place.Longitude);
    p.City->setText(QString::fromStdString(place.Name));
    p.State->setText(QString::fromStdString(place.State.empty() ? place.Country : place.State));
    p.Country->setText(QString::fromStdString(place.Country));
    p.LatDeg->setText(QString::number(c.LatitudeDegrees));
    p.LatMin->setText(QString::number(c.LatitudeMinutes));
    (c.South ? p.South : p.North)->setChecked(true);
    p.LonDeg->setText(QString::number(c.LongitudeDegrees));
    p.LonMin->setText(QString::number(c.LongitudeMinutes));
    (c.East ? p.East : p.West)->setChecked(true);
    UpdatePlaceTime(i);
}

void InputForm::UpdatePlaceTime(int i) {
    ChosenPlace& chosen = chosen_[i];
    if (!chosen.Place || chosen.ZoneByHand) {
        return;
    }
    PersonControls& p = people_[i];
    BirthDetails details = ReadPerson(i);
    // A day the month lacks (31 April) is refused by the checks later; the
    // offset is taken for the month's last day meanwhile.
    static constexpr int MonthDays[12] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const int day = std::min(details.Day, MonthDays[details.Month - 1]);
    std::string error;
    const auto time = ResolvePlaceTime(*chosen.Place, details.Year, details.Month, day,
                                       details.Hour, details.Minute, &error);
    if (!time) {
        p.PlaceZone->setText(QString::fromStdString(error));
        return;
    }
    p.TimeZone->setCurrentIndex(time->Choice.Row);
    p.Dst->setChecked(time->Choice.DaylightSaving);
    QString line = QString::fromStdString(time->Summary);
    if (!time->Note.empty()) {
        line += QLatin1Char('\n') + QString::fromStdString(time->Note);
    }
    p.PlaceZone->setText(line);
}

} // namespace tirovane
