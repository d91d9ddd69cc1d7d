#include "ui/result_form.h"

#include "kundli/dasha.h"
#include "output/qt_words.h"
#include "platform/platform.h"
#include "reading/birth_instant.h"
#include "texts/chart_texts.h"
#include "texts/cross_check_texts.h"
#include "texts/kundli_texts.h"
#include "texts/match_texts.h"
#include "texts/result_lines.h"
#include "texts/result_texts.h"
#include "ui/application.h"
#include "ui/dasha_page.h"
#include "ui/frame_window.h"
#include "ui/match_table.h"
#include "ui/north_chart.h"
#include "ui/porutham_table.h"
#include "ui/rashi_chart.h"
#include "ui/widgets.h"

#include <QAbstractTextDocumentLayout>
#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStackedWidget>
#include <QTabBar>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <QVBoxLayout>

namespace tirovane {

namespace {

QString Qt8(const std::string& text) {
    return QString::fromStdString(text);
}

QGroupBox* Group(const QString& name, QWidget* parent) {
    auto* group = new QGroupBox(parent);
    group->setObjectName(name);
    return group;
}

QLabel* ResultLabel(const QString& name, QWidget* parent) {
    QLabel* label = NamedLabel(name, QStringLiteral("-"), parent);
    label->setStyleSheet(QStringLiteral("color: rgb(255, 128, 0); font-weight: bold;"));
    label->setWordWrap(true);
    return label;
}

} // namespace

ResultForm::ResultForm(TirovaneApp& app, QWidget* parent) : QWidget(parent), app_(app) {
    setObjectName(QStringLiteral("frmDisplay"));
    setWindowTitle(QString::fromLatin1(ProgramCaption));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 6, 8, 8);
    layout->setSpacing(0);
    engine_ = NamedLabel(QStringLiteral("lblEngine"), QString(), this);
    engine_->setWordWrap(true);
    engine_->hide();
    layout->addWidget(engine_);
    tabs_ = new QTabBar(this);
    tabs_->setObjectName(QStringLiteral("TS"));
    const std::array<std::pair<const char*, const char*>, 4> tabs = {
        std::pair{"Result", QT_TRANSLATE_NOOP("Result", "Your Details")},
        std::pair{"Result", QT_TRANSLATE_NOOP("Result", "Your Partner's Details")},
        std::pair{"Result", QT_TRANSLATE_NOOP("Result", "Manglik Matching")},
        std::pair{"Kundli", texts::DashaHeading}};
    for (int k = 0; k < 4; ++k) {
        tabs_->addTab(QString());
        const auto& [context, caption] = tabs[static_cast<std::size_t>(k)];
        captions_.SetIn(context, caption,
                        [this, k](const QString& text) { tabs_->setTabText(k, text); });
    }
    tabs_->setExpanding(false);
    layout->addWidget(tabs_);

    pages_ = new QStackedWidget(this);
    pages_->setObjectName(QStringLiteral("fraFrames"));
    pages_->setFrameShape(QFrame::StyledPanel);
    pages_->addWidget(BuildPersonPage(0));
    pages_->addWidget(BuildPersonPage(1));
    pages_->addWidget(BuildMatchPage());
    // The Dasha page is made when its tab first comes to the front.
    pages_->addWidget(new QWidget(this));
    layout->addWidget(pages_);
    connect(tabs_, &QTabBar::currentChanged, this, &ResultForm::TS_Click);
}

QWidget* ResultForm::BuildPersonPage(int person) {
    PersonPage& page = people_[person];
    const QString suffix = person == 0 ? QStringLiteral("_Male") : QStringLiteral("_Female");
    auto* frame = new QWidget(this);
    frame->setObjectName(QStringLiteral("fraFrame_%1").arg(person));
    auto* grid = new QGridLayout(frame);
    grid->setContentsMargins(10, 8, 10, 8);
    grid->setHorizontalSpacing(12);
    grid->setVerticalSpacing(8);

    QGroupBox* details = captions_.Title(Group(QStringLiteral("Frame2_%1").arg(person), frame),
                                         QT_TRANSLATE_NOOP("Result", "Personal Details"));
    auto* detailsLayout = new QVBoxLayout(details);
    detailsLayout->setSpacing(4);
    const char* const detailNames[] = {"lblName",      "lblDOB",  "lblTOB",   "lblLatitude",
                                       "lblLongitude", "lblCity", "lblState", "lblCountry"};
    for (int k = 0; k < 8; ++k) {
        page.Details[k] = NamedLabel(QLatin1String(detailNames[k]) + suffix, QString(), details);
        captions_.AccessibleDescription(page.Details[k],
                                        QT_TRANSLATE_NOOP("Result", "Personal Details"));
        detailsLayout->addWidget(page.Details[k]);
    }
    detailsLayout->addStretch(1);

    QGroupBox* planets = captions_.Title(Group(QStringLiteral("fraWestern_%1").arg(person), frame),
                                         QT_TRANSLATE_NOOP("Result", "Vedic Planetary Position"));
    auto* planetGrid = new QGridLayout(planets);
    planetGrid->setVerticalSpacing(4);
    planetGrid->setHorizontalSpacing(14);
    for (int b = 0; b < 7; ++b) {
        const int nameIndex = person == 0 ? b : 31 - b;
        planetGrid->addWidget(
            captions_.Text(
                NamedLabel(QStringLiteral("PlanetName_%1").arg(nameIndex), QString(), planets),
                texts::PlanetCaptions[b]),
            b, 0);
        page.Planets[b] =
            NamedLabel(QStringLiteral("Planet%1_%2").arg(suffix).arg(b), QString(), planets);
        captions_.AccessibleDescription(page.Planets[b], texts::PlanetCaptions[b]);
        planetGrid->addWidget(page.Planets[b], b, 1);
    }
    planetGrid->setRowStretch(7, 1);

    QGroupBox* vedic = captions_.Title(Group(QStringLiteral("fraVedic_%1").arg(person), frame),
                                       QT_TRANSLATE_NOOP("Result", "Other Vedic Details"));
    auto* vedicGrid = new QGridLayout(vedic);
    vedicGrid->setVerticalSpacing(4);
    vedicGrid->setHorizontalSpacing(14);
    const char* const vedicNames[] = {"lblAyanamsha", "lblLagna", "lblNakshatra",
                                      "lblPada",      "lblLord",  "lblRashi"};
    for (int k = 0; k < 7; ++k) {
        vedicGrid->addWidget(captions_.Text(new QLabel(vedic), texts::VedicCaptions[k]), k, 0);
        QLabel* value = k < 6 ? NamedLabel(QLatin1String(vedicNames[k]) + suffix, QString(), vedic)
                              : NamedLabel(QStringLiteral("lblLagnaPosition_%1").arg(person),
                                           QStringLiteral(" "), vedic);
        captions_.AccessibleDescription(value, texts::VedicCaptions[k]);
        if (k < 6) {
            page.Vedic[k] = value;
        }
        vedicGrid->addWidget(value, k, 1);
    }
    vedicGrid->setRowStretch(7, 1);

    page.Chart = new RashiChartWidget(person, frame);
    page.NorthChart = new NorthChartWidget(person, frame);
    page.NorthChart->hide();
    // Under the chart: which chart it shows, the Rashi or the Navamsa.
    auto* division = new QWidget(frame);
    division->setObjectName(QStringLiteral("fraDivision_%1").arg(person));
    auto* divisionLayout = new QHBoxLayout(division);
    divisionLayout->setContentsMargins(0, 0, 0, 0);
    page.ShowRashi = new QRadioButton(division);
    page.ShowRashi->setObjectName(QStringLiteral("optRashi_%1").arg(person));
    captions_.SetIn("Kundli", texts::RashiCaption,
                    [button = page.ShowRashi](const QString& text) { button->setText(text); });
    page.ShowNavamsa = new QRadioButton(division);
    page.ShowNavamsa->setObjectName(QStringLiteral("optNavamsa_%1").arg(person));
    captions_.SetIn("Kundli", texts::NavamsaCaption,
                    [button = page.ShowNavamsa](const QString& text) { button->setText(text); });
    page.ShowRashi->setChecked(true);
    auto* divisionGroup = new QButtonGroup(division);
    divisionGroup->addButton(page.ShowRashi);
    divisionGroup->addButton(page.ShowNavamsa);
    divisionLayout->addWidget(page.ShowRashi);
    divisionLayout->addWidget(page.ShowNavamsa);
    divisionLayout->addStretch(1);
    connect(page.ShowNavamsa, &QRadioButton::toggled, this, [this](bool on) {
        if (on != navamsa_) {
            app_.SetNavamsaShown(on);
        }
    });

    // The interpretation and the effects take turns in one place.
    page.Interpretation = captions_.Title(Group(QStringLiteral("Frame1_%1").arg(person), frame),
                                          QT_TRANSLATE_NOOP("Result", "Manglik Interpretation"));
    auto* interpretationLayout = new QVBoxLayout(page.Interpretation);
    interpretationLayout->setSpacing(8);
    auto* resultGroups = new QHBoxLayout;
    resultGroups->setSpacing(12);
    interpretationLayout->addLayout(resultGroups);
    const int lagnaFrame = person == 0 ? 3 : 4;
    const int rashiFrame = person == 0 ? 2 : 5;
    const auto resultGroup = [&](int frameIndex, const char* caption, int first) {
        QGroupBox* group = captions_.Title(
            Group(QStringLiteral("Frame1_%1").arg(frameIndex), page.Interpretation), caption);
        auto* groupLayout = new QVBoxLayout(group);
        groupLayout->setSpacing(3);
        for (int k = first; k < first + 3; ++k) {
            page.Results[k] =
                ResultLabel(QStringLiteral("lblResult%1_%2").arg(suffix).arg(k), group);
            captions_.AccessibleDescription(page.Results[k], caption);
            groupLayout->addWidget(page.Results[k]);
            if (k == first + 1) {
                const int which = first == 0 ? 0 : 1;
                QLabel* why = NamedLabel(
                    QStringLiteral("lblCancelledBy%1_%2").arg(suffix).arg(which), QString(), group);
                why->setWordWrap(true);
                captions_.AccessibleDescription(why, caption);
                why->hide();
                page.Cancellations[which] = why;
                groupLayout->addWidget(why);
            }
        }
        groupLayout->addStretch(1);
        resultGroups->addWidget(group, 1);
    };
    resultGroup(lagnaFrame, QT_TRANSLATE_NOOP("Result", "Ascendant (Lagna)"), 0);
    resultGroup(rashiFrame, QT_TRANSLATE_NOOP("Result", "Moon Sign (Rashi)"), 3);
    page.CrossCheck =
        NamedLabel(QStringLiteral("lblCrossCheck%1").arg(suffix), QString(), page.Interpretation);
    page.CrossCheck->setWordWrap(true);
    captions_.AccessibleName(page.CrossCheck,
                             QT_TRANSLATE_NOOP("Result", "Precise ephemeris notice"));
    page.CrossCheck->hide();
    interpretationLayout->addWidget(page.CrossCheck);
    page.PreciseChart = new QPushButton(page.Interpretation);
    page.PreciseChart->setObjectName(QStringLiteral("cmdPreciseChart%1").arg(suffix));
    captions_.Text(page.PreciseChart, QT_TRANSLATE_NOOP("Result", "View Precise Chart"));
    captions_.AccessibleName(page.PreciseChart, QT_TRANSLATE_NOOP("Result", "View Precise Chart"));
    page.PreciseChart->hide();
    connect(page.PreciseChart, &QPushButton::clicked, this,
            [this, person] { app_.ShowPreciseChart(person); });
    interpretationLayout->addWidget(page.PreciseChart, 0, Qt::AlignLeft);
    page.Results[6] =
        NamedLabel(QStringLiteral("lblResult%1_6").arg(suffix), QString(), page.Interpretation);
    captions_.Text(page.Results[6], texts::ConsultationAdvice);
    page.Results[6]->setWordWrap(true);
    interpretationLayout->addWidget(page.Results[6]);
    auto* home = new LinkLabel(QString(), page.Interpretation);
    captions_.Text(home, texts::HomePageInvitation);
    home->setObjectName(QStringLiteral("lblHomePage_%1").arg(person));
    connect(home, &LinkLabel::clicked, this, &ResultForm::lblHomePage_Click);
    interpretationLayout->addWidget(home);
    interpretationLayout->addStretch(1);

    page.Effects = captions_.Title(
        Group(person == 0 ? QStringLiteral("Frame4") : QStringLiteral("Frame3"), frame),
        QT_TRANSLATE_NOOP("Result", "Effects && Remedies"));
    auto* effectsLayout = new QVBoxLayout(page.Effects);
    page.EffectsText = new QTextEdit(page.Effects);
    page.EffectsText->setObjectName(person == 0 ? QStringLiteral("RichTextBox2")
                                                : QStringLiteral("RichTextBox1"));
    page.EffectsText->setReadOnly(true);
    page.EffectsText->setTextInteractionFlags(Qt::TextSelectableByMouse |
                                              Qt::TextSelectableByKeyboard);
    effectsLayout->addWidget(page.EffectsText);
    page.Effects->hide();

    auto* buttons = new QWidget(frame);
    auto* buttonLayout = new QHBoxLayout(buttons);
    buttonLayout->setContentsMargins(0, 0, 0, 0);
    auto* showInterpretation = new QPushButton(buttons);
    auto* showEffects = new QPushButton(buttons);
    captions_.Text(showInterpretation, QT_TRANSLATE_NOOP("Result", "Manglik Interpretation"));
    captions_.Text(showEffects, QT_TRANSLATE_NOOP("Result", "Effects && Remedies"));
    showInterpretation->setObjectName(person == 0 ? QStringLiteral("Command3")
                                                  : QStringLiteral("Command1"));
    showEffects->setObjectName(person == 0 ? QStringLiteral("Command4")
                                           : QStringLiteral("Command2"));
    showInterpretation->setAutoDefault(true); // Enter presses the focused button
    showEffects->setAutoDefault(true);
    buttonLayout->addWidget(showInterpretation);
    buttonLayout->addWidget(showEffects);
    buttonLayout->addStretch(1);
    if (person == 0) {
        connect(showInterpretation, &QPushButton::clicked, this, &ResultForm::Command3_Click);
        connect(showEffects, &QPushButton::clicked, this, &ResultForm::Command4_Click);
    } else {
        connect(showInterpretation, &QPushButton::clicked, this, &ResultForm::Command1_Click);
        connect(showEffects, &QPushButton::clicked, this, &ResultForm::Command2_Click);
    }

    // The chart keeps its full size on the left with the panel buttons under
    // it; the details, positions and Vedic values stand side by side on the
    // right above the interpretation, so that a page needs little height.
    auto* left = new QVBoxLayout;
    left->setSpacing(8);
    left->addWidget(page.Chart, 0, Qt::AlignLeft | Qt::AlignTop);
    left->addWidget(page.NorthChart, 0, Qt::AlignLeft | Qt::AlignTop);
    left->addWidget(division);
    left->addWidget(buttons);
    left->addStretch(1);
    auto* top = new QHBoxLayout;
    top->setSpacing(12);
    top->addWidget(details, 1);
    top->addWidget(planets, 0);
    top->addWidget(vedic, 0);
    auto* right = new QVBoxLayout;
    right->setSpacing(8);
    right->addLayout(top);
    right->addWidget(page.Interpretation, 1);
    right->addWidget(page.Effects, 1);
    grid->addLayout(left, 0, 0);
    grid->addLayout(right, 0, 1);
    grid->setColumnStretch(1, 1);
    return frame;
}

QWidget* ResultForm::BuildMatchPage() {
    auto* frame = new QWidget(this);
    frame->setObjectName(QStringLiteral("fraFrame_2"));
    auto* layout = new QVBoxLayout(frame);
    layout->setContentsMargins(24, 14, 24, 14);
    layout->setSpacing(8);
    // The two interpretations side by side, the matching tables below them.
    auto* interpretations = new QHBoxLayout;
    interpretations->setSpacing(16);
    layout->addLayout(interpretations);
    const char* const captions[] = {QT_TRANSLATE_NOOP("Result", "Lagna Manglik Interpretation"),
                                    QT_TRANSLATE_NOOP("Result", "Chandra Manglik Interpretation")};
    for (int g = 0; g < 2; ++g) {
        QGroupBox* group =
            captions_.Title(Group(QStringLiteral("fraMatch_%1").arg(g), frame), captions[g]);
        auto* groupLayout = new QVBoxLayout(group);
        groupLayout->setSpacing(6);
        for (int k = 3 * g; k < 3 * g + 3; ++k) {
            interpretation_[k] = ResultLabel(QStringLiteral("lblInterpretation_%1").arg(k), group);
            captions_.AccessibleDescription(interpretation_[k], captions[g]);
            groupLayout->addWidget(interpretation_[k]);
        }
        groupLayout->addStretch(1);
        interpretations->addWidget(group, 1);
    }
    // The 36 points and the ten poruthams side by side, the sides below.
    auto* tables = new QHBoxLayout;
    tables->setSpacing(16);
    matchTable_ = new MatchTable(frame);
    tables->addWidget(matchTable_, 0, Qt::AlignTop);
    poruthamTable_ = new PoruthamTable(frame);
    tables->addWidget(poruthamTable_, 1);
    layout->addLayout(tables);
    sides_ = NamedLabel(QStringLiteral("lblMatchRoles"), QString(), frame);
    sides_->setWordWrap(true);
    captions_.Set(nullptr, [this](const QString&) {
        sides_->setText(Qt8(texts::SidesText(groom_, CurrentWords())));
    });
    layout->addWidget(sides_);
    auto* home = new LinkLabel(QString(), frame);
    captions_.Text(home, texts::HomePageInvitation);
    home->setObjectName(QStringLiteral("lblHomePage_2"));
    connect(home, &LinkLabel::clicked, this, &ResultForm::lblHomePage_Click);
    layout->addWidget(home);
    layout->addStretch(1);
    return frame;
}

void ResultForm::Form_Load(const Reading& reading) {
    tabs_->setCurrentIndex(0);
    pages_->setCurrentIndex(0);
    for (int person = 0; person < 2; ++person) {
        WritePersonalDetails(person, reading.People[person]);
    }
}

void ResultForm::WritePersonalDetails(int person, const BirthDetails& details) {
    const texts::PersonalDetailTexts t = texts::PersonalDetails(details, CurrentWords());
    const std::array<const std::string*, 8> texts = {&t.Name,     &t.Birthdate, &t.BirthTime,
                                                     &t.Latitude, &t.Longitude, &t.City,
                                                     &t.State,    &t.Country};
    for (int k = 0; k < 8; ++k) {
        people_[person].Details[k]->setText(Qt8(*texts[k]));
    }
    people_[person].Birth = details;
}

void ResultForm::WriteChart(int person, const PersonChart& chart) {
    PersonPage& page = people_[person];
    const texts::ChartValueTexts values = texts::ChartValuesOf(chart, CurrentWords());
    for (int b = 0; b < 7; ++b) {
        page.Planets[b]->setText(Qt8(values.Positions[b]));
    }
    for (int k = 0; k < 6; ++k) {
        page.Vedic[k]->setText(Qt8(values.Vedic[k]));
    }
    const ChartCellTexts cells = texts::ChartCellsOf(chart, CurrentWords());
    page.Chart->SetCells(cells);
    page.NorthChart->SetChart(cells, chart.AscendantSignIndex);
    page.Computed = chart;
    if (navamsa_) {
        WriteNavamsa(person);
    }
    dashaWritten_ = false;
    WriteDasha();
}

void ResultForm::WriteNavamsa(int person) {
    PersonPage& page = people_[static_cast<std::size_t>(person)];
    if (!page.NavamsaChart) {
        auto* frame = page.Chart->parentWidget();
        page.NavamsaChart = new RashiChartWidget(person, frame, true);
        page.NavamsaNorth = new NorthChartWidget(person, frame, true);
        page.NavamsaChart->hide();
        page.NavamsaNorth->hide();
        // In the column under the Rashi charts, in their place.
        auto* column = static_cast<QBoxLayout*>(frame->layout()->itemAt(0)->layout());
        const int at = column->indexOf(page.NorthChart) + 1;
        column->insertWidget(at, page.NavamsaNorth, 0, Qt::AlignLeft | Qt::AlignTop);
        column->insertWidget(at, page.NavamsaChart, 0, Qt::AlignLeft | Qt::AlignTop);
        captions_.SetIn("Kundli", texts::NavamsaCaption, [&page](const QString& text) {
            page.NavamsaChart->setAccessibleName(text);
            page.NavamsaNorth->setAccessibleName(text);
        });
    }
    if (!page.Computed) {
        return;
    }
    const ChartCellTexts cells = texts::NavamsaCellsOf(*page.Computed, CurrentWords());
    page.NavamsaChart->SetCells(cells);
    page.NavamsaNorth->SetChart(
        cells, kundli::NavamsaSign(page.Computed->Sidereal.Longitudes[engine::Ascendant]));
}

void ResultForm::SetChartStyle(ChartStyle style) {
    style_ = style;
    ShowCharts();
}

void ResultForm::ShowNavamsa(bool on) {
    navamsa_ = on;
    if (on) {
        for (int person = 0; person < 2; ++person) {
            WriteNavamsa(person);
        }
    }
    for (PersonPage& page : people_) {
        (on ? page.ShowNavamsa : page.ShowRashi)->setChecked(true);
    }
    ShowCharts();
}

void ResultForm::ShowCharts() {
    const bool south = style_ == ChartStyle::South;
    for (PersonPage& page : people_) {
        page.Chart->setVisible(south && !navamsa_);
        page.NorthChart->setVisible(!south && !navamsa_);
        if (page.NavamsaChart) {
            page.NavamsaChart->setVisible(south && navamsa_);
            page.NavamsaNorth->setVisible(!south && navamsa_);
        }
    }
}

void ResultForm::WriteDasha() {
    if (dashaWritten_ || pages_->currentIndex() != DashaTab) {
        return;
    }
    if (!dasha_) {
        QWidget* placeholder = pages_->widget(DashaTab);
        dasha_ = new DashaPage(this);
        pages_->insertWidget(DashaTab, dasha_);
        pages_->setCurrentIndex(DashaTab);
        pages_->removeWidget(placeholder);
        placeholder->deleteLater();
    }
    std::array<std::optional<DashaPage::Person>, 2> people;
    for (std::size_t p = 0; p < people.size(); ++p) {
        const PersonPage& page = people_[p];
        if (page.Computed && page.Birth) {
            people[p] = DashaPage::Person{page.Birth->Name,
                                          kundli::KundliOf(page.Computed->Sidereal.Longitudes,
                                                           ComputeBirthInstant(*page.Birth))};
        }
    }
    dasha_->SetPeople(people, app_.TodayJulianDay());
    dashaWritten_ = true;
    // The tables ask for room of their own: the window is fitted to it.
    if (FrameWindow* frame = app_.ExistingFrame()) {
        frame->FitResult();
    }
}

void ResultForm::WriteManglikLines(int person, const texts::ResultLines& lines) {
    const auto& own = person == 0 ? lines.Male : lines.Female;
    for (int k = 0; k < 6; ++k) {
        SetWrappedText(people_[person].Results[k], Qt8(own[k]));
    }
    // The greeting lines of this person, then both match lines.
    for (const int k : {person, person + 3, 2, 5}) {
        SetWrappedText(interpretation_[k], Qt8(lines.Interpretation[k]));
    }
}

void ResultForm::WriteCancellations(int person, const std::string& lagna,
                                    const std::string& rashi) {
    const std::array<const std::string*, 2> texts = {&lagna, &rashi};
    for (int k = 0; k < 2; ++k) {
        QLabel* label = people_[person].Cancellations[k];
        SetWrappedText(label, Qt8(*texts[k]));
        label->setVisible(!texts[k]->empty());
    }
}

void ResultForm::ResetManglikLines() {
    for (PersonPage& page : people_) {
        for (QLabel* label : page.Cancellations) {
            label->clear();
            label->hide();
        }
        for (int k = 0; k < 6; ++k) {
            page.Results[k]->setText(QStringLiteral("-"));
        }
    }
    for (QLabel* label : interpretation_) {
        label->setText(QStringLiteral("-"));
    }
    matchTable_->Clear();
    poruthamTable_->Clear();
    for (int person = 0; person < 2; ++person) {
        WriteCrossCheck(person, std::nullopt);
    }
}

void ResultForm::WriteCrossCheck(int person, const std::optional<PersonCrossCheck>& check) {
    PersonPage& page = people_[static_cast<std::size_t>(person)];
    const bool differs = check && !check->Check.Agrees;
    page.CrossCheck->setText(differs ? Qt8(texts::CrossCheckNotice(check->Check, CurrentWords()))
                                     : QString());
    page.CrossCheck->setVisible(differs);
    page.PreciseChart->setVisible(differs && check->PreciseChart.has_value());
}

void ResultForm::ShowEngine(const PersonChart& chart) {
    if (chart.Engine != ChartEngineChoice::Precise) {
        engine_->clear();
        engine_->hide();
        return;
    }
    engine_->setText(Qt8(texts::EngineNotice(chart, CurrentWords())));
    engine_->show();
}

void ResultForm::WriteMatch(const std::optional<SidedMatch>& match) {
    groom_ = match ? match->Groom : FirstPerson;
    sides_->setText(Qt8(texts::SidesText(groom_, CurrentWords())));
    if (match) {
        matchTable_->SetMatch(texts::MatchTableTextsOf(*match, CurrentWords()));
        poruthamTable_->SetPoruthams(texts::PoruthamTableTextsOf(match->Poruthams, CurrentWords()));
    } else {
        matchTable_->Clear();
        poruthamTable_->Clear();
    }
}

void ResultForm::SetMatchingTables(MatchingTables tables) {
    matchTable_->setVisible(tables != MatchingTables::Poruthams);
    poruthamTable_->setVisible(tables != MatchingTables::Points);
}

int ResultForm::PageInFront() const {
    return pages_->currentIndex();
}

void ResultForm::TS_Click() {
    const int tab = tabs_->currentIndex();
    if (tab == 0) {
        pages_->setCurrentIndex(0);
    } else if (tab == 1) {
        pages_->setCurrentIndex(1);
    } else {
        pages_->setCurrentIndex(tab);
    }
    WriteDasha();
    // The page in front is laid out for the texts it holds now.
    LayOutAgain(pages_->currentWidget());
}

void ResultForm::ShowInterpretation(int person) {
    people_[person].Effects->hide();
    people_[person].Interpretation->show();
}

void ResultForm::ShowEffects(int person) {
    PersonPage& page = people_[person];
    page.Interpretation->hide();
    page.Effects->show();
    // Every press inserts the whole text again at the insertion point.
    ++page.EffectsCopies;
    QTextCursor cursor = page.EffectsText->textCursor();
    const int start = cursor.position();
    InsertEffects(cursor);
    page.EffectsText->setTextCursor(cursor);
    // The insertion point stays after the text, but the view shows the
    // copy just inserted from its first heading.
    QTextDocument* document = page.EffectsText->document();
    const QRectF block = document->documentLayout()->blockBoundingRect(document->findBlock(start));
    page.EffectsText->verticalScrollBar()->setValue(
        qRound(block.top() - document->documentMargin()));
}

void ResultForm::InsertEffects(QTextCursor& cursor) {
    for (const texts::TextBlock& block : texts::EffectsAndRemedies(CurrentWords())) {
        QTextCharFormat format;
        format.setFontWeight(block.Bold ? QFont::Bold : QFont::Normal);
        QString text = Qt8(block.Text);
        text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        cursor.insertText(text, format);
    }
}

void ResultForm::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        captions_.Apply();
        // The copies of the effects text a person asked for, in the new
        // language; the result's own texts are written again by the
        // program from the reading's numbers.
        for (PersonPage& page : people_) {
            if (page.EffectsCopies > 0) {
                page.EffectsText->clear();
                QTextCursor cursor = page.EffectsText->textCursor();
                for (int copy = 0; copy < page.EffectsCopies; ++copy) {
                    InsertEffects(cursor);
                }
            }
        }
        app_.WriteResultTexts();
    }
    QWidget::changeEvent(event);
}

void ResultForm::Command3_Click() {
    ShowInterpretation(0);
}
void ResultForm::Command4_Click() {
    ShowEffects(0);
}
void ResultForm::Command1_Click() {
    ShowInterpretation(1);
}
void ResultForm::Command2_Click() {
    ShowEffects(1);
}

void ResultForm::lblHomePage_Click() {
    app_.Links().OpenHomePage();
}

} // namespace tirovane
