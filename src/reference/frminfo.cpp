#include "frminfo.h"

#include "app/windows.h"
#include "controls/picture.h"
#include "controls/style.h"
#include "controls/textbox.h"
#include "controls/twips.h"
#include "main/frmmain.h"
#include "records/databar.h"
#include "reference/frmoutline.h"
#include "reference/pagecontrols.h"
#include "search/frmfind.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

FrmInfo::FrmInfo()
    : Form(QStringLiteral("frmInfo"), caption(QStringLiteral("Quillmere"), 114, QStringLiteral("Information")),
           QRect(1395, 1425, 9450, 5835), Frame::FixedDialog)
{
    pagecontrols::setBackground(this, colors::teal);

    txtMy = new TextBox(this);
    txtMy->setAccessibleName(QStringLiteral("Information text"));
    txtMy->setObjectName(QStringLiteral("txtMy"));
    txtMy->setGeometry(twips::rect(600, 480, 8175, 3855));
    txtMy->setLocked(true);
    txtMy->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setColors(txtMy, colors::lightGrey, colors::navy);
    txtMy->setFont(fonts::timesBold());

    DataF = new DataBar(QStringLiteral("pinfo.mdb"), QStringLiteral("pinfo"), {QStringLiteral("pinfo")}, this);
    DataF->setObjectName(QStringLiteral("DataF"));
    DataF->setGeometry(twips::rect(960, 120, 1215, 300));
    DataF->hide();
    DataF->bind(txtMy, QStringLiteral("pinfo"));

    cmdOutline = pagecontrols::button(this, QStringLiteral("cmdOutline"), QStringLiteral("&Outline"),
                                      twips::rect(7440, 4680, 1335, 855));
    connect(cmdOutline, &QPushButton::clicked, this, &FrmInfo::cmdOutline_Click);

    Frame1 = new QGroupBox(QStringLiteral("Quillmere"), this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setGeometry(twips::rect(600, 4560, 6615, 975));
    pagecontrols::setBackground(Frame1, colors::teal);
    setTextColor(Frame1, colors::darkRed); // the caption; the buttons keep their own text colour
    Frame1->setFont(fonts::systemBold());

    cmdReturn = pagecontrols::button(Frame1, QStringLiteral("cmdReturn"), QStringLiteral("&Return"),
                                     twips::rect(240, 360, 1500, 495));
    cmdReturn->setDefault(true);
    connect(cmdReturn, &QPushButton::clicked, this, &FrmInfo::cmdReturn_Click);

    Label1 = pagecontrols::label(Frame1, QStringLiteral("Label1"), QStringLiteral("Click On Books to Search Info"),
                                 twips::rect(2040, 360, 1935, 495), colors::teal, colors::darkRed,
                                 fonts::systemBold(), Qt::AlignHCenter);

    Image1 = new Picture(Frame1);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(twips::rect(4440, 360, 480, 480));
    Image1->setPicture(QStringLiteral(":/pictures/bookshelf.svg"));
    Image1->setPointer(QStringLiteral(":/pictures/pencil.svg"), QPoint(1, 30));
    connect(Image1, &Picture::clicked, this, &FrmInfo::Image1_Click);

    QWidget::setTabOrder(txtMy, cmdReturn);
    QWidget::setTabOrder(cmdReturn, cmdOutline);
    DataF->open();
    txtMy->setFocus();
}

void FrmInfo::cmdReturn_Click()
{
    frmInfo.hide();
    frmMain.show();
}

void FrmInfo::cmdOutline_Click()
{
    frmInfo.hide();
    frmOutline.show();
}

void FrmInfo::Image1_Click()
{
    frmFindINFO.show();
}
