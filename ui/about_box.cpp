#include "ui/about_box.h"

#include "system/web_links.h"
#include "ui/application.h"
#include "ui/widgets.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace tirovane {

AboutBox::AboutBox(WebLinks& links, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QString::fromLatin1(ProgramCaption));
    setModal(true);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 20, 24, 16);
    layout->setSpacing(12);

    QLabel* title =
        NamedLabel(QStringLiteral("lblTitle"), QString::fromLatin1(ProgramCaption), this);
    title->setFont(WindowFont(14, true));
    layout->addWidget(title);

    QLabel* description = NamedLabel(
        QStringLiteral("lblDescription"),
        QCoreApplication::translate(
            "AboutBox", "Tirovane shows the Manglik compatibility between two people. It is "
                        "believed that if both the partners are Manglik, the match is more "
                        "suitable than when one of the partners is not. Tirovane is free "
                        "software under the GNU Affero General Public License, version 3 "
                        "or later."),
        this);
    description->setWordWrap(true);
    layout->addWidget(description);

    QLabel* atlasCredit = NamedLabel(
        QStringLiteral("lblAtlasCredit"),
        QCoreApplication::translate("AboutBox", "Places: GeoNames (geonames.org), CC BY 4.0. "
                                                "Historical time zones: the IANA time zone "
                                                "database."),
        this);
    atlasCredit->setWordWrap(true);
    layout->addWidget(atlasCredit);

    auto* home = new LinkLabel(
        QCoreApplication::translate("AboutBox", "Visit the Tirovane home page"), this);
    home->setObjectName(QStringLiteral("lblHomePage"));
    connect(home, &LinkLabel::clicked, this, [&links] { links.OpenHomePage(); });
    layout->addWidget(home);

    QLabel* promotion =
        NamedLabel(QStringLiteral("lblPromotion"),
                   QCoreApplication::translate("AboutBox",
                                               "Home Business Opportunity. Start your own Internet "
                                               "business and make money online. Get this software "
                                               "fully branded for your website."),
                   this);
    promotion->setWordWrap(true);
    layout->addWidget(promotion);
    auto* details = new LinkLabel(
        QCoreApplication::translate("AboutBox", "Click here for more details."), this);
    details->setObjectName(QStringLiteral("lblMoreDetails"));
    connect(details, &LinkLabel::clicked, this, [&links] { links.OpenResellerPage(); });
    layout->addWidget(details);

    auto* ok = new QPushButton(QCoreApplication::translate("AboutBox", "OK"), this);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);
    layout->addLayout(buttons);
    // Wrapped texts at a fixed width take exactly the height they need, so
    // nothing is cut off at any font size or scale.
    constexpr int TextWidth = 420;
    for (QLabel* wrapped : {description, promotion}) {
        wrapped->setFixedWidth(TextWidth);
        wrapped->setMinimumHeight(wrapped->heightForWidth(TextWidth));
    }
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

} // namespace tirovane
