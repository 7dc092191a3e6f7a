#include "frmfind.h"

#include "app/windows.h"
#include "controls/picture.h"
#include "controls/style.h"
#include "controls/textbox.h"
#include "controls/twips.h"
#include "main/frmmain.h"
#include "notes/notesbox.h"
#include "platform/platform.h"
#include "reference/frminfo.h"
#include "search/textsearch.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QLineEdit>
#include <QPushButton>
#include <limits>

FrmFind::Config FrmFind::proverbs()
{
    return {QStringLiteral("frmFindP"), QStringLiteral("Find in Proverbs"), QStringLiteral("P"),
            QStringLiteral("chkFindP"), {6105, 3300}, {1575, 375}, true,
            QStringLiteral(":/pictures/redbook.svg"), QStringLiteral("A red book"), 1920, [] { return frmMain->txtProverbs; },
            &FrmFind::cmdFindP_Click, &FrmFind::cmdCancelP_Click};
}

FrmFind::Config FrmFind::notes()
{
    return {QStringLiteral("frmFindN"), QStringLiteral("Find in your Notes"), QStringLiteral("N"),
            QStringLiteral("chkFindN"), {615, 3285}, {1695, 495}, false,
            QStringLiteral(":/pictures/notepad.svg"), QStringLiteral("A notepad with a pencil"), 2160,
            [] { return static_cast<TextBox*>(frmMain->txtNotes); },
            &FrmFind::cmdFindN_Click, &FrmFind::cmdCancelN_Click};
}

FrmFind::Config FrmFind::info()
{
    return {QStringLiteral("frmFindINFO"), QStringLiteral("Find Info"), QStringLiteral("INFO"),
            QStringLiteral("chkFindInfo"), {5070, 6705}, {1935, 495}, false,
            QStringLiteral(":/pictures/threebooks.svg"), QStringLiteral("Three books"), 2280, [] { return frmInfo->txtMy; },
            &FrmFind::cmdFindINFO_Click, &FrmFind::cmdCancelINFO_Click};
}

FrmFind::FrmFind(const Config& config)
    : Form(config.name, config.caption,
           QRect(config.placeTwips.x(), config.placeTwips.y(), 4380, 1095), Frame::FixedDialogNoClose)
    , m_config(config)
{
    txtFind = new QLineEdit(this);
    txtFind->setAccessibleName(QStringLiteral("Find what"));
    txtFind->setObjectName(QStringLiteral("txtFind") + config.suffix);
    txtFind->setGeometry(twips::rect(120, 120, 2775, 375));
    txtFind->setFont(fonts::defaultFont());
    txtFind->setMaxLength(std::numeric_limits<int>::max()); // no limit of its own

    cmdFind = new QPushButton(QStringLiteral("&Find"), this);
    cmdFind->setObjectName(QStringLiteral("cmdFind") + config.suffix);
    cmdFind->setGeometry(twips::rect(3000, 120, 1215, 375));
    cmdFind->setFont(fonts::systemBold());
    cmdFind->setDefault(true);
    connect(cmdFind, &QPushButton::clicked, this, config.findClick);

    cmdCancel = new QPushButton(QStringLiteral("&Cancel"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel") + config.suffix);
    cmdCancel->setGeometry(twips::rect(3000, 600, 1215, 375));
    cmdCancel->setFont(fonts::systemBold());
    setCancelButton(cmdCancel);
    connect(cmdCancel, &QPushButton::clicked, this, config.cancelClick);

    chkFind = new QCheckBox(QStringLiteral("Ignore Case"), this);
    chkFind->setObjectName(config.checkName);
    chkFind->setGeometry(twips::rect(120, 600, config.checkTwips.width(), config.checkTwips.height()));
    chkFind->setFont(fonts::systemBold());
    chkFind->setChecked(true);

    Image1 = new Picture(this);
    Image1->setAccessibleName(config.pictureName);
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
    const QString typed = txtFind->text(); // as typed: leading and trailing spaces count
    if (typed.isEmpty())
        return; // nothing at all happens, and the target window is left untouched

    // Reaching the target through its window's instance creates that window, hidden,
    // when it is gone (the information window after its close box).
    TextBox* target = m_config.target();
    const auto result = textsearch::find(target->text(), target->selStart(), typed, chkFind->isChecked());
    if (!result)
        return;
    target->setSelection(int(result->selStart), int(result->selLength));
    hide();
    if (result->notFound)
        platform().messageBox(result->message, QStringLiteral("Find"), MsgIcon::Information, MsgButtons::Ok);
}

void FrmFind::cmdCancel_Click()
{
    hide();
}

void FrmFind::closeEvent(QCloseEvent* e)
{
    // The dialog has no close box; should the window manager still ask it to close
    // (Alt+F4), it leaves as Cancel does and keeps its search text.
    e->ignore();
    cmdCancel_Click();
}
