#include "output/ranking_pdf.h"

#include "output/text_fonts.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

namespace tirovane {

namespace {

// The share of the width each column takes: the name and the place most.
constexpr std::array<double, 10> Shares = {0.15, 0.18, 0.09, 0.06, 0.08,
                                           0.09, 0.07, 0.10, 0.07, 0.11};

QString Qt8(const std::string& text) {
    return QString::fromStdString(text);
}

QFont TableFont(double points, bool bold) {
    QFont font = TextFont();
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

} // namespace

std::optional<std::string> RankingPdfBytes(const RankingTable& table) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly)) {
        return std::nullopt;
    }
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(300);
        writer.setTitle(Qt8(table.Title));
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape,
                                         QMarginsF(12, 12, 12, 12), QPageLayout::Millimeter));
        QPainter painter;
        if (!painter.begin(&writer)) {
            return std::nullopt;
        }
        const QRectF page = writer.pageLayout().paintRectPixels(writer.resolution());
        const QRectF area(0, 0, page.width(), page.height());
        const QFont cell = TableFont(8, false);
        const QFont heading = TableFont(8, true);
        const QFont title = TableFont(13, true);
        const double line = QFontMetricsF(cell, &writer).height() * 1.25;
        const double titleHeight = QFontMetricsF(title, &writer).height() * 1.6;
        const double bottom = area.bottom() - line * 1.5;
        int pageNumber = 1;
        double y = 0;
        // A row of cells, each shortened to its column; the headings wrap
        // onto two lines instead.
        const auto row = [&](const std::array<std::string, 10>& cells, const QFont& font,
                             bool wrap) {
            painter.setFont(font);
            const QFontMetricsF metrics(font, &writer);
            const double height = wrap ? 2 * line : line;
            double x = area.left();
            for (std::size_t c = 0; c < cells.size(); ++c) {
                const double width = area.width() * Shares[c] - line * 0.4;
                const QRectF box(x, y, width, height);
                if (wrap) {
                    painter.drawText(box, Qt::AlignLeft | Qt::AlignBottom | Qt::TextWordWrap,
                                     Qt8(cells[c]));
                } else {
                    painter.drawText(box, Qt::AlignLeft | Qt::AlignVCenter,
                                     metrics.elidedText(Qt8(cells[c]), Qt::ElideRight, width));
                }
                x += area.width() * Shares[c];
            }
            y += height;
        };
        const auto startPage = [&] {
            painter.setFont(title);
            painter.drawText(QRectF(area.left(), 0, area.width(), titleHeight),
                             Qt::AlignLeft | Qt::AlignVCenter, Qt8(table.Title));
            y = titleHeight;
            row(table.Headings, heading, true);
            painter.drawLine(QPointF(area.left(), y), QPointF(area.right(), y));
            y += line * 0.2;
        };
        const auto footer = [&] {
            painter.setFont(cell);
            painter.drawText(QRectF(area.left(), bottom + line * 0.5, area.width(), line),
                             Qt::AlignRight | Qt::AlignVCenter,
                             Qt8(table.PagePattern).arg(pageNumber));
        };
        startPage();
        for (const auto& cells : table.Rows) {
            if (y + line > bottom) {
                footer();
                writer.newPage();
                ++pageNumber;
                startPage();
            }
            row(cells, cell, false);
        }
        footer();
        if (!painter.end()) {
            return std::nullopt;
        }
    }
    buffer.close();
    return bytes.toStdString();
}

} // namespace tirovane
