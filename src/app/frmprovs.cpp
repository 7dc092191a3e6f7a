#include "frmprovs.h"

#include "app/windows.h"
#include "controls/picture.h"
#include "controls/twips.h"
#include "main/frmmain.h"

#include <QTimer>

FrmProvS::FrmProvS()
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint) // a frame without a title bar
{
    setObjectName(QStringLiteral("frmProvS"));
    setWindowIcon(Picture::icon(QStringLiteral(":/pictures/redbook.svg")));
    setGeometry(twips::rect(2565, 2205, 6960, 4365));

    // The picture keeps its natural 495 × 331 size and overhangs the client area.
    Image1 = new Picture(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(twips::rect(0, -120, 7425, 4965));
    Image1->setPicture(QStringLiteral(":/pictures/splash.svg"), QSize(495, 331));

    Timer2 = new QTimer(this);
    Timer2->setObjectName(QStringLiteral("Timer2"));
    Timer2->setInterval(4000);
    Timer2->setTimerType(Qt::PreciseTimer); // a coarse timer may fire up to 5% early
    connect(Timer2, &QTimer::timeout, this, &FrmProvS::Timer2_Timer);
    Timer2->start();
}

void FrmProvS::Timer2_Timer()
{
    // The main window must exist before the splash goes, or the program would end.
    frmMain.get();
    frmProvS.destroy();
    frmMain.show();
}
