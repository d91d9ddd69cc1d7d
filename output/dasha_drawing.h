#pragma once

#include "texts/kundli_texts.h"

#include <QColor>
#include <QFont>
#include <QRectF>

class QPainter;
class QPaintDevice;

// The timeline of the people's mahadashas on one age axis, drawn with
// lines, areas and text, so that the window and the report draw the same
// picture (in the report as vectors).

namespace tirovane {

// The colour of a lord's periods, the same in every row.
QColor DashaColour(kundli::DashaLord lord);

// The height the timeline needs at `width` with `font` (one bar per row,
// the axis and its caption under them), measured for `device`.
double TimelineHeight(const texts::DashaTimeline& timeline, const QFont& font,
                      QPaintDevice* device = nullptr);

// Draws the timeline into `area`: the names on the left, each row's
// periods as coloured segments with the lord's name where it fits, today's
// age marked on each row, the age axis in decades under them.
void DrawDashaTimeline(QPainter& painter, const QRectF& area, const texts::DashaTimeline& timeline,
                       const QFont& font);

} // namespace tirovane
