#include "output/dasha_drawing.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <array>

namespace tirovane {

namespace {

QString Qt8(const std::string& text) {
    return QString::fromStdString(text);
}

// The sizes of the picture in line heights of its font.
struct Metrics {
    double Line = 0;
    double Bar = 0;
    double Gap = 0;   // above each bar: room for today's mark and caption
    double Axis = 0;  // the ticks and their numbers, then the caption
    double Names = 0; // the column of names
};

Metrics MetricsOf(const texts::DashaTimeline& timeline, const QFontMetricsF& fm, double width = 0) {
    Metrics m;
    m.Line = fm.height();
    m.Bar = 1.6 * m.Line;
    m.Gap = 1.2 * m.Line;
    m.Axis = 2.6 * m.Line;
    for (const texts::TimelineRow& row : timeline.Rows) {
        m.Names = std::max(m.Names, fm.horizontalAdvance(Qt8(row.Name)));
    }
    m.Names += m.Line;
    // A long name takes at most a quarter of the width and is shortened.
    if (width > 0) {
        m.Names = std::min(m.Names, width / 4);
    }
    return m;
}

} // namespace

QColor DashaColour(kundli::DashaLord lord) {
    // Light tints, dark text readable on each; neighbours in the cycle
    // differ in hue.
    static const std::array<QColor, kundli::DashaLordCount> colours = {
        QColor(0xc9, 0xb8, 0xe0), // Ketu
        QColor(0xf7, 0xc8, 0xd8), // Venus
        QColor(0xff, 0xd2, 0x8a), // Sun
        QColor(0xdd, 0xe8, 0xf2), // Moon
        QColor(0xf4, 0xa8, 0x96), // Mars
        QColor(0xb5, 0xc7, 0xb0), // Rahu
        QColor(0xfb, 0xe7, 0x8f), // Jupiter
        QColor(0xa9, 0xc4, 0xe6), // Saturn
        QColor(0xb8, 0xe3, 0xb8), // Mercury
    };
    return colours.at(static_cast<std::size_t>(lord));
}

double TimelineHeight(const texts::DashaTimeline& timeline, const QFont& font,
                      QPaintDevice* device) {
    const QFontMetricsF fm(font, device);
    const Metrics m = MetricsOf(timeline, fm);
    return static_cast<double>(timeline.Rows.size()) * (m.Gap + m.Bar) + m.Axis;
}

void DrawDashaTimeline(QPainter& painter, const QRectF& area, const texts::DashaTimeline& timeline,
                       const QFont& font) {
    painter.save();
    painter.setFont(font);
    const QFontMetricsF fm(font, painter.device());
    const Metrics m = MetricsOf(timeline, fm, area.width());
    const double left = area.left() + m.Names;
    const double width =
        std::max(1.0, area.right() - left - fm.horizontalAdvance(QStringLiteral("120")) / 2);
    const auto x = [&](double age) { return left + width * age / timeline.Years; };
    const QColor ink(40, 40, 40);
    const QColor mark(170, 60, 20);

    double top = area.top();
    for (const texts::TimelineRow& row : timeline.Rows) {
        const double barTop = top + m.Gap;
        painter.setPen(ink);
        painter.drawText(QRectF(area.left(), barTop, m.Names - m.Line / 2, m.Bar),
                         Qt::AlignRight | Qt::AlignVCenter,
                         fm.elidedText(Qt8(row.Name), Qt::ElideRight, m.Names - m.Line / 2));
        for (const texts::TimelineSegment& segment : row.Segments) {
            const QRectF box(x(segment.FromAge), barTop, x(segment.ToAge) - x(segment.FromAge),
                             m.Bar);
            painter.setPen(QPen(QColor(255, 255, 255), 1));
            painter.setBrush(DashaColour(segment.Lord));
            painter.drawRect(box);
        }
        if (row.TodayAge) {
            // A line through the bar and a triangle above it, captioned.
            const double at = x(*row.TodayAge);
            painter.setPen(QPen(mark, 2));
            painter.drawLine(QPointF(at, barTop - m.Line * 0.15), QPointF(at, barTop + m.Bar));
            QPainterPath triangle;
            const double t = m.Line * 0.35;
            triangle.moveTo(at - t, barTop - 2 * t);
            triangle.lineTo(at + t, barTop - 2 * t);
            triangle.lineTo(at, barTop - t * 0.3);
            triangle.closeSubpath();
            painter.fillPath(triangle, mark);
            const QString today = Qt8(timeline.TodayCaption);
            const double w = fm.horizontalAdvance(today);
            const bool rightOfMark = at + t + w < area.right();
            painter.drawText(QRectF(rightOfMark ? at + t * 1.5 : at - t * 1.5 - w, barTop - m.Gap,
                                    w + 1, m.Gap - t * 0.3),
                             Qt::AlignVCenter | (rightOfMark ? Qt::AlignLeft : Qt::AlignRight),
                             today);
        }
        // The lord's name where it fits, shortened where it nearly does, on
        // its bar's colour: today's line stops short of the letters.
        for (const texts::TimelineSegment& segment : row.Segments) {
            const QRectF box(x(segment.FromAge), barTop, x(segment.ToAge) - x(segment.FromAge),
                             m.Bar);
            const double room = box.width() - m.Line / 3;
            const QString label =
                fm.elidedText(Qt8(segment.Label), Qt::ElideRight, std::max(0.0, room));
            if (!label.isEmpty() && label != QStringLiteral("\u2026")) {
                const QRectF textBox = fm.boundingRect(box, Qt::AlignCenter, label)
                                           .adjusted(-m.Line * 0.1, 0, m.Line * 0.1, 0)
                                           .intersected(box.adjusted(1, 1, -1, -1));
                painter.fillRect(textBox, DashaColour(segment.Lord));
                painter.setPen(ink);
                painter.drawText(box, Qt::AlignCenter, label);
            }
        }
        top = barTop + m.Bar;
    }

    // The axis: a line, a tick and its number every ten years, the caption.
    painter.setPen(QPen(ink, 1));
    const double axis = top + m.Line * 0.3;
    painter.drawLine(QPointF(x(0), axis), QPointF(x(timeline.Years), axis));
    for (int age = 0; age <= static_cast<int>(timeline.Years); age += 10) {
        painter.drawLine(QPointF(x(age), axis), QPointF(x(age), axis + m.Line * 0.3));
        const QString number = QString::number(age);
        const double w = fm.horizontalAdvance(number);
        painter.drawText(QRectF(x(age) - w / 2 - 1, axis + m.Line * 0.35, w + 2, m.Line),
                         Qt::AlignCenter, number);
    }
    painter.drawText(QRectF(left, axis + m.Line * 1.35, width, m.Line), Qt::AlignCenter,
                     Qt8(timeline.AxisCaption));
    painter.restore();
}

} // namespace tirovane
