#pragma once

#include <QDialog>

namespace tirovane {

class WebLinks;

// The about box: what the program does, with links to the home page and to
// the offer of branded copies.
class AboutBox : public QDialog {
    Q_OBJECT
public:
    AboutBox(WebLinks& links, QWidget* parent);
};

} // namespace tirovane
