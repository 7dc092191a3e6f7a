#include "frmreal.h"

#include "app/windows.h"
#include "controls/style.h"
#include "controls/twips.h"

#include <QPushButton>

FrmReal::FrmReal()
    : Form(QStringLiteral("frmReal"), caption(QStringLiteral("Quillmere"), 104, QStringLiteral("Real Help")),
           QRect(1590, 1380, 8910, 5850), Frame::FixedSingle)
{
    cmdRReturn = new QPushButton(QStringLiteral("&Return"), this);
    cmdRReturn->setObjectName(QStringLiteral("cmdRReturn"));
    cmdRReturn->setGeometry(twips::rect(7440, 1080, 1335, 495));
    cmdRReturn->setFont(fonts::systemBold());
    connect(cmdRReturn, &QPushButton::clicked, this, &FrmReal::cmdRReturn_Click);
}

void FrmReal::cmdRReturn_Click()
{
    frmReal.hide();
}
