#include "ui/frame_window.h"

#include "ui/application.h"
#include "ui/result_form.h"
#include "ui/widgets.h"

#include <QAction>
#include <QCloseEvent>
#include <QEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QLayout>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QToolBar>
#include <QVBoxLayout>
#include <algorithm>
#include <tuple>

namespace tirovane {

namespace {

// Window geometry in the original layout is given in twips.
constexpr int TwipsPerPixel = 15;

int Pixels(int twips) {
    return qRound(twips / double(TwipsPerPixel));
}

QWidget* Named(QWidget* parent, const char* name) {
    return parent->findChild<QWidget*>(QString::fromLatin1(name), Qt::FindDirectChildrenOnly);
}

} // namespace

ButtonBand::ButtonBand(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Picture1"));
    setFixedHeight(58);
    setAutoFillBackground(true);
    const auto button = [this](const char* name, const char* caption) {
        auto* b = new QPushButton(this);
        captions_.Text(b, caption);
        b->setObjectName(QString::fromLatin1(name));
        b->setAutoDefault(true); // Enter presses the focused button
        b->setMinimumWidth(96);
        b->adjustSize();
        b->resize(std::max(96, b->sizeHint().width()), b->sizeHint().height());
        return b;
    };
    button("cmdSave", QT_TRANSLATE_NOOP("FrameWindow", "&Save"));
    button("cmdBack", QT_TRANSLATE_NOOP("FrameWindow", "&Back"));
    button("cmdExit", QT_TRANSLATE_NOOP("FrameWindow", "E&xit"));
    button("cmdSaveAsJPEG", QT_TRANSLATE_NOOP("FrameWindow", "Save As &JPEG"))->hide();
}

void ButtonBand::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        captions_.Apply();
        for (auto* b : findChildren<QPushButton*>(Qt::FindDirectChildrenOnly)) {
            b->resize(std::max(96, b->sizeHint().width()), b->sizeHint().height());
        }
        ArrangeButtons();
    }
    QWidget::changeEvent(event);
}

void ButtonBand::ArrangeButtons() {
    // In twips: cmdExit 300 from the right edge, the others 100 apart.
    QWidget* exit = Named(this, "cmdExit");
    QWidget* back = Named(this, "cmdBack");
    QWidget* save = Named(this, "cmdSave");
    const int w = width() * TwipsPerPixel;
    const int top = (height() - exit->height()) / 2;
    const int exitLeft = w - exit->width() * TwipsPerPixel - 300;
    const int backLeft = exitLeft - back->width() * TwipsPerPixel - 100;
    const int saveLeft = backLeft - save->width() * TwipsPerPixel - 100;
    exit->move(Pixels(exitLeft), top);
    back->move(Pixels(backLeft), top);
    save->move(Pixels(saveLeft), top);
    QWidget* jpeg = Named(this, "cmdSaveAsJPEG");
    jpeg->move(save->x() - jpeg->width() - 7, top);
    // The links on the left take the room the buttons leave, on as many
    // lines as they need.
    const int linksWidth = std::max(120, save->x() - 40);
    int y = 4;
    for (const char* name : {"Label1", "lblFullBrand"}) {
        if (auto* link = qobject_cast<QLabel*>(Named(this, name))) {
            // A text longer than the room breaks into lines of about equal
            // length rather than a full line and a stray word or two.
            const QMargins m = link->contentsMargins();
            const int oneLine = link->fontMetrics().horizontalAdvance(link->text()) + m.left() +
                                m.right() + 2 * link->margin() + 12;
            int w = std::min(linksWidth, oneLine);
            if (oneLine > linksWidth) {
                const int lines = (oneLine + linksWidth - 1) / linksWidth;
                w = std::min(linksWidth,
                             oneLine / lines + 8 * link->fontMetrics().averageCharWidth());
            }
            link->setGeometry(20, y, w, link->heightForWidth(w));
            y += link->height() + 2;
        }
    }
    // The band grows when the links need more lines than it has room for.
    if (y + 2 > height()) {
        setFixedHeight(y + 2);
    }
    if (QWidget* cobrand = Named(this, "lblCobrand")) {
        cobrand->setGeometry(Named(this, "lblFullBrand")->geometry());
    }
}

void ButtonBand::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    ArrangeButtons();
}

HeadingBand::HeadingBand(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("picTop"));
    setFixedHeight(54);
}

void HeadingBand::ArrangeLabels() {
    for (const char* name : {"lblHeading", "lblURL"}) {
        if (QWidget* label = Named(this, name)) {
            label->move((width() - label->width()) / 2, label->y());
        }
    }
}

void HeadingBand::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    ArrangeLabels();
}

FrameWindow::FrameWindow(TirovaneApp& app) : app_(app) {
    setObjectName(QStringLiteral("MDI"));
    setWindowTitle(QString::fromLatin1(ProgramCaption));
    setAttribute(Qt::WA_DeleteOnClose);

    BuildToolBar();
    BuildMenus();

    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    auto* heading = new HeadingBand(central);
    QLabel* title = NamedLabel(QStringLiteral("lblHeading"), QStringLiteral("Tirovane"), heading);
    title->setFont(WindowFont(16, true));
    title->setStyleSheet(QStringLiteral("color: rgb(170, 60, 20);"));
    title->adjustSize();
    title->move(0, 4);
    auto* url = new LinkLabel(QString(), heading);
    url->setObjectName(QStringLiteral("lblURL"));
    url->setWordWrap(false);
    captions_.Set(
        QT_TRANSLATE_NOOP("FrameWindow",
                          "Join the discussion of Vedic astrology on the Tirovane forum."),
        [url, heading](const QString& text) {
            url->setText(text);
            url->adjustSize();
            heading->ArrangeLabels();
        });
    url->move(0, title->y() + title->height() + 2);
    connect(url, &LinkLabel::clicked, this, [this] { app_.Links().OpenHomePage(); });
    layout->addWidget(heading);

    auto* band = new ButtonBand(central);
    auto* analyse = new LinkLabel(QString(), band);
    band->BandCaptions().Text(analyse, QT_TRANSLATE_NOOP("FrameWindow",
                                                         "Have this Rashi chart analysed on the "
                                                         "Tirovane web site."));
    analyse->setObjectName(QStringLiteral("Label1"));
    analyse->move(20, 6);
    auto* fullBrand = new LinkLabel(QString(), band);
    band->BandCaptions().Text(
        fullBrand, QT_TRANSLATE_NOOP("FrameWindow",
                                     "Home Business Opportunity. Start your own Internet business "
                                     "and make money online. Get this software fully branded for "
                                     "your website. Click here for more details."));
    fullBrand->setObjectName(QStringLiteral("lblFullBrand"));
    fullBrand->move(20, 26);
    auto* coBrand = new LinkLabel(QString(), band);
    band->BandCaptions().Text(coBrand, QT_TRANSLATE_NOOP("FrameWindow",
                                                         "Co-brand this software for your own web "
                                                         "site. Click here for more details."));
    coBrand->setObjectName(QStringLiteral("lblCobrand"));
    coBrand->move(20, 26);
    coBrand->hide(); // shares its place with lblFullBrand
    connect(analyse, &LinkLabel::clicked, this, [this] { app_.Links().OpenHomePage(); });
    connect(fullBrand, &LinkLabel::clicked, this, [this] { app_.Links().OpenResellerPage(); });
    connect(coBrand, &LinkLabel::clicked, this, [this] { app_.Links().OpenCoBrandPage(); });
    connect(band->findChild<QPushButton*>(QStringLiteral("cmdSave")), &QPushButton::clicked, this,
            &FrameWindow::cmdSave_Click);
    connect(band->findChild<QPushButton*>(QStringLiteral("cmdBack")), &QPushButton::clicked, this,
            &FrameWindow::cmdBack_Click);
    connect(band->findChild<QPushButton*>(QStringLiteral("cmdExit")), &QPushButton::clicked, this,
            &FrameWindow::cmdExit_Click);
    connect(band->findChild<QPushButton*>(QStringLiteral("cmdSaveAsJPEG")), &QPushButton::clicked,
            this, &FrameWindow::cmdSaveAsJPEG_Click);
    layout->addWidget(band);

    area_ = new QMdiArea(central);
    area_->setObjectName(QStringLiteral("MDIClient"));
    area_->setBackground(QColor(232, 226, 216));
    area_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    area_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    layout->addWidget(area_, 1);
    setCentralWidget(central);

    result_ = new ResultForm(app_);
    child_ = area_->addSubWindow(result_, Qt::FramelessWindowHint);
    child_->setObjectName(QStringLiteral("frmDisplayWindow"));
    FitResult();
}

QAction* FrameWindow::Entry(QMenu* menu, const char* name, const char* caption, bool shown) {
    QAction* action = captions_.Text(menu->addAction(QString()), caption);
    action->setObjectName(QString::fromLatin1(name));
    action->setVisible(shown);
    return action;
}

void FrameWindow::CheckOnly(const QList<QAction*>& group, QAction* chosen) {
    for (QAction* a : group) {
        a->setChecked(a == chosen);
    }
}

void FrameWindow::BuildMenus() {
    QMenuBar* bar = menuBar();
    QMenu* file =
        captions_.Title(bar->addMenu(QString()), QT_TRANSLATE_NOOP("FrameWindow", "&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    connect(Entry(file, "mnuNew", QT_TRANSLATE_NOOP("FrameWindow", "&New")), &QAction::triggered,
            this, &FrameWindow::mnuNew_Click);
    file->addSeparator();
    connect(Entry(file, "mnuSaveAsText", QT_TRANSLATE_NOOP("FrameWindow", "Save &As")),
            &QAction::triggered, this, &FrameWindow::mnuSaveAsText_Click);
    connect(Entry(file, "mnuSaveAsJpeg", QT_TRANSLATE_NOOP("FrameWindow", "Save As &JPEG")),
            &QAction::triggered, this, &FrameWindow::mnuSaveAsJpeg_Click);
    connect(Entry(file, "mnuExportReport",
                  QT_TRANSLATE_NOOP("FrameWindow", "Export &Report (PDF)\u2026")),
            &QAction::triggered, this, &FrameWindow::mnuExportReport_Click);
    file->addSeparator()->setVisible(false);
    QAction* exportEntry =
        Entry(file, "mnuExport", QT_TRANSLATE_NOOP("FrameWindow", "&Export Chart As Text"), false);
    exportEntry->setEnabled(false);
    connect(exportEntry, &QAction::triggered, this, &FrameWindow::mnuExport_Click);
    file->addSeparator();
    connect(Entry(file, "mnuPrint", QT_TRANSLATE_NOOP("FrameWindow", "&Print")),
            &QAction::triggered, this, &FrameWindow::mnuPrint_Click);
    file->addSeparator();
    connect(Entry(file, "mnuPeople", QT_TRANSLATE_NOOP("FrameWindow", "P&eople\u2026")),
            &QAction::triggered, this, [this] { app_.ShowPeople(); });
    connect(Entry(file, "mnuOpenPeopleLibrary",
                  QT_TRANSLATE_NOOP("FrameWindow", "Open People &Library\u2026")),
            &QAction::triggered, this, [this] { app_.OpenPeopleLibrary(); });
    file->addSeparator();
    connect(Entry(file, "mnuBack", QT_TRANSLATE_NOOP("FrameWindow", "&Back")), &QAction::triggered,
            this, &FrameWindow::mnuBack_Click);
    file->addSeparator();
    connect(Entry(file, "mnuExit", QT_TRANSLATE_NOOP("FrameWindow", "E&xit")), &QAction::triggered,
            this, &FrameWindow::mnuExit_Click);

    QMenu* view =
        captions_.Title(bar->addMenu(QString()), QT_TRANSLATE_NOOP("FrameWindow", "&View"));
    view->setObjectName(QStringLiteral("mnuView"));
    QAction* toolBar = Entry(view, "mnuToolBar", QT_TRANSLATE_NOOP("FrameWindow", "&Toolbar"));
    toolBar->setCheckable(true);
    toolBar->setChecked(true);
    connect(toolBar, &QAction::triggered, this, &FrameWindow::mnuToolBar_Click);
    QAction* statusBar =
        Entry(view, "mnuStatusBar", QT_TRANSLATE_NOOP("FrameWindow", "&Status Bar"), false);
    statusBar->setCheckable(true);
    statusBar->setChecked(true);
    connect(statusBar, &QAction::triggered, this, &FrameWindow::mnuStatusBar_Click);
    view->addSeparator();

    // Chart Style: the South Indian square (the default) or the North Indian
    // diamond, remembered between runs; "Natal Indian" stays out of sight.
    QMenu* style =
        captions_.Title(view->addMenu(QString()), QT_TRANSLATE_NOOP("FrameWindow", "&Chart Style"));
    style->setObjectName(QStringLiteral("mnuChartStyle"));
    for (const auto& [name, caption] :
         {std::pair{"mnuNorth", QT_TRANSLATE_NOOP("FrameWindow", "&North Indian")},
          std::pair{"mnuSouth", QT_TRANSLATE_NOOP("FrameWindow", "&South Indian")},
          std::pair{"mnuNatal", QT_TRANSLATE_NOOP("FrameWindow", "&Natal Indian")}}) {
        QAction* a = Entry(style, name, caption);
        a->setCheckable(true);
        chartStyles_ << a;
        connect(a, &QAction::triggered, this, [this, a] { CheckOnly(chartStyles_, a); });
    }
    chartStyles_[2]->setVisible(false);
    connect(chartStyles_[0], &QAction::triggered, this,
            [this] { app_.SetChartStyle(ChartStyle::North); });
    connect(chartStyles_[1], &QAction::triggered, this,
            [this] { app_.SetChartStyle(ChartStyle::South); });
    CheckOnly(chartStyles_, chartStyles_[app_.ChartStyleChoice() == ChartStyle::North ? 0 : 1]);

    // Matching: the 36 points, the ten poruthams or both (the default),
    // remembered between runs.
    QMenu* matching =
        captions_.Title(view->addMenu(QString()), QT_TRANSLATE_NOOP("FrameWindow", "&Matching"));
    matching->setObjectName(QStringLiteral("mnuMatching"));
    const std::pair<const char*, const char*> tables[] = {
        {"mnuMatchingPoints", QT_TRANSLATE_NOOP("FrameWindow", "&36 Points")},
        {"mnuMatchingPoruthams", QT_TRANSLATE_NOOP("FrameWindow", "&Ten Poruthams")},
        {"mnuMatchingBoth", QT_TRANSLATE_NOOP("FrameWindow", "&Both")}};
    constexpr MatchingTables choices[] = {MatchingTables::Points, MatchingTables::Poruthams,
                                          MatchingTables::Both};
    for (int k = 0; k < 3; ++k) {
        QAction* a = Entry(matching, tables[k].first, tables[k].second);
        a->setCheckable(true);
        matchingTables_ << a;
        connect(a, &QAction::triggered, this, [this, a, choice = choices[k]] {
            CheckOnly(matchingTables_, a);
            app_.SetMatchingTables(choice);
        });
    }
    CheckOnly(matchingTables_, matchingTables_[static_cast<int>(app_.MatchingChoice())]);

    QMenu* color =
        captions_.Title(view->addMenu(QString()), QT_TRANSLATE_NOOP("FrameWindow", "Colo&r Style"));
    color->setObjectName(QStringLiteral("mnuColor"));
    color->menuAction()->setVisible(false);
    QAction* colorOn = Entry(color, "mnuColorOn", QT_TRANSLATE_NOOP("FrameWindow", "O&n"));
    QAction* colorOff = Entry(color, "mnuColorOff", QT_TRANSLATE_NOOP("FrameWindow", "O&ff"));
    colorOn->setCheckable(true);
    colorOff->setCheckable(true);
    colorOff->setChecked(true);

    view->addSeparator()->setVisible(false);
    QAction* chart = Entry(view, "mnuChart", QT_TRANSLATE_NOOP("FrameWindow", "&Chart"), false);
    chart->setCheckable(true);
    chart->setChecked(true);
    chartKinds_ << chart;
    connect(chart, &QAction::triggered, this, &FrameWindow::mnuChart_Click);
    QMenu* divisional = captions_.Title(view->addMenu(QString()),
                                        QT_TRANSLATE_NOOP("FrameWindow", "&Divisional Charts"));
    divisional->setObjectName(QStringLiteral("mnuDivisionalCharts"));
    for (const auto& [name, caption] :
         {std::pair{"mnuSub_Hora", QT_TRANSLATE_NOOP("FrameWindow", "&Hora")},
          std::pair{"mnuSub_Drekkana", QT_TRANSLATE_NOOP("FrameWindow", "&Drekkana")},
          std::pair{"mnuSub_Sapthamsa", QT_TRANSLATE_NOOP("FrameWindow", "&Sapthamsa")},
          std::pair{"mnuSub_Navamsa", QT_TRANSLATE_NOOP("FrameWindow", "&Navamsa")},
          std::pair{"mnuSub_Dasamsa", QT_TRANSLATE_NOOP("FrameWindow", "&D&asamsa")},
          std::pair{"mnuSub_Dwadasamsa", QT_TRANSLATE_NOOP("FrameWindow", "D&wadasamsa")}}) {
        // Of the divisional charts only the Navamsa is offered.
        const bool navamsa = std::string_view(name) == "mnuSub_Navamsa";
        QAction* a = Entry(divisional, name, caption, navamsa);
        a->setCheckable(true);
        chartKinds_ << a;
        if (navamsa) {
            navamsa_ = a;
            connect(a, &QAction::triggered, this, [this](bool on) { app_.SetNavamsaShown(on); });
        } else {
            connect(a, &QAction::triggered, this, [this, a] { CheckOnly(chartKinds_, a); });
        }
    }

    view->addSeparator();
    QAction* precise =
        Entry(view, "mnuPrecisePositions",
              QT_TRANSLATE_NOOP("FrameWindow", "&Precise Positions (Swiss Ephemeris)"));
    precise->setCheckable(true);
    precise->setChecked(app_.PrecisePositions());
    connect(precise, &QAction::triggered, this, [this](bool on) { app_.SetPrecisePositions(on); });

    // View > Language: every shipped language in its own script.
    QMenu* language =
        captions_.Title(view->addMenu(QString()), QT_TRANSLATE_NOOP("FrameWindow", "&Language"));
    language->setObjectName(QStringLiteral("mnuLanguage"));
    app_.AddLanguageEntries(language);

    app_.AddHelpMenus(bar, captions_, QT_TRANSLATE_NOOP("Menus", "&Donate"));
}

void FrameWindow::BuildToolBar() {
    toolBar_ = addToolBar(QString());
    captions_.Set(QT_TRANSLATE_NOOP("FrameWindow", "Toolbar"),
                  [this](const QString& text) { toolBar_->setWindowTitle(text); });
    toolBar_->setObjectName(QStringLiteral("TB"));
    toolBar_->setMovable(false);
    toolBar_->setIconSize(QSize(24, 24));
    // The key names the button; its text and tip are the key's caption.
    for (const auto& [key, icon, caption] :
         {std::tuple{"New", ":/icons/new.svg", QT_TRANSLATE_NOOP("FrameWindow", "New")},
          std::tuple{"Save", ":/icons/save.svg", QT_TRANSLATE_NOOP("FrameWindow", "Save")},
          std::tuple{"Print", ":/icons/print.svg", QT_TRANSLATE_NOOP("FrameWindow", "Print")},
          std::tuple{"Help", ":/icons/help.svg", QT_TRANSLATE_NOOP("FrameWindow", "Help")}}) {
        QAction* button = toolBar_->addAction(QIcon(QString::fromLatin1(icon)), QString());
        const QString k = QString::fromLatin1(key);
        button->setObjectName(QStringLiteral("TB_") + k);
        button->setData(k);
        captions_.Set(caption, [button](const QString& text) {
            button->setText(text);
            button->setToolTip(text);
        });
        connect(button, &QAction::triggered, this, [this, k] { TB_ButtonClick(k); });
    }
}

void FrameWindow::TB_ButtonClick(const QString& key) {
    if (key == QLatin1String("New")) {
        mnuNew_Click();
    } else if (key == QLatin1String("Save")) {
        mnuSaveAsText_Click();
    } else if (key == QLatin1String("Print")) {
        mnuPrint_Click();
    } else if (key == QLatin1String("Help")) {
        app_.Links().OpenHelpPage();
    }
}

void FrameWindow::mnuNew_Click() {
    app_.New();
}
void FrameWindow::mnuSaveAsText_Click() {
    app_.SaveReading();
}
void FrameWindow::mnuSaveAsJpeg_Click() {
    app_.SaveAsJpeg();
}
void FrameWindow::mnuExportReport_Click() {
    app_.ExportReport();
}
void FrameWindow::mnuExport_Click() {
    app_.ExportChart();
}
void FrameWindow::mnuPrint_Click() {
    app_.Print();
}
void FrameWindow::mnuBack_Click() {
    app_.MenuBack();
}
void FrameWindow::mnuExit_Click() {
    cmdExit_Click();
}
void FrameWindow::cmdSave_Click() {
    mnuSaveAsText_Click();
}
void FrameWindow::cmdSaveAsJPEG_Click() {
    mnuSaveAsJpeg_Click();
}
void FrameWindow::cmdBack_Click() {
    app_.Back();
}
void FrameWindow::cmdExit_Click() {
    close();
}
void FrameWindow::mnuToolBar_Click() {
    auto* entry = findChild<QAction*>(QStringLiteral("mnuToolBar"));
    // The entry's check mark has already flipped: it shows the new state.
    toolBar_->setVisible(entry->isChecked());
}

void FrameWindow::mnuStatusBar_Click() {
    // The frame has no status bar: the entry only keeps its own check mark.
}

void FrameWindow::mnuChart_Click() {
    CheckOnly(chartKinds_, chartKinds_.front());
    app_.SetNavamsaShown(false);
    child_->show();
}

void FrameWindow::SetNavamsaChecked(bool on) {
    CheckOnly(chartKinds_, on ? navamsa_ : chartKinds_.front());
}

void FrameWindow::FitResult() {
    // The result form at the size its contents need: word-wrapped lines take
    // the height they need at that width, so nothing is cut off or drawn
    // over; the frame's area scrolls when the window is smaller.
    // Texts written since the last layout pass (on hidden pages too) count.
    LayOutAgain(result_);
    const QSize least = result_->minimumSizeHint();
    QSize size = result_->sizeHint().expandedTo(least);
    const QMargins margins = child_->contentsMargins();
    // No wider than the area shows beside its scroll bar, where the form can
    // be narrower: word-wrapped lines (long in some scripts) then wrap
    // sooner rather than the area scrolling sideways.
    const int room = area_->width() - 2 * area_->frameWidth() -
                     area_->style()->pixelMetric(QStyle::PM_ScrollBarExtent) - margins.left() -
                     margins.right();
    if (room > 0) {
        size.setWidth(std::max(least.width(), std::min(size.width(), room)));
    }
    if (result_->hasHeightForWidth()) {
        size.setHeight(std::max(size.height(), result_->heightForWidth(size.width())));
    }
    child_->resize(size.grownBy(margins));
    KeepInArea();
    ApplyLayouts(result_);
}

void FrameWindow::KeepInArea() {
    // A form grown wider (the Dasha tab made) or centred on a screen wider
    // than the area stays within the area where it can: moved left rather
    // than reaching past its right edge, never left of its left edge.
    const int areaWidth = area_->viewport()->width();
    int x = child_->x();
    if (x + child_->width() > areaWidth) {
        x = areaWidth - child_->width();
    }
    x = std::max(0, x);
    if (x != child_->x()) {
        child_->move(x, child_->y());
    }
}

void FrameWindow::MDIForm_Activate() {
    // The result form at the size of its contents, at the top, centred by
    // the screen's width.
    FitResult();
    const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    const int screenWidth = screen ? screen->geometry().width() : width();
    child_->move((screenWidth - child_->width()) / 2, 0);
    KeepInArea();
}

bool FrameWindow::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate) {
        MDIForm_Activate();
    }
    return QMainWindow::event(event);
}

void FrameWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        captions_.Apply();
    }
    QMainWindow::changeEvent(event);
}

void FrameWindow::CloseQuietly() {
    quiet_ = true;
    close();
}

void FrameWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    if (!quiet_) {
        app_.ExitProgram();
    }
}

} // namespace tirovane
