#include "frmhelp.h"

#include "app/windows.h"
#include "controls/style.h"
#include "controls/textbox.h"
#include "controls/twips.h"
#include "records/databar.h"

#include <QPushButton>
#include <QTimer>

FrmHelp::FrmHelp()
    : Form(QStringLiteral("frmHelp"), caption(QStringLiteral("Quillmere"), 106, QStringLiteral("Help")),
           QRect(1740, 945, 8835, 6825), Frame::FixedDialog)
{
    Text1 = new TextBox(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setGeometry(twips::rect(1560, 1200, 5775, 4455));
    Text1->setLocked(true);
    Text1->setFrameShape(QFrame::NoFrame);
    Text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Text1->setFocusPolicy(Qt::ClickFocus);
    setTextColor(Text1, colors::darkRed);
    Text1->setFont(fonts::systemBold());

    cmdExit = new QPushButton(QStringLiteral("&Return"), this);
    cmdExit->setObjectName(QStringLiteral("cmdExit"));
    cmdExit->setGeometry(twips::rect(2880, 5880, 2775, 495));
    cmdExit->setFont(fonts::systemBold());
    connect(cmdExit, &QPushButton::clicked, this, &FrmHelp::cmdExit_Click);

    Text2 = new TextBox(this);
    Text2->setObjectName(QStringLiteral("Text2"));
    Text2->setGeometry(twips::rect(1080, 120, 6615, 810));
    Text2->setMultiLine(false);
    Text2->setLocked(true);
    Text2->setFrameShape(QFrame::NoFrame);
    Text2->setCentred(true);
    Text2->setFocusPolicy(Qt::ClickFocus);
    setTextColor(Text2, colors::teal);
    Text2->setFont(fonts::font(QStringLiteral("Times New Roman"), 36, 700, true));
    Text2->setText(QStringLiteral("Quillmere"));

    DataH = new DataBar(QStringLiteral("phelp.mdb"), QStringLiteral("phelp"), {QStringLiteral("phelp")}, this);
    DataH->setObjectName(QStringLiteral("DataH"));
    DataH->setGeometry(twips::rect(120, 6000, 1140, 375));
    DataH->setCaption(QStringLiteral("Data1"));
    DataH->hide();
    DataH->bind(Text1, QStringLiteral("phelp"));

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(60);

    DataH->open();
    cmdExit->setFocus();
}

void FrmHelp::cmdExit_Click()
{
    frmHelp.hide();
}
