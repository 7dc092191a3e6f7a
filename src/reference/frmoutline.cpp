#include "frmoutline.h"

#include "app/windows.h"
#include "controls/style.h"
#include "controls/textbox.h"
#include "controls/twips.h"
#include "reference/pagecontrols.h"
#include "reference/readingtext.h"

#include <QLabel>
#include <QPushButton>

FrmOutline::FrmOutline()
    : Form(QStringLiteral("frmOutline"), caption(QStringLiteral("Quillmere"), 86, QStringLiteral("Outline")),
           QRect(1905, 1365, 7680, 6210), Frame::FixedSingle)
{
    pagecontrols::setBackground(this, colors::white);

    Label1 = pagecontrols::label(this, QStringLiteral("Label1"), QStringLiteral("Proverbs  Outline"),
                                 twips::rect(1800, 120, 4215, 615), colors::white, colors::darkRed,
                                 fonts::font(QStringLiteral("Times New Roman"), 26.25, 700), Qt::AlignLeft);
    Label1->setWordWrap(false);

    // The rule under the heading: from (360, 720) to (7320, 720), three pixels wide.
    Line1 = new QWidget(this);
    Line1->setObjectName(QStringLiteral("Line1"));
    Line1->setGeometry(QRect(twips::point(360, 720) - QPoint(0, 1), QSize(twips::px(7320 - 360) + 1, 3)));
    pagecontrols::setBackground(Line1, colors::teal);

    txtOutline = pagecontrols::readingBox(this, QStringLiteral("txtOutline"), twips::rect(240, 960, 7215, 4455));
    txtOutline->setAccessibleName(QStringLiteral("Outline"));
    txtOutline->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setColors(txtOutline, colors::lightGrey, colors::navy);
    txtOutline->setFont(fonts::font(QStringLiteral("MS Sans Serif"), 12, 700));
    txtOutline->setText(readingtext::load(QStringLiteral(":/text/outline.txt")));

    cmdOutReturn = pagecontrols::button(this, QStringLiteral("cmdOutReturn"), QStringLiteral("&Return"),
                                        twips::rect(6000, 5640, 1215, 495));
    connect(cmdOutReturn, &QPushButton::clicked, this, &FrmOutline::cmdOutReturn_Click);
    cmdOutReturn->setFocus();
}

void FrmOutline::cmdOutReturn_Click()
{
    frmOutline.hide();
}
