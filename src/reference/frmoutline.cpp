#include "frmoutline.h"

#include "app/windows.h"
#include "controls/style.h"
#include "controls/twips.h"

#include <QPushButton>

FrmOutline::FrmOutline()
    : Form(QStringLiteral("frmOutline"), caption(QStringLiteral("Quillmere"), 86, QStringLiteral("Outline")),
           QRect(1905, 1365, 7680, 6210), Frame::FixedSingle)
{
    cmdOutReturn = new QPushButton(QStringLiteral("&Return"), this);
    cmdOutReturn->setObjectName(QStringLiteral("cmdOutReturn"));
    cmdOutReturn->setGeometry(twips::rect(6000, 5640, 1215, 495));
    cmdOutReturn->setFont(fonts::systemBold());
    connect(cmdOutReturn, &QPushButton::clicked, this, &FrmOutline::cmdOutReturn_Click);
}

void FrmOutline::cmdOutReturn_Click()
{
    frmOutline.hide();
}
