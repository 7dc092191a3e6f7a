#include "frmintro.h"

#include "app/windows.h"
#include "controls/style.h"
#include "controls/twips.h"

#include <QPushButton>

FrmIntro::FrmIntro()
    : Form(QStringLiteral("frmIntro"), caption(QStringLiteral("Quillmere"), 70, QStringLiteral("Introduction")),
           QRect(2685, 1410, 6855, 5640), Frame::FixedSingle)
{
    cmdRIntro = new QPushButton(QStringLiteral("&Return"), this);
    cmdRIntro->setObjectName(QStringLiteral("cmdRIntro"));
    cmdRIntro->setGeometry(twips::rect(5040, 4920, 1215, 495));
    cmdRIntro->setFont(fonts::systemBold());
    connect(cmdRIntro, &QPushButton::clicked, this, &FrmIntro::cmdRIntro_Click);
}

void FrmIntro::cmdRIntro_Click()
{
    frmIntro.hide();
}
