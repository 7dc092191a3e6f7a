#include "frmfind.h"

#include "app/windows.h"
#include "controls/picture.h"
#include "controls/style.h"
#include "controls/textbox.h"
#include "controls/twips.h"
#include "main/frmmain.h"
#include "notes/notesbox.h"
#include "reference/frminfo.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>

FrmFind::Config FrmFind::proverbs()
{
    return {QStringLiteral("frmFindP"), QStringLiteral("Find in Proverbs"), QStringLiteral("P"),
            QStringLiteral("chkFindP"), {6105, 3300}, {1575, 375}, true,
            QStringLiteral(":/pictures/redbook.svg"), 1920, [] { return frmMain->txtProverbs; }};
}

FrmFind::Config FrmFind::notes()
{
    return {QStringLiteral("frmFindN"), QStringLiteral("Find in your Notes"), QStringLiteral("N"),
            QStringLiteral("chkFindN"), {615, 3285}, {1695, 495}, false,
            QStringLiteral(":/pictures/notepad.svg"), 2160,
            [] { return static_cast<TextBox*>(frmMain->txtNotes); }};
}

FrmFind::Config FrmFind::info()
{
    return {QStringLiteral("frmFindINFO"), QStringLiteral("Find Info"), QStringLiteral("INFO"),
            QStringLiteral("chkFindInfo"), {5070, 6705}, {1935, 495}, false,
            QStringLiteral(":/pictures/threebooks.svg"), 2280, [] { return frmInfo->txtMy; }};
}

FrmFind::FrmFind(const Config& config)
    : Form(config.name, config.caption,
           QRect(config.placeTwips.x(), config.placeTwips.y(), 4380, 1095), Frame::FixedDialogNoClose)
    , m_config(config)
{
    txtFind = new QLineEdit(this);
    txtFind->setObjectName(QStringLiteral("txtFind") + config.suffix);
    txtFind->setGeometry(twips::rect(120, 120, 2775, 375));
    txtFind->setFont(fonts::defaultFont());

    cmdFind = new QPushButton(QStringLiteral("&Find"), this);
    cmdFind->setObjectName(QStringLiteral("cmdFind") + config.suffix);
    cmdFind->setGeometry(twips::rect(3000, 120, 1215, 375));
    cmdFind->setFont(fonts::systemBold());
    cmdFind->setDefault(true);
    connect(cmdFind, &QPushButton::clicked, this, &FrmFind::cmdFind_Click);

    cmdCancel = new QPushButton(QStringLiteral("&Cancel"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel") + config.suffix);
    cmdCancel->setGeometry(twips::rect(3000, 600, 1215, 375));
    cmdCancel->setFont(fonts::systemBold());
    cmdCancel->setAutoDefault(false);
    setCancelButton(cmdCancel);
    connect(cmdCancel, &QPushButton::clicked, this, &FrmFind::cmdCancel_Click);

    chkFind = new QCheckBox(QStringLiteral("Ignore Case"), this);
    chkFind->setObjectName(config.checkName);
    chkFind->setGeometry(twips::rect(120, 600, config.checkTwips.width(), config.checkTwips.height()));
    chkFind->setFont(fonts::systemBold());
    chkFind->setChecked(true);

    Image1 = new Picture(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(twips::rect(config.pictureLeft, 600, 480, 480));
    Image1->setPicture(config.picture);

    if (config.checkBeforeCancel) {
        QWidget::setTabOrder(txtFind, cmdFind);
        QWidget::setTabOrder(cmdFind, chkFind);
        QWidget::setTabOrder(chkFind, cmdCancel);
    } else {
        QWidget::setTabOrder(txtFind, cmdFind);
        QWidget::setTabOrder(cmdFind, cmdCancel);
        QWidget::setTabOrder(cmdCancel, chkFind);
    }
    txtFind->setFocus();
}

void FrmFind::cmdFind_Click()
{
}

void FrmFind::cmdCancel_Click()
{
    hide();
}
