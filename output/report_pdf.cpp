#include "output/report_pdf.h"

#include "output/chart_drawing.h"
#include "output/dasha_drawing.h"
#include "output/text_fonts.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QTextLayout>
#include <algorithm>
#include <memory>

namespace tirovane {

namespace {

constexpr double MarginMm = 15;
constexpr double FooterMm = 9; // the band at the foot of the page
constexpr double ChartMm = 64; // the side of a chart on the first page
constexpr double ColumnGapMm = 5;
constexpr int Resolution = 300; // dots per inch of the PDF's own units

const QColor Ink(0, 0, 0);
const QColor HeadingInk(170, 60, 20);
const QColor ResultInk(190, 85, 0);
const QColor FooterInk(90, 90, 90);

constexpr double HeadingPoints = 12; // a person's heading on the first page

QString Qt8(const std::string& text) {
    return QString::fromStdString(text);
}

QFont ReportFont(double points, bool bold = false) {
    // The faces of the windows, a face for each Indian script among them.
    QFont font = TextFont();
    // No ligatures in Latin text (Indian scripts are shaped all the same,
    // as they must be to be read): "ff" stays two letters, so that the text is found by
    // searching and copied as it is written.
    font.setStyleStrategy(QFont::PreferNoShaping);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

QFont HeadingFont() {
    return ReportFont(HeadingPoints, true);
}

// Text laid out in lines of one width, measured for `device`.
class WrappedText {
public:
    WrappedText(const QString& text, const QFont& font, double width, QPaintDevice* device)
        : layout_(text, font, device) {
        QTextOption option;
        option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        layout_.setTextOption(option);
        layout_.beginLayout();
        double y = 0;
        for (QTextLine line = layout_.createLine(); line.isValid(); line = layout_.createLine()) {
            line.setLineWidth(std::max(1.0, width));
            line.setPosition(QPointF(0, y));
            y += line.height();
        }
        layout_.endLayout();
        height_ = y;
    }

    double Height() const { return height_; }
    int LineCount() const { return layout_.lineCount(); }
    QTextLine Line(int k) const { return layout_.lineAt(k); }

    void Draw(QPainter& painter, QPointF topLeft) const { layout_.draw(&painter, topLeft); }

private:
    QTextLayout layout_;
    double height_ = 0;
};

// Lays the report out page after page: a cursor moves down the page's text
// area and a new page begins where the next piece does not fit. Nothing is
// drawn outside the margins.
class Pager {
public:
    Pager(QPagedPaintDevice& device, QPainter& painter, const ReportModel& report)
        : device_(device), painter_(painter), report_(report) {
        const QRectF paint = device.pageLayout().paintRectPixels(device.logicalDpiX());
        page_ = QRectF(0, 0, paint.width(), paint.height());
        area_ = page_.adjusted(0, 0, 0, -Mm(FooterMm));
        y_ = area_.top();
    }

    double Mm(double mm) const { return mm * device_.logicalDpiX() / 25.4; }
    double Left() const { return area_.left(); }
    double Width() const { return area_.width(); }
    double AreaHeight() const { return area_.height(); }
    double Y() const { return y_; }
    void Down(double by) { y_ = std::min(y_ + by, area_.bottom()); }
    QPaintDevice* Device() { return &device_; }
    QPainter& Painter() { return painter_; }

    // A new page unless `height` fits below the cursor (or the cursor is
    // at the top already).
    void Room(double height) {
        if (y_ + height > area_.bottom() && y_ > area_.top()) {
            NewPage();
        }
    }

    void NewPage() {
        Footer();
        device_.newPage();
        ++pageNumber_;
        y_ = area_.top();
    }

    void Finish() { Footer(); }

    // Wrapped text across the width from `indent`, breaking onto a new
    // page between lines; `keep` keeps it on one page when it fits one.
    void Paragraph(const QString& text, const QFont& font, const QColor& ink, double indent = 0,
                   bool keep = true) {
        const WrappedText wrapped(text, font, Width() - indent, &device_);
        if (keep && wrapped.Height() <= area_.height()) {
            Room(wrapped.Height());
        }
        painter_.setPen(ink);
        for (int k = 0; k < wrapped.LineCount(); ++k) {
            const QTextLine line = wrapped.Line(k);
            Room(line.height());
            line.draw(&painter_, QPointF(Left() + indent, y_ - line.y()));
            y_ += line.height();
        }
    }

    void Heading(const QString& text, double points, double spaceBefore) {
        const WrappedText wrapped(text, ReportFont(points, true), Width(), &device_);
        // A heading never stands alone at the foot of a page.
        Room(Mm(spaceBefore) + wrapped.Height() + Mm(12));
        if (y_ > area_.top()) {
            Down(Mm(spaceBefore));
        }
        painter_.setPen(HeadingInk);
        wrapped.Draw(painter_, QPointF(Left(), y_));
        y_ += wrapped.Height() + Mm(1.2);
    }

private:
    void Footer() {
        painter_.save();
        const double top = page_.bottom() - Mm(FooterMm) + Mm(3);
        painter_.setPen(QPen(FooterInk, Mm(0.15)));
        painter_.drawLine(QPointF(page_.left(), top), QPointF(page_.right(), top));
        painter_.setFont(ReportFont(7.5));
        const QRectF band(page_.left(), top + Mm(1), page_.width(), page_.bottom() - top - Mm(1));
        painter_.drawText(band, Qt::AlignLeft | Qt::AlignVCenter, Qt8(report_.Program));
        painter_.drawText(band, Qt::AlignHCenter | Qt::AlignVCenter, Qt8(report_.MadeOn));
        painter_.drawText(band, Qt::AlignRight | Qt::AlignVCenter,
                          Qt8(report_.PagePattern).arg(pageNumber_));
        painter_.restore();
    }

    QPagedPaintDevice& device_;
    QPainter& painter_;
    const ReportModel& report_;
    QRectF page_;
    QRectF area_;
    double y_ = 0;
    int pageNumber_ = 1;
};

// A column of caption and value rows at a fixed place: returns its height.
// With `draw` false it only measures.
double Rows(Pager& pager, const std::vector<ReportRow>& rows, QPointF topLeft, double width,
            bool draw) {
    const QFont caption = ReportFont(8);
    const QFont value = ReportFont(8, true);
    double captionWidth = 0;
    const QFontMetricsF metrics(caption, pager.Device());
    for (const ReportRow& row : rows) {
        captionWidth = std::max(captionWidth, metrics.horizontalAdvance(Qt8(row.Caption)));
    }
    captionWidth = std::min(captionWidth + pager.Mm(2.5), width * 0.6);
    double y = topLeft.y();
    for (const ReportRow& row : rows) {
        const WrappedText left(Qt8(row.Caption), caption, captionWidth - pager.Mm(1.5),
                               pager.Device());
        const WrappedText right(Qt8(row.Value), value, width - captionWidth, pager.Device());
        if (draw) {
            pager.Painter().setPen(Ink);
            left.Draw(pager.Painter(), QPointF(topLeft.x(), y));
            right.Draw(pager.Painter(), QPointF(topLeft.x() + captionWidth, y));
        }
        y += std::max(left.Height(), right.Height()) + pager.Mm(0.4);
    }
    return y - topLeft.y();
}

// Lines of text, one under the other, at a fixed place; returns the height.
double Lines(Pager& pager, const std::vector<std::string>& lines, QPointF topLeft, double width,
             bool draw) {
    const QFont font = ReportFont(8);
    double y = topLeft.y();
    for (const std::string& line : lines) {
        const WrappedText text(Qt8(line), font, width, pager.Device());
        if (draw) {
            pager.Painter().setPen(Ink);
            text.Draw(pager.Painter(), QPointF(topLeft.x(), y));
        }
        y += text.Height() + pager.Mm(0.4);
    }
    return y - topLeft.y();
}

double Caption(Pager& pager, const QString& text, QPointF topLeft, double width, bool draw) {
    const WrappedText caption(text, ReportFont(8.5, true), width, pager.Device());
    if (draw) {
        pager.Painter().setPen(HeadingInk);
        caption.Draw(pager.Painter(), topLeft);
    }
    return caption.Height() + pager.Mm(0.8);
}

void Chart(Pager& pager, const ReportPerson& person, ChartStyle style, QPointF topLeft) {
    const QRectF square(topLeft, QSizeF(pager.Mm(ChartMm), pager.Mm(ChartMm)));
    if (person.ChartCells) {
        pager.Painter().save();
        DrawRashiChart(pager.Painter(), square, *person.ChartCells, person.AscendantSign, style);
        pager.Painter().restore();
    } else {
        pager.Painter().setPen(QPen(HeadingInk, pager.Mm(0.2)));
        pager.Painter().drawRect(square);
    }
}

// A person whose details do not fit one page beside the chart (names of
// thousands of letters): the chart, then everything else one piece under
// the other, running onto as many pages as it takes.
void FlowingPersonBlock(Pager& pager, const ReportModel& report, const ReportPerson& person,
                        ChartStyle style) {
    pager.Room(pager.Mm(ChartMm));
    Chart(pager, person, style, QPointF(pager.Left(), pager.Y()));
    pager.Down(pager.Mm(ChartMm + 3));
    const auto caption = [&](const std::string& text) {
        pager.Paragraph(Qt8(text), ReportFont(8.5, true), HeadingInk);
    };
    caption(report.DetailsHeading);
    for (const std::string& line : person.Details) {
        pager.Paragraph(Qt8(line), ReportFont(8), Ink, 0, false);
    }
    const auto rows = [&](const std::vector<ReportRow>& table) {
        for (const ReportRow& row : table) {
            pager.Paragraph(Qt8(row.Caption + "  " + row.Value), ReportFont(8), Ink, 0, false);
        }
    };
    caption(report.PositionsHeading);
    rows(person.Positions);
    caption(report.VedicHeading);
    rows(person.Vedic);
}

// One person's block of the first page: the chart on the left, the
// details beside it, the positions and the Vedic details on the right.
void PersonBlock(Pager& pager, const ReportModel& report, const ReportPerson& person,
                 ChartStyle style) {
    const double chart = pager.Mm(ChartMm);
    const double gap = pager.Mm(ColumnGapMm);
    const double textWidth = pager.Width() - chart - gap;
    const double detailsWidth = (textWidth - gap) * 0.52;
    const double tableWidth = textWidth - gap - detailsWidth;
    const double detailsLeft = pager.Left() + chart + gap;
    const double tableLeft = detailsLeft + detailsWidth + gap;

    const auto layOut = [&](double top, bool draw) {
        double details = Caption(pager, Qt8(report.DetailsHeading), QPointF(detailsLeft, top),
                                 detailsWidth, draw);
        details +=
            Lines(pager, person.Details, QPointF(detailsLeft, top + details), detailsWidth, draw);
        double table =
            Caption(pager, Qt8(report.PositionsHeading), QPointF(tableLeft, top), tableWidth, draw);
        table += Rows(pager, person.Positions, QPointF(tableLeft, top + table), tableWidth, draw);
        table += pager.Mm(1.5);
        table += Caption(pager, Qt8(report.VedicHeading), QPointF(tableLeft, top + table),
                         tableWidth, draw);
        table += Rows(pager, person.Vedic, QPointF(tableLeft, top + table), tableWidth, draw);
        return std::max({chart, details, table});
    };
    const double height = layOut(0, false);
    const double heading =
        pager.Mm(4) +
        WrappedText(Qt8(person.Heading), HeadingFont(), pager.Width(), pager.Device()).Height();
    if (heading + height > pager.AreaHeight()) {
        pager.Room(heading + chart);
        pager.Heading(Qt8(person.Heading), HeadingPoints, 4);
        FlowingPersonBlock(pager, report, person, style);
        return;
    }
    // The heading goes with its block onto the next page when both do not
    // fit here.
    pager.Room(heading + height + pager.Mm(2));
    pager.Heading(Qt8(person.Heading), HeadingPoints, 4);
    const double top = pager.Y();
    layOut(top, true);
    Chart(pager, person, style, QPointF(pager.Left(), top));
    pager.Down(height);
}

void Evaluation(Pager& pager, const ReportEvaluation& evaluation) {
    pager.Paragraph(Qt8(evaluation.Heading), ReportFont(9, true), HeadingInk, pager.Mm(3));
    const QFont line = ReportFont(9, true);
    for (std::size_t k = 0; k < evaluation.Lines.size(); ++k) {
        pager.Paragraph(Qt8(evaluation.Lines[k]), line, ResultInk, pager.Mm(6));
        // Which rules cancelled the dosha follows the cancellation line.
        if (k == 1 && !evaluation.CancelledBy.empty()) {
            pager.Paragraph(Qt8(evaluation.CancelledBy), ReportFont(8.5), Ink, pager.Mm(6));
        }
    }
    pager.Down(pager.Mm(1.5));
}

// The 36-point table: five columns, the total in bold, then the verdict
// and the doshas.
// One row of a table: each cell wrapped in its share of the width; the
// cells from `rightFrom` on stand right-aligned, as numbers do.
template <std::size_t N>
void TableRow(Pager& pager, const std::array<std::string, N>& cells,
              const std::array<double, N>& share, bool bold, std::size_t rightFrom = N) {
    std::vector<std::unique_ptr<WrappedText>> texts;
    double height = 0;
    for (std::size_t c = 0; c < cells.size(); ++c) {
        // A word wider than its cell (a long heading in some scripts) is
        // set smaller rather than broken in the middle.
        QFont font = ReportFont(8.5, bold);
        const QString text = Qt8(cells[c]);
        const double width = pager.Width() * share[c] - pager.Mm(2);
        const auto widest = [&] {
            double most = 0;
            for (const QString& word : text.split(u' ', Qt::SkipEmptyParts)) {
                // Measured as the cell lays it out.
                const WrappedText alone(word, font, 1e6, pager.Device());
                most = std::max(most, alone.Line(0).naturalTextWidth());
            }
            return most;
        };
        while (font.pointSizeF() > 6.0 && widest() > width) {
            font.setPointSizeF(font.pointSizeF() - 0.25);
        }
        texts.push_back(std::make_unique<WrappedText>(text, font, width, pager.Device()));
        height = std::max(height, texts.back()->Height());
    }
    pager.Room(height);
    double x = pager.Left();
    pager.Painter().setPen(Ink);
    for (std::size_t c = 0; c < cells.size(); ++c) {
        const double cellWidth = pager.Width() * share[c] - pager.Mm(2);
        double shift = 0;
        if (c >= rightFrom && texts[c]->LineCount() == 1) {
            shift = cellWidth - texts[c]->Line(0).naturalTextWidth();
        }
        texts[c]->Draw(pager.Painter(), QPointF(x + shift, pager.Y()));
        x += pager.Width() * share[c];
    }
    pager.Down(height + pager.Mm(0.6));
}

// A thin rule across the page, under a table's headings or above its total.
void TableRule(Pager& pager) {
    pager.Painter().setPen(QPen(FooterInk, pager.Mm(0.15)));
    pager.Painter().drawLine(QPointF(pager.Left(), pager.Y()),
                             QPointF(pager.Left() + pager.Width(), pager.Y()));
    pager.Down(pager.Mm(0.8));
}

// The ten poruthams: name, grade and reason, then the count, the score,
// the verdict and the doshas.
void PoruthamTable(Pager& pager, const ReportPoruthamTable& table) {
    pager.Heading(Qt8(table.Title), 11, 3);
    const std::array<double, 3> share = {0.22, 0.16, 0.62};
    TableRow(pager, table.Headings, share, true);
    TableRule(pager);
    for (const auto& cells : table.Rows) {
        TableRow(pager, cells, share, false);
    }
    pager.Down(pager.Mm(1.5));
    pager.Paragraph(Qt8(table.Verdict), ReportFont(9.5, true), Ink);
    pager.Paragraph(Qt8(table.Count), ReportFont(9), Ink);
    pager.Paragraph(Qt8(table.Score), ReportFont(9), Ink);
    pager.Paragraph(Qt8(table.Doshas), ReportFont(9), Ink);
}

void MatchTable(Pager& pager, const ReportMatchTable& table) {
    pager.Heading(Qt8(table.Title), 11, 3);
    const std::array<double, 5> share = {0.22, 0.27, 0.27, 0.12, 0.12};
    const auto row = [&](const std::array<std::string, 5>& cells, bool bold) {
        TableRow(pager, cells, share, bold, 3);
    };
    row(table.Headings, true);
    TableRule(pager);
    for (const auto& cells : table.Rows) {
        row(cells, false);
    }
    TableRule(pager);
    row(table.Total, true);
    pager.Down(pager.Mm(1.5));
    pager.Paragraph(Qt8(table.Verdict), ReportFont(9.5, true), Ink);
    pager.Paragraph(Qt8(table.NadiDosha), ReportFont(9), Ink);
    pager.Paragraph(Qt8(table.BhakootDosha), ReportFont(9), Ink);
}

// A dasha table: the period's lord, its dates and ages, and the mark of the
// period running when the report was made, that row in bold.
void DashaRows(Pager& pager, const std::array<std::string, 6>& headings,
               const std::vector<texts::DashaRow>& rows) {
    const std::array<double, 6> share = {0.17, 0.14, 0.14, 0.15, 0.15, 0.25};
    TableRow(pager, headings, share, true);
    TableRule(pager);
    for (const texts::DashaRow& row : rows) {
        TableRow(pager, row.Cells, share, row.Running);
    }
    pager.Down(pager.Mm(1.5));
}

// Both people's Navamsa charts side by side, the timeline of their
// mahadashas, then each person's balance and dasha tables.
void Kundli(Pager& pager, const ReportModel& report) {
    pager.Paragraph(Qt8(report.KundliHeading), ReportFont(14, true), HeadingInk);
    pager.Down(pager.Mm(2));
    const double chart = pager.Mm(ChartMm);
    const double gap = pager.Mm(ColumnGapMm) * 3;
    // Each caption on one line, a long name shortened: the names stand
    // whole on the first page.
    const QFontMetricsF metrics(ReportFont(8.5, true), pager.Device());
    std::array<QString, 2> captions;
    double caption = 0;
    for (std::size_t p = 0; p < captions.size(); ++p) {
        captions[p] = metrics.elidedText(Qt8(report.NavamsaCaptions[p]), Qt::ElideRight, chart);
        caption = std::max(caption, Caption(pager, captions[p], {}, chart, false));
    }
    pager.Room(caption + chart);
    const double top = pager.Y();
    for (std::size_t p = 0; p < report.People.size(); ++p) {
        const ReportPerson& person = report.People[p];
        const double left = pager.Left() + static_cast<double>(p) * (chart + gap);
        Caption(pager, captions[p], QPointF(left, top), chart, true);
        const QRectF square(left, top + caption, chart, chart);
        pager.Painter().save();
        if (person.NavamsaCells) {
            DrawRashiChart(pager.Painter(), square, *person.NavamsaCells, person.NavamsaAscendant,
                           report.Style);
        } else {
            pager.Painter().setPen(QPen(HeadingInk, pager.Mm(0.2)));
            pager.Painter().drawRect(square);
        }
        pager.Painter().restore();
    }
    pager.Down(caption + chart + pager.Mm(5));

    if (!report.Timeline.Rows.empty()) {
        const QFont font = ReportFont(8);
        const double height = TimelineHeight(report.Timeline, font, pager.Device());
        pager.Room(height);
        DrawDashaTimeline(pager.Painter(), QRectF(pager.Left(), pager.Y(), pager.Width(), height),
                          report.Timeline, font);
        pager.Down(height + pager.Mm(2));
    }
    pager.Paragraph(Qt8(report.YearLengthNote), ReportFont(8.5), Ink);
    for (const ReportPerson& person : report.People) {
        if (!person.Dasha) {
            continue;
        }
        pager.Down(pager.Mm(4));
        pager.Paragraph(Qt8(person.Name), ReportFont(11, true), HeadingInk);
        pager.Paragraph(Qt8(person.Dasha->Balance), ReportFont(9.5, true), ResultInk);
        pager.Down(pager.Mm(1));
        DashaRows(pager, report.DashaHeadings, person.Dasha->Periods);
        for (const ReportDasha::Antardashas& sub : person.Dasha->Subs) {
            pager.Heading(Qt8(sub.Heading), 9.5, 1.5);
            DashaRows(pager, report.DashaHeadings, sub.Rows);
        }
    }
}

void Effects(Pager& pager, const ReportModel& report) {
    pager.Heading(Qt8(report.EffectsHeading), 14, 0);
    for (const texts::TextBlock& block : report.Effects) {
        const QFont font = ReportFont(9.5, block.Bold);
        QString text = Qt8(block.Text);
        text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        if (text.endsWith(QLatin1Char('\n'))) {
            text.chop(1);
        }
        for (const QString& line : text.split(QLatin1Char('\n'))) {
            if (line.trimmed().isEmpty()) {
                pager.Down(pager.Mm(2));
                continue;
            }
            pager.Paragraph(line, font, Ink, 0, false);
        }
    }
}

} // namespace

void SetReportPageLayout(QPagedPaintDevice& device) {
    device.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(MarginMm, MarginMm, MarginMm, MarginMm),
                                     QPageLayout::Millimeter));
}

bool PaintReport(QPagedPaintDevice& device, const ReportModel& report) {
    QPainter painter;
    if (!painter.begin(&device)) {
        return false;
    }
    painter.setRenderHint(QPainter::Antialiasing);
    Pager pager(device, painter, report);

    // The first page: who, where and when, the positions and the charts.
    pager.Paragraph(Qt8(report.Title), ReportFont(18, true), HeadingInk);
    pager.Paragraph(Qt8(report.Subtitle), ReportFont(11), Ink);
    for (const ReportPerson& person : report.People) {
        PersonBlock(pager, report, person, report.Style);
    }

    // The second page: the Manglik lines of both people and the match.
    pager.NewPage();
    pager.Paragraph(Qt8(report.InterpretationHeading), ReportFont(14, true), HeadingInk);
    for (const ReportPerson& person : report.People) {
        pager.Heading(Qt8(person.Name), 11, 3);
        for (const ReportEvaluation& evaluation : person.Evaluations) {
            Evaluation(pager, evaluation);
        }
        if (!person.CrossCheckNotice.empty()) {
            pager.Paragraph(Qt8(person.CrossCheckNotice), ReportFont(8.5, true), Ink, pager.Mm(3));
        }
    }
    pager.Down(pager.Mm(1));
    pager.Paragraph(Qt8(report.Advice), ReportFont(8.5), Ink);
    pager.Heading(Qt8(report.MatchingHeading), 12, 4);
    for (std::size_t g = 0; g < report.Interpretations.size(); ++g) {
        pager.Paragraph(Qt8(report.InterpretationHeadings[g]), ReportFont(9, true), HeadingInk,
                        pager.Mm(3));
        for (const std::string& line : report.Interpretations[g]) {
            pager.Paragraph(Qt8(line), ReportFont(9, true), ResultInk, pager.Mm(6));
        }
        pager.Down(pager.Mm(1.5));
    }
    if (report.Tables != MatchingTables::Poruthams) {
        MatchTable(pager, report.Match);
    }
    if (report.Tables != MatchingTables::Points) {
        PoruthamTable(pager, report.Poruthams);
    }
    pager.Down(pager.Mm(1.5));
    pager.Paragraph(Qt8(report.Match.Roles), ReportFont(8.5), Ink);
    pager.Down(pager.Mm(2));
    pager.Paragraph(Qt8(report.Engine), ReportFont(8.5), Ink);
    pager.Paragraph(Qt8(report.Invitation), ReportFont(8.5), Ink);

    // Then the Navamsa charts and the dashas.
    pager.NewPage();
    Kundli(pager, report);

    // Then the effects of Mangal dosha and its remedies.
    pager.NewPage();
    Effects(pager, report);
    pager.Finish();
    return painter.end();
}

std::optional<std::string> ReportPdfBytes(const ReportModel& report) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly)) {
        return std::nullopt;
    }
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(Resolution);
        writer.setTitle(Qt8(report.Title + ": " + report.Subtitle));
        writer.setCreator(Qt8(report.Program));
        SetReportPageLayout(writer);
        if (!PaintReport(writer, report)) {
            return std::nullopt;
        }
    }
    buffer.close();
    return bytes.toStdString();
}

} // namespace tirovane
