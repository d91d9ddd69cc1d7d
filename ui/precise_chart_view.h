#pragma once

#include <QDialog>
#include <string>

namespace tirovane {

// A person's chart from the precise ephemeris, as text, in a window of its
// own beside the result.
class PreciseChartView : public QDialog {
    Q_OBJECT
public:
    PreciseChartView(const std::string& name, const std::string& text, QWidget* parent);
};

} // namespace tirovane
