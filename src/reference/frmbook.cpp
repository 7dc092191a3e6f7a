#include "frmbook.h"

#include "app/windows.h"
#include "controls/style.h"
#include "controls/twips.h"

#include <QPushButton>

FrmBook::FrmBook()
    : Form(QStringLiteral("frmBook"), caption(QStringLiteral("Quillmere"), 101, QStringLiteral("Bookshelf")),
           QRect(1545, 975, 8700, 5895), Frame::FixedSingle)
{
    cmdBReturn = new QPushButton(QStringLiteral("&Return"), this);
    cmdBReturn->setObjectName(QStringLiteral("cmdBReturn"));
    cmdBReturn->setGeometry(twips::rect(6480, 4920, 1215, 495));
    cmdBReturn->setFont(fonts::systemBold());
    connect(cmdBReturn, &QPushButton::clicked, this, &FrmBook::cmdBReturn_Click);
}

void FrmBook::cmdBReturn_Click()
{
    frmBook.hide();
}
