#include "ui/input_form.h"

#include "output/qt_words.h"
#include "places/place_resolution.h"
#include "reading/reference_tables.h"
#include "texts/names.h"
#include "texts/place_texts.h"
#include "texts/result_texts.h"
#include "texts/validation_texts.h"
#include "ui/application.h"
#include "ui/place_finder.h"
#include "ui/widgets.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
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
    // Both people's lists take the width of their longest entry, whichever
    // frame is shown first.
    auto* list = new FittedList(parent);
    list->setObjectName(Indexed(name, index));
    return list;
}

// A row of widgets side by side.
QWidget* Row(std::initializer_list<QWidget*> widgets, QWidget* parent = nullptr) {
    auto* row = new QWidget(parent);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(6);
    for (QWidget* w : widgets) {
        layout->addWidget(w);
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

    auto* intro = new QLabel(central);
    captions_.Text(intro, QT_TRANSLATE_NOOP("InputForm",
                                            "Tirovane shows the Manglik compatibility between two "
                                            "people. It is believed that if both the partners are "
                                            "Manglik, the match is more suitable than when one of "
                                            "the partners is not. "));
    intro->setObjectName(QStringLiteral("lblIntroduction"));
    intro->setWordWrap(true);
    layout->addWidget(intro);

    auto* open = new QPushButton(central);
    captions_.Text(open, QT_TRANSLATE_NOOP("InputForm", "&Open Previously Saved Reading"));
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
    auto* home = new LinkLabel(QString(), links);
    captions_.Text(home, QT_TRANSLATE_NOOP("InputForm", "Visit the Tirovane home page for "
                                                        "detailed advice and consultation."));
    home->setObjectName(QStringLiteral("lblHomePage"));
    auto* reseller = new LinkLabel(QString(), links);
    captions_.Text(reseller, QT_TRANSLATE_NOOP("InputForm", "Get this software fully branded for "
                                                            "your website. Click here for more "
                                                            "details."));
    reseller->setObjectName(QStringLiteral("lblFullBrand"));
    auto* cobrand = new LinkLabel(QString(), links);
    captions_.Text(cobrand, QT_TRANSLATE_NOOP("InputForm", "Co-brand this software for your own "
                                                           "web site. Click here for more "
                                                           "details."));
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
    p.Frame = new QGroupBox;
    captions_.Title(p.Frame,
                    i == 0 ? QT_TRANSLATE_NOOP("InputForm", "Your Personal Details")
                           : QT_TRANSLATE_NOOP("InputForm", "Your Partner's Personal Details"));
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
    p.Sex = List("cboSex", i, f);
    p.Date = List("cboDate", i, f);
    p.Month = List("cboMonth", i, f);
    p.Year = List("cboYear", i, f);
    p.Hour = List("cboHour", i, f);
    p.Minute = List("cboMinute", i, f);
    p.City = text("txtCity", Kind::Place);
    p.State = text("txtState", Kind::Place);
    p.Country = text("txtCountry", Kind::Place);
    p.LatDeg = text("txtLatDeg", Kind::Digits);
    p.LatMin = text("txtLatMin", Kind::Digits);
    p.LonDeg = text("txtLonDeg", Kind::Digits);
    p.LonMin = text("txtLonMin", Kind::Digits);
    p.TimeZone = List("cboTimeZone", i, f);
    // What a screen reader says for each box; the lists and boxes that
    // share one row of the form get names of their own.
    const std::pair<QWidget*, const char*> spoken[] = {
        {p.Name, QT_TRANSLATE_NOOP("InputForm", "Name")},
        {p.Sex, QT_TRANSLATE_NOOP("InputForm", "Sex")},
        {p.Date, QT_TRANSLATE_NOOP("InputForm", "Day of birth")},
        {p.Month, QT_TRANSLATE_NOOP("InputForm", "Month of birth")},
        {p.Year, QT_TRANSLATE_NOOP("InputForm", "Year of birth")},
        {p.Hour, QT_TRANSLATE_NOOP("InputForm", "Hour of birth")},
        {p.Minute, QT_TRANSLATE_NOOP("InputForm", "Minute of birth")},
        {p.City, QT_TRANSLATE_NOOP("InputForm", "City")},
        {p.State, QT_TRANSLATE_NOOP("InputForm", "State")},
        {p.Country, QT_TRANSLATE_NOOP("InputForm", "Country")},
        {p.LatDeg, QT_TRANSLATE_NOOP("InputForm", "Latitude degrees")},
        {p.LatMin, QT_TRANSLATE_NOOP("InputForm", "Latitude minutes")},
        {p.LonDeg, QT_TRANSLATE_NOOP("InputForm", "Longitude degrees")},
        {p.LonMin, QT_TRANSLATE_NOOP("InputForm", "Longitude minutes")},
        {p.TimeZone, QT_TRANSLATE_NOOP("InputForm", "Time Zone")},
    };
    for (const auto& [widget, name] : spoken) {
        captions_.AccessibleName(widget, name);
        // On Linux a list is announced by its current entry: its description
        // says which list it is.
        if (qobject_cast<QComboBox*>(widget)) {
            captions_.AccessibleDescription(widget, name);
        }
    }

    // Each person's North/South and East/West pairs are groups of their own;
    // the four buttons of each kind share one array across both people.
    const auto option = [&](const char* name, int element, const char* caption,
                            const char* description) {
        auto* button = new QRadioButton(f);
        button->setObjectName(Indexed(name, element));
        captions_.Text(button, caption);
        captions_.AccessibleDescription(button, description);
        return button;
    };
    p.North = option("optLat", 2 * i, QT_TRANSLATE_NOOP("InputForm", "North"),
                     QT_TRANSLATE_NOOP("InputForm", "Latitude"));
    p.South = option("optLat", 2 * i + 1, QT_TRANSLATE_NOOP("InputForm", "South"),
                     QT_TRANSLATE_NOOP("InputForm", "Latitude"));
    p.East = option("optLong", 2 * i, QT_TRANSLATE_NOOP("InputForm", "East"),
                    QT_TRANSLATE_NOOP("InputForm", "Longitude"));
    p.West = option("optLong", 2 * i + 1, QT_TRANSLATE_NOOP("InputForm", "West"),
                    QT_TRANSLATE_NOOP("InputForm", "Longitude"));
    auto* latitudeGroup = new QButtonGroup(f);
    latitudeGroup->addButton(p.North);
    latitudeGroup->addButton(p.South);
    auto* longitudeGroup = new QButtonGroup(f);
    longitudeGroup->addButton(p.East);
    longitudeGroup->addButton(p.West);

    p.Dst = new QCheckBox(f);
    captions_.Text(p.Dst, QT_TRANSLATE_NOOP("InputForm", "Daylight Saving Time"));
    p.Dst->setObjectName(Indexed("chkDST", i));
    p.LookUp = new QPushButton(f);
    captions_.Text(p.LookUp,
                   QT_TRANSLATE_NOOP("InputForm", "Click here to find Latitude && Longitude"));
    p.LookUp->setObjectName(i == 0 ? QStringLiteral("Command1") : QStringLiteral("Command3"));

    auto* form = new QFormLayout(f);
    form->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
    form->setHorizontalSpacing(12);
    form->setVerticalSpacing(8);
    form->setContentsMargins(14, 14, 14, 14);
    // A caption of the form, the label of the field after it.
    const auto caption = [&](const char* source, QWidget* buddy = nullptr) {
        auto* label = new QLabel(f);
        captions_.Text(label, source);
        if (buddy != nullptr) {
            label->setBuddy(buddy);
        }
        return label;
    };
    // The sex shares the name's row; matching counts the male as the groom.
    QWidget* nameRow =
        Row({p.Name, caption(QT_TRANSLATE_NOOP("InputForm", "Sex"), p.Sex), p.Sex}, f);
    // The name takes the row's room, as the place boxes below do.
    auto* nameLayout = static_cast<QHBoxLayout*>(nameRow->layout());
    delete nameLayout->takeAt(nameLayout->count() - 1);
    nameLayout->setStretchFactor(p.Name, 1);
    nameLayout->insertSpacing(1, 12);
    form->addRow(caption(QT_TRANSLATE_NOOP("InputForm", "Name"), p.Name), nameRow);
    form->addRow(caption(QT_TRANSLATE_NOOP("InputForm", "Date of Birth"), p.Date),
                 Row({p.Date, p.Month, p.Year}, f));
    form->addRow(caption(QT_TRANSLATE_NOOP("InputForm", "Time of Birth"), p.Hour),
                 Row({p.Hour, p.Minute, caption(QT_TRANSLATE_NOOP("InputForm", "HH/MM"))}, f));
    AddPlaceFinder(i, *form);
    form->addRow(caption(QT_TRANSLATE_NOOP("InputForm", "City"), p.City), p.City);
    form->addRow(caption(QT_TRANSLATE_NOOP("InputForm", "State"), p.State), p.State);
    form->addRow(caption(QT_TRANSLATE_NOOP("InputForm", "Country"), p.Country), p.Country);
    form->addRow(caption(QT_TRANSLATE_NOOP("InputForm", "Latitude"), p.LatDeg),
                 Row({p.LatDeg, p.LatMin, caption(QT_TRANSLATE_NOOP("InputForm", "DEG/MIN")),
                      p.North, p.South},
                     f));
    form->addRow(caption(QT_TRANSLATE_NOOP("InputForm", "Longitude"), p.LonDeg),
                 Row({p.LonDeg, p.LonMin, caption(QT_TRANSLATE_NOOP("InputForm", "DEG/MIN")),
                      p.East, p.West},
                     f));
    form->addRow(caption(QT_TRANSLATE_NOOP("InputForm", "Time Zone"), p.TimeZone), p.TimeZone);
    form->addRow(QString(), p.PlaceZone);
    form->addRow(QString(), p.Dst);
    form->addRow(QString(), Row({p.LookUp}, f));

    auto* command = new QPushButton(f);
    captions_.Text(command, i == 0
                                ? QT_TRANSLATE_NOOP("InputForm", "&Next")
                                : QT_TRANSLATE_NOOP("InputForm", "&Get Manglik Matching Reading"));
    command->setObjectName(i == 0 ? QStringLiteral("cmdNext") : QStringLiteral("cmdCalculate"));
    command->setDefault(false);
    if (i == 0) {
        form->addRow(QString(), Row({command}, f));
    } else {
        // The way back to the first person's details without computing.
        auto* back = new QPushButton(f);
        captions_.Text(back, QT_TRANSLATE_NOOP("InputForm", "&Back"));
        back->setObjectName(QStringLiteral("cmdPrevious"));
        captions_.AccessibleDescription(
            back, QT_TRANSLATE_NOOP("InputForm", "Back to your personal details"));
        connect(back, &QPushButton::clicked, this, [this] { BringFrameToFront(FirstPerson); });
        form->addRow(QString(), Row({back, command}, f));
    }
    // The Tab key follows the form from top to bottom.
    std::vector<QWidget*> order = {p.Name,     p.Sex,   p.Date,   p.Month,   p.Year,   p.Hour,
                                   p.Minute,   p.City,  p.State,  p.Country, p.LatDeg, p.LatMin,
                                   p.North,    p.South, p.LonDeg, p.LonMin,  p.East,   p.West,
                                   p.TimeZone, p.Dst,   p.LookUp};
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
    const auto action = [this](QMenu* menu, const char* name, const char* caption) {
        QAction* a = menu->addAction(QString());
        a->setObjectName(QString::fromLatin1(name));
        captions_.Text(a, caption);
        return a;
    };
    QMenu* file = captions_.Title(bar->addMenu(QString()), QT_TRANSLATE_NOOP("InputForm", "&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    connect(action(file, "mnuCalculate", QT_TRANSLATE_NOOP("InputForm", "Get My &Rasi Chart")),
            &QAction::triggered, this, &InputForm::mnuCalculate_Click);
    file->addSeparator();
    connect(action(file, "mnuPeople", QT_TRANSLATE_NOOP("InputForm", "&People\u2026")),
            &QAction::triggered, this, [this] { app_.ShowPeople(); });
    connect(action(file, "mnuOpenPeopleLibrary",
                   QT_TRANSLATE_NOOP("InputForm", "Open People &Library\u2026")),
            &QAction::triggered, this, [this] { app_.OpenPeopleLibrary(); });
    file->addSeparator();
    connect(action(file, "mnuExit", QT_TRANSLATE_NOOP("InputForm", "&Exit")), &QAction::triggered,
            this, &InputForm::mnuExit_Click);

    // Language: English and every shipped language, each in its own script.
    QMenu* language =
        captions_.Title(bar->addMenu(QString()), QT_TRANSLATE_NOOP("InputForm", "&Language"));
    language->setObjectName(QStringLiteral("mnuLanguage"));
    app_.AddLanguageEntries(language);

    app_.AddHelpMenus(bar, captions_, QT_TRANSLATE_NOOP("Menus", "Donate"));
}

void InputForm::Form_Load() {
    const ReferenceTables& tables = LoadReferenceTables();
    for (PersonControls& p : people_) {
        for (int k = 0; k < 3; ++k) {
            p.Sex->addItem(QString());
        }
        for (int d = 1; d <= 31; ++d) {
            p.Date->addItem(QString::number(d));
        }
        for (int month = 1; month <= 12; ++month) {
            p.Month->addItem(QString());
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
        for (std::size_t row = 0; row < tables.Zones.size(); ++row) {
            p.TimeZone->addItem(QString());
        }
        for (QComboBox* list : {p.Sex, p.Date, p.Month, p.Year, p.Hour, p.Minute, p.TimeZone}) {
            list->setCurrentIndex(0);
        }
        p.North->setChecked(true);
        p.East->setChecked(true);
    }
    WriteListTexts();
    BringFrameToFront(0);
}

void InputForm::WriteListTexts() {
    const texts::Words& words = CurrentWords();
    const char* const sexes[] = {QT_TRANSLATE_NOOP("InputForm", "Not given"),
                                 QT_TRANSLATE_NOOP("InputForm", "Male"),
                                 QT_TRANSLATE_NOOP("InputForm", "Female")};
    for (PersonControls& p : people_) {
        for (int k = 0; k < 3; ++k) {
            p.Sex->setItemText(k, captions_.Tr(sexes[k]));
        }
        for (int month = 1; month <= 12; ++month) {
            p.Month->setItemText(month - 1, QString::fromStdString(texts::MonthName(month, words)));
        }
        for (int row = 0; row < p.TimeZone->count(); ++row) {
            p.TimeZone->setItemText(row, QString::fromStdString(texts::ZoneLabel(row, words)));
        }
    }
}

void InputForm::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        captions_.Apply();
        WriteListTexts();
        for (int i = 0; i < 2; ++i) {
            UpdatePlaceTime(i);
        }
    }
    QMainWindow::changeEvent(event);
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
    f.PersonSex = static_cast<Sex>(std::max(0, p.Sex->currentIndex()));
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
    p.Sex->setCurrentIndex(static_cast<int>(f.PersonSex));
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
    app_.System().ShowMessage(
        texts::ValidationMessage(failure->Problem, CurrentWords()), MessageTitle,
        failure->Icon == MessageIcon::Error ? MessageKind::Error : MessageKind::Information,
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
    const bool letters = box.FilterKind() != FilteredLineEdit::Kind::Digits;
    app_.System().ShowMessage(
        texts::ValidationMessage(letters ? InputProblem::NotLetters : InputProblem::NotDigits,
                                 CurrentWords()),
        MessageTitle, MessageKind::Error, MessageButtons::Ok);
    if (letters) {
        box.setFocus();
    }
}

void InputForm::ShowError(const char* message, QWidget* focus) {
    app_.System().ShowMessage(captions_.Tr(message).toStdString(), MessageTitle, MessageKind::Error,
                              MessageButtons::Ok);
    focus->setFocus();
}

void InputForm::FindPlace(int i) {
    const PersonControls& p = people_[i];
    if (p.City->text().isEmpty()) {
        ShowError(QT_TRANSLATE_NOOP("InputForm", "Please Enter City"), p.City);
        return;
    }
    if (p.State->text().isEmpty()) {
        ShowError(QT_TRANSLATE_NOOP("InputForm", "Please Enter State"), p.State);
        return;
    }
    if (p.Country->text().isEmpty()) {
        ShowError(QT_TRANSLATE_NOOP("InputForm", "Please Enter Country"), p.Country);
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
    captions_.AccessibleName(p.PlaceZone, QT_TRANSLATE_NOOP("InputForm", "Time zone used"));
    auto* placeCaption = new QLabel(p.Frame);
    captions_.Text(placeCaption, QT_TRANSLATE_NOOP("InputForm", "Birth place"));
    placeCaption->setBuddy(p.Place);
    form.addRow(placeCaption, p.Place);

    connect(p.Place, &PlaceFinder::placeChosen, this,
            [this, i](const atlas::Place& place) { PlaceChosen(i, place); });
    connect(p.Place, &PlaceFinder::atlasMissing, this, [this, i](const QString& reason) {
        people_[i].PlaceZone->setText(
            captions_.Tr(QT_TRANSLATE_NOOP("InputForm", "The list of places cannot be read: %1"))
                .arg(reason));
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
    QString line = QString::fromStdString(texts::PlaceTimeSummary(*time, CurrentWords()));
    if (const std::string note = texts::PlaceTimeNote(*time, CurrentWords()); !note.empty()) {
        line += QLatin1Char('\n') + QString::fromStdString(note);
    }
    p.PlaceZone->setText(line);
}

} // namespace tirovane
