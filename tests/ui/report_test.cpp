// The PDF report from the windows: File > Export Report (PDF) picked with
// the mouse, the file read back with poppler's tools (pdftotext, pdffonts,
// pdfinfo), so what the report holds is compared with what the result
// window itself shows, by a path that shares nothing with the report code.

#include "output/report_model.h"
#include "output/report_pdf.h"
#include "tests/ui/ui_fixture.h"
#include "texts/result_texts.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QToolBar>
#include <sys/stat.h>

namespace tirovane::test {
namespace {

// The standard output of one of poppler's tools; the test fails when the
// tool is missing or fails.
QString Poppler(const QString& tool, const QStringList& arguments) {
    QProcess process;
    process.start(tool, arguments);
    EXPECT_TRUE(process.waitForFinished(60000)) << tool.toStdString();
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(process.exitCode(), 0)
        << tool.toStdString() << ": " << process.readAllStandardError().toStdString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

QString PdfText(const QString& pdf) {
    return Poppler(QStringLiteral("pdftotext"),
                   {QStringLiteral("-enc"), QStringLiteral("UTF-8"), pdf, QStringLiteral("-")})
        .simplified();
}

// The fonts pdffonts lists, each with whether it is embedded.
std::vector<std::pair<QString, bool>> PdfFonts(const QString& pdf) {
    std::vector<std::pair<QString, bool>> fonts;
    const QStringList lines = Poppler(QStringLiteral("pdffonts"), {pdf}).split(QLatin1Char('\n'));
    // Two heading lines; then name, type, encoding, then "emb sub uni" and
    // the object number: the embedding column is the fifth from the end.
    for (qsizetype k = 2; k < lines.size(); ++k) {
        const QStringList columns = lines[k].split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (columns.size() >= 6) {
            fonts.emplace_back(columns.front(),
                               columns[columns.size() - 5] == QLatin1String("yes"));
        }
    }
    return fonts;
}

int PdfPages(const QString& pdf) {
    const QString info = Poppler(QStringLiteral("pdfinfo"), {pdf});
    const QRegularExpressionMatch pages =
        QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(info);
    return pages.hasMatch() ? pages.captured(1).toInt() : 0;
}

QString PdfPageSize(const QString& pdf) {
    const QString info = Poppler(QStringLiteral("pdfinfo"), {pdf});
    const QRegularExpressionMatch size =
        QRegularExpression(QStringLiteral("Page size:\\s+([^\\n]+)")).match(info);
    return size.captured(1).trimmed();
}

QString Qt8(const std::string& text) {
    return QString::fromStdString(text);
}

// The Mumbai birth with daylight saving, so that the report's "Daylight
// Saving: Yes" is checked too.
Person Mumbai() {
    Person p = MumbaiPerson();
    p.Dst = true;
    return p;
}

class ReportTest : public UiTest {
protected:
    // File > Export Report (PDF), picked with the mouse, answered with
    // `path` (nothing: cancelled).
    void ExportReport(std::optional<std::string> path) {
        platform.SavePaths.push_back(std::move(path));
        ClickMenuEntry(Frame(), FrameAction("mnuExportReport"));
    }

    // Every text a label shows on the result form's three pages (and the
    // engine above them), whitespace made single blanks.
    QStringList ShownLabelTexts() {
        QStringList texts;
        ResultForm& form = app->Result();
        auto* pages = form.findChild<QStackedWidget*>(QStringLiteral("fraFrames"));
        EXPECT_NE(pages, nullptr);
        QList<QPair<QWidget*, QList<QLabel*>>> groups;
        for (int k = 0; k < pages->count(); ++k) {
            groups.append({pages->widget(k), pages->widget(k)->findChildren<QLabel*>()});
        }
        groups.append({&form, {form.findChild<QLabel*>(QStringLiteral("lblEngine"))}});
        for (const auto& [page, labels] : groups) {
            for (QLabel* label : labels) {
                if (label == nullptr || !label->isVisibleTo(page)) {
                    continue;
                }
                const QString text = label->text().simplified();
                if (!text.isEmpty()) {
                    texts << text;
                }
            }
        }
        return texts;
    }

    QTemporaryDir dir;
};

// For readings that show cancellations, a cross-check notice, the precise
// engine and daylight saving, in either chart style: every label of the
// window is found in the report's text.
TEST_F(ReportTest, TheReportHoldsEveryTextTheResultWindowShows) {
    struct Case {
        const char* Name;
        Person First;
        Person Partner;
        bool Precise;
        ChartStyle Style;
        // A label that must be among those shown, so that the case covers
        // what it is meant to cover.
        const char* MustShow;
    };
    const Case cases[] = {
        {"worked example and Mumbai, south", Person{}, Mumbai(), false, ChartStyle::South,
         "lblCancelledBy_Male_0"},
        {"worked example and Mumbai, north", Person{}, Mumbai(), false, ChartStyle::North,
         "lblCancelledBy_Male_1"},
        {"engines disagree", EnginesDisagree(), Person{}, false, ChartStyle::South,
         "lblCrossCheck_Male"},
        {"precise engine", EnginesDisagree(), Mumbai(), true, ChartStyle::North, "lblEngine"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        platform.PrecisePositions = c.Precise;
        app = std::make_unique<TirovaneApp>(platform, addresses);
        app->Start();
        Reading(c.First, c.Partner);
        ASSERT_NE(app->ExistingFrame(), nullptr);
        // View > Chart Style, picked with the mouse.
        ClickMenuEntry(Frame(),
                       FrameAction(c.Style == ChartStyle::North ? "mnuNorth" : "mnuSouth"));
        ASSERT_EQ(app->State().ChartStyleChoice, c.Style);
        auto* mustShow = app->Result().findChild<QLabel*>(QString::fromLatin1(c.MustShow));
        ASSERT_NE(mustShow, nullptr);
        ASSERT_TRUE(mustShow->isVisibleTo(&app->Result()));
        // The Navamsa charts and the Dasha tab shown, so that their texts
        // are among those the report must hold.
        ClickMenuEntry(Frame(), FrameAction("mnuSub_Navamsa"));
        app->Result()
            .findChild<QTabBar*>(QStringLiteral("TS"))
            ->setCurrentIndex(ResultForm::DashaTab);
        ASSERT_NE(app->Result().findChild<QLabel*>(QStringLiteral("lblDashaBalance_0")), nullptr);

        const QString pdf = dir.filePath(QStringLiteral("report.pdf"));
        ExportReport(pdf.toStdString());
        ASSERT_TRUE(platform.Messages.empty()) << LastMessage();
        const QString text = PdfText(pdf);
        const QStringList labels = ShownLabelTexts();
        EXPECT_GT(labels.size(), 100);
        for (const QString& label : labels) {
            EXPECT_TRUE(text.contains(label)) << "missing: " << label.toStdString();
        }
        // The window's tab of effects and remedies, line by line, and the
        // time zone and daylight saving the calculation used.
        for (const texts::TextBlock& block : texts::EffectsAndRemedies()) {
            for (const QString& line : Qt8(block.Text).split(QStringLiteral("\r\n"))) {
                EXPECT_TRUE(text.contains(line.simplified())) << line.toStdString();
            }
        }
        EXPECT_TRUE(text.contains(QStringLiteral("Time Zone: Greenwich Mean Time,GMT,0.0")));
        EXPECT_EQ(text.contains(QStringLiteral("Daylight Saving: Yes")),
                  c.Partner.Dst || c.First.Dst);
    }
}

// The file itself: A4 pages, three to seven of them (the Navamsa charts and
// the dashas take one or two), the program and the date made at the foot of
// each, every font embedded, well under a megabyte.
TEST_F(ReportTest, AnA4FileWithEmbeddedFontsAndAFooterOnEveryPage) {
    Reading(Person{}, Mumbai());
    platform.Clock.Date = std::chrono::year_month_day{std::chrono::year(2027),
                                                      std::chrono::month(3), std::chrono::day(9)};
    platform.Clock.Hour = 7;
    platform.Clock.Minute = 5;
    const QString pdf = dir.filePath(QStringLiteral("report.pdf"));
    ExportReport(pdf.toStdString());
    ASSERT_TRUE(QFile::exists(pdf));
    EXPECT_LT(QFileInfo(pdf).size(), 1024 * 1024);
    EXPECT_TRUE(PdfPageSize(pdf).endsWith(QStringLiteral("(A4)")))
        << PdfPageSize(pdf).toStdString();
    const int pages = PdfPages(pdf);
    EXPECT_GE(pages, 3);
    EXPECT_LE(pages, 7);
    for (int page = 1; page <= pages; ++page) {
        const QString text =
            Poppler(QStringLiteral("pdftotext"),
                    {QStringLiteral("-f"), QString::number(page), QStringLiteral("-l"),
                     QString::number(page), pdf, QStringLiteral("-")})
                .simplified();
        EXPECT_TRUE(text.contains(QStringLiteral("Tirovane v1.15"))) << page;
        EXPECT_TRUE(text.contains(QStringLiteral("Made on March 9, 2027 at 07:05"))) << page;
    }
    const auto fonts = PdfFonts(pdf);
    ASSERT_FALSE(fonts.empty());
    for (const auto& [name, embedded] : fonts) {
        EXPECT_TRUE(embedded) << name.toStdString();
    }
    // Real text and lines: no picture at all (pdfimages lists its two
    // heading lines only).
    EXPECT_EQ(Poppler(QStringLiteral("pdfimages"), {QStringLiteral("-list"), pdf})
                  .trimmed()
                  .split(QLatin1Char('\n'))
                  .size(),
              2);
    // The bold blocks of the effects are set in a bold face.
    EXPECT_TRUE(std::any_of(fonts.begin(), fonts.end(),
                            [](const auto& font) { return font.first.contains("Bold"); }));
}

// The report draws the charts in the style chosen in View > Chart Style.
TEST_F(ReportTest, TheChartsFollowTheChosenStyle) {
    Reading(Person{}, Mumbai());
    const auto firstPage = [this](const char* entry, const QString& name) {
        ClickMenuEntry(Frame(), FrameAction(entry));
        const QString pdf = dir.filePath(name);
        ExportReport(pdf.toStdString());
        QProcess raster;
        raster.start(QStringLiteral("pdftoppm"),
                     {QStringLiteral("-f"), QStringLiteral("1"), QStringLiteral("-l"),
                      QStringLiteral("1"), QStringLiteral("-r"), QStringLiteral("30"),
                      QStringLiteral("-gray"), pdf});
        EXPECT_TRUE(raster.waitForFinished(60000));
        return raster.readAllStandardOutput();
    };
    const QByteArray north = firstPage("mnuNorth", QStringLiteral("north.pdf"));
    const QByteArray south = firstPage("mnuSouth", QStringLiteral("south.pdf"));
    EXPECT_FALSE(north.isEmpty());
    EXPECT_TRUE(north != south) << "the first page is the same in both styles";
    EXPECT_EQ(PdfText(dir.filePath(QStringLiteral("north.pdf"))).size(),
              PdfText(dir.filePath(QStringLiteral("south.pdf"))).size());
}

// The report carries the matching tables View > Matching shows, and the
// sentence on the sides under them.
TEST_F(ReportTest, TheMatchingTablesFollowTheChoice) {
    Reading(Person{}, Mumbai());
    const auto text = [this](const char* entry, const QString& name) {
        ClickMenuEntry(Frame(), FrameAction(entry));
        const QString pdf = dir.filePath(name);
        ExportReport(pdf.toStdString());
        return PdfText(pdf);
    };
    const QString both = text("mnuMatchingBoth", QStringLiteral("both.pdf"));
    EXPECT_TRUE(both.contains(QStringLiteral("36-Point Match")));
    EXPECT_TRUE(both.contains(QStringLiteral("Ten Poruthams")));
    EXPECT_TRUE(both.contains(QStringLiteral("Stree Deergha")));
    EXPECT_TRUE(both.contains(QStringLiteral("Points are counted with the first person")));
    const QString poruthams = text("mnuMatchingPoruthams", QStringLiteral("poruthams.pdf"));
    EXPECT_FALSE(poruthams.contains(QStringLiteral("36-Point Match")));
    EXPECT_FALSE(poruthams.contains(QStringLiteral("Graha Maitri")));
    EXPECT_TRUE(poruthams.contains(QStringLiteral("Rasi Adhipathi")));
    const QString points = text("mnuMatchingPoints", QStringLiteral("points.pdf"));
    EXPECT_TRUE(points.contains(QStringLiteral("Graha Maitri")));
    EXPECT_FALSE(points.contains(QStringLiteral("Ten Poruthams")));
}

// The entry stands in the File menu right after Save As JPEG, with R as its
// access key and its caption's ellipsis (U+2026) promising a dialog; a
// screen reader hears it without the ampersand.
TEST_F(ReportTest, TheFileMenuEntryFollowsSaveAsJpeg) {
    Reading(Person{}, Mumbai());
    QAction* entry = FrameAction("mnuExportReport");
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(entry->text(), QStringLiteral("Export &Report (PDF)\u2026"));
    EXPECT_TRUE(entry->isVisible());
    EXPECT_TRUE(entry->isEnabled());
    auto* file = Frame().findChild<QMenu*>(QStringLiteral("mnuFile"));
    ASSERT_NE(file, nullptr);
    const QList<QAction*> entries = file->actions();
    const qsizetype jpeg = entries.indexOf(FrameAction("mnuSaveAsJpeg"));
    ASSERT_GE(jpeg, 0);
    EXPECT_EQ(entries.indexOf(entry), jpeg + 1);
    // No other visible entry of the menu takes the same access key.
    for (QAction* other : entries) {
        if (other != entry && other->isVisible()) {
            EXPECT_FALSE(other->text().contains(QStringLiteral("&R"), Qt::CaseInsensitive))
                << other->text().toStdString();
        }
    }
}

// The dialog is asked for a PDF named after the last reading file; a
// cancelled dialog writes nothing.
TEST_F(ReportTest, TheSaveDialogProposesAPdfBesideTheLastFile) {
    Reading(Person{}, Mumbai());
    app->State().LastFilePath = "/home/asha/pair.tvr";
    ExportReport(std::nullopt);
    ASSERT_EQ(platform.SaveRequests.size(), 1u);
    const FileDialogRequest& request = platform.SaveRequests.back();
    EXPECT_EQ(request.Filter, "PDF Report (*.pdf)|*.pdf");
    EXPECT_EQ(request.DefaultExtension, "pdf");
    EXPECT_EQ(request.InitialName, "/home/asha/pair.pdf");
    EXPECT_TRUE(request.OverwritePrompt);
    EXPECT_TRUE(platform.Messages.empty());
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
    // The last file stays the reading's: saving it again proposes it.
    EXPECT_EQ(app->State().LastFilePath, "/home/asha/pair.tvr");
}

// File > Print and the toolbar's Print button show the report's pages in a
// preview, which prints those pages, text and lines rather than pictures.
TEST_F(ReportTest, PrintPreviewsTheReportPagesFromTheMenuAndTheToolbar) {
    Reading(Person{}, Mumbai());
    ClickMenuEntry(Frame(), FrameAction("mnuPrint"));
    EXPECT_EQ(platform.PreviewRequests, 1);
    EXPECT_TRUE(QDir(dir.path()).isEmpty()) << "a preview closed prints nothing";

    const QString printed = dir.filePath(QStringLiteral("printed.pdf"));
    platform.PreviewToPdf = printed.toStdString();
    auto* toolBar = Frame().findChild<QToolBar*>(QStringLiteral("TB"));
    ASSERT_NE(toolBar, nullptr);
    QTest::mouseClick(toolBar->widgetForAction(FrameAction("TB_Print")), Qt::LeftButton);
    EXPECT_EQ(platform.PreviewRequests, 2);
    EXPECT_TRUE(platform.Messages.empty()) << LastMessage();
    ASSERT_TRUE(QFile::exists(printed));

    const QString exported = dir.filePath(QStringLiteral("exported.pdf"));
    ExportReport(exported.toStdString());
    EXPECT_EQ(PdfPages(printed), PdfPages(exported));
    EXPECT_TRUE(PdfPageSize(printed).endsWith(QStringLiteral("(A4)")));
    const QString text = PdfText(printed);
    for (const char* expected : {"Name: Example", "Name: Second", "36-Point Match",
                                 "Remedies for Manglik", "Tirovane v1.15"}) {
        EXPECT_TRUE(text.contains(QLatin1String(expected))) << expected;
    }
    // No picture of a window: pdfimages lists its two heading lines only.
    EXPECT_EQ(Poppler(QStringLiteral("pdfimages"), {QStringLiteral("-list"), printed})
                  .trimmed()
                  .split(QLatin1Char('\n'))
                  .size(),
              2);
}

TEST(ReportDate, TheFooterSaysWhenTheReportWasMade) {
    using namespace std::chrono;
    struct Case {
        year_month_day Date;
        int Hour;
        int Minute;
        const char* Expected;
    };
    const Case cases[] = {
        {year(2026) / December / 8, 10, 30, "Made on December 8, 2026 at 10:30"},
        {year(2027) / January / 1, 0, 5, "Made on January 1, 2027 at 00:05"},
        {year(2028) / February / 29, 23, 59, "Made on February 29, 2028 at 23:59"},
    };
    for (const Case& c : cases) {
        LocalTime made;
        made.Date = c.Date;
        made.Hour = c.Hour;
        made.Minute = c.Minute;
        EXPECT_EQ(MadeOnText(made), c.Expected);
    }
}

// A report of a reading with the partner not yet computed shows dashes
// where the partner's values and the match go, as the window does, and no
// chart for the partner.
TEST_F(ReportTest, APartnerNotYetComputedShowsDashes) {
    Fill(0, Person{});
    Next();
    const ReportModel report = BuildReport(app->State(), ChartStyle::South, platform.Clock);
    EXPECT_TRUE(report.People[0].ChartCells.has_value());
    EXPECT_FALSE(report.People[1].ChartCells.has_value());
    for (const ReportRow& row : report.People[1].Positions) {
        EXPECT_EQ(row.Value, "-") << row.Caption;
    }
    ASSERT_EQ(report.Match.Rows.size(), 8u);
    EXPECT_EQ(report.Match.Rows[0][3], "-");
    EXPECT_EQ(report.Match.Rows[7][4], "8"); // Nadi's maximum
    EXPECT_EQ(report.Match.Total[3], "-");
    EXPECT_EQ(report.Match.Verdict, "-");
    // The pages are still made.
    const auto pdf = ReportPdfBytes(report);
    ASSERT_TRUE(pdf.has_value());
    EXPECT_EQ(pdf->rfind("%PDF-", 0), 0u);
}

TEST(ReportFileName, TheExtensionBecomesPdf) {
    const std::pair<const char*, const char*> cases[] = {
        {"", ""},
        {"/home/asha/pair.tvr", "/home/asha/pair.pdf"},
        {"pair", "pair.pdf"},
        {"/home/asha.d/pair", "/home/asha.d/pair.pdf"},
        {"/home/asha/.pair", "/home/asha/.pair.pdf"},
        {"a.b.tvr", "a.b.pdf"},
    };
    for (const auto& [path, expected] : cases) {
        EXPECT_EQ(WithPdfExtension(path), expected) << path;
    }
}

// A report that cannot be written is told, and leaves neither a part of
// itself nor a temporary file, and an existing file as it was.
TEST_F(ReportTest, AFailedWriteLeavesNothingAndIsTold) {
    Reading(Person{}, Mumbai());
    struct Case {
        const char* Name;
        QString Path;
        std::function<void()> Prepare;
    };
    const QString folder = dir.filePath(QStringLiteral("locked"));
    const QString kept = dir.filePath(QStringLiteral("kept.pdf"));
    const Case cases[] = {
        {"a folder that does not exist", dir.filePath(QStringLiteral("none/report.pdf")), [] {}},
        {"a folder that cannot be written", folder + QStringLiteral("/report.pdf"),
         [&] {
             QDir().mkdir(folder);
             ::chmod(folder.toLocal8Bit().constData(), 0500);
         }},
        {"a read-only file", kept,
         [&] {
             QFile file(kept);
             ASSERT_TRUE(file.open(QIODevice::WriteOnly));
             file.write("a user's own file");
             file.close();
             file.setPermissions(QFileDevice::ReadOwner);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        c.Prepare();
        if (::geteuid() == 0 && c.Path.startsWith(folder)) {
            // The superuser writes into any folder: nothing to refuse.
            continue;
        }
        platform.Messages.clear();
        const QStringList before =
            QDir(dir.path())
                .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot | QDir::System);
        ExportReport(c.Path.toStdString());
        ASSERT_EQ(platform.Messages.size(), 1u);
        const auto& message = platform.Messages.back();
        EXPECT_EQ(
            message.Text.rfind("The file " + c.Path.toStdString() + " could not be written: ", 0),
            0u)
            << message.Text;
        EXPECT_EQ(message.Kind, MessageKind::Error);
        EXPECT_EQ(
            QDir(dir.path())
                .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot | QDir::System),
            before);
        EXPECT_TRUE(QDir(folder).isEmpty());
    }
    QFile file(kept);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("a user's own file"));
    ::chmod(folder.toLocal8Bit().constData(), 0700);
}

} // namespace
} // namespace tirovane::test
