#include "frmintro.h"

#include "app/windows.h"
#include "controls/style.h"
#include "controls/textbox.h"
#include "controls/twips.h"
#include "reference/frmoutline.h"
#include "reference/pagecontrols.h"
#include "reference/readingtext.h"

#include <QPushButton>

FrmIntro::FrmIntro()
    : Form(QStringLiteral("frmIntro"), caption(QStringLiteral("Quillmere"), 70, QStringLiteral("Introduction")),
           QRect(2685, 1410, 6855, 5640), Frame::FixedSingle)
{
    pagecontrols::setBackground(this, colors::darkRed);

    txtIntro = pagecontrols::readingBox(this, QStringLiteral("txtIntro"), twips::rect(360, 240, 6135, 4455));
    txtIntro->setAccessibleName(QStringLiteral("Introduction"));
    txtIntro->setCentred(true);
    setColors(txtIntro, colors::teal, colors::white);
    txtIntro->setFont(fonts::sansBold());
    txtIntro->setText(readingtext::load(QStringLiteral(":/text/intro.txt")));

    cmdRIntro = pagecontrols::button(this, QStringLiteral("cmdRIntro"), QStringLiteral("&Return"),
                                     twips::rect(5040, 4920, 1215, 495));
    connect(cmdRIntro, &QPushButton::clicked, this, &FrmIntro::cmdRIntro_Click);

    Cmdout1 = pagecontrols::button(this, QStringLiteral("Cmdout1"), QStringLiteral("&Outline"),
                                   twips::rect(3600, 4920, 1215, 495));
    connect(Cmdout1, &QPushButton::clicked, this, &FrmIntro::Cmdout1_Click);

    QWidget::setTabOrder(cmdRIntro, Cmdout1);
    cmdRIntro->setFocus();
}

void FrmIntro::cmdRIntro_Click()
{
    frmIntro.hide();
}

void FrmIntro::Cmdout1_Click()
{
    frmIntro.hide();
    frmOutline.show();
}
