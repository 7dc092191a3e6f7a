#include "frmbook.h"

#include "app/windows.h"
#include "controls/picture.h"
#include "controls/style.h"
#include "controls/textbox.h"
#include "controls/twips.h"
#include "records/databar.h"
#include "reference/pagecontrols.h"
#include "reference/readingtext.h"

#include <QLabel>
#include <QPushButton>

FrmBook::FrmBook()
    : Form(QStringLiteral("frmBook"), caption(QStringLiteral("Quillmere"), 101, QStringLiteral("Bookshelf")),
           QRect(1545, 975, 8700, 5895), Frame::FixedSingle)
{
    pagecontrols::setBackground(this, colors::teal);

    // The note is one paragraph; its resource ends with a line feed that is not part of it.
    Label1 = pagecontrols::label(this, QStringLiteral("Label1"),
                                 readingtext::load(QStringLiteral(":/text/booknote.txt")).trimmed(),
                                 twips::rect(600, 120, 7455, 855), colors::teal, colors::navy,
                                 fonts::sansBold(), Qt::AlignHCenter);

    cmdBReturn = pagecontrols::button(this, QStringLiteral("cmdBReturn"), QStringLiteral("&Return"),
                                      twips::rect(6480, 4920, 1215, 495));
    connect(cmdBReturn, &QPushButton::clicked, this, &FrmBook::cmdBReturn_Click);

    txtTitle = field(QStringLiteral("txtTitle"), twips::rect(840, 1320, 6855, 375), colors::darkRed, fonts::systemBold());
    lblTitle = heading(QStringLiteral("lblTitle"), QStringLiteral("Title:"), twips::rect(840, 1080, 615, 255));
    txtAuthor = field(QStringLiteral("txtAuthor"), twips::rect(840, 2040, 6855, 360), colors::darkRed, fonts::systemBold());
    lblAuthor = heading(QStringLiteral("lblAuthor"), QStringLiteral("Author:"), twips::rect(840, 1800, 855, 255));
    txtPub = field(QStringLiteral("txtPub"), twips::rect(840, 2760, 6855, 375), colors::darkRed, fonts::systemBold());
    lblPub = heading(QStringLiteral("lblPub"), QStringLiteral("Publisher:"), twips::rect(840, 2520, 1095, 255));
    txtComments = field(QStringLiteral("txtComments"), twips::rect(840, 3480, 6855, 1215), colors::navy, fonts::sans());
    txtComments->setMultiLine(true);
    lblComments = heading(QStringLiteral("lblComments"), QStringLiteral("Comments:"), twips::rect(840, 3240, 1215, 255));
    // Each box is named by its heading.
    lblTitle->setBuddy(txtTitle);
    lblAuthor->setBuddy(txtAuthor);
    lblPub->setBuddy(txtPub);
    lblComments->setBuddy(txtComments);

    Data1 = new DataBar(QStringLiteral("Pbook.mdb"), QStringLiteral("Books"),
                        {QStringLiteral("Title"), QStringLiteral("Author"), QStringLiteral("Pub"),
                         QStringLiteral("comments")},
                        this);
    Data1->setObjectName(QStringLiteral("Data1"));
    Data1->setAccessibleName(QStringLiteral("Books: first, previous, next, last"));
    Data1->setGeometry(twips::rect(2160, 4920, 3735, 495));
    Data1->setCaption(QStringLiteral(" Quillmere"));
    setColors(Data1, colors::lightGrey, colors::darkRed);
    Data1->setFont(fonts::sansBold());
    Data1->bind(txtTitle, QStringLiteral("Title"));
    Data1->bind(txtAuthor, QStringLiteral("Author"));
    Data1->bind(txtPub, QStringLiteral("Pub"));
    Data1->bind(txtComments, QStringLiteral("comments"));

    // Decoration only: no click, the ordinary pointer.
    Image1 = new Picture(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setAccessibleName(QStringLiteral("Bookshelf"));
    Image1->setGeometry(twips::rect(960, 4920, 735, 735));
    Image1->setPicture(QStringLiteral(":/pictures/bookshelf.svg"));

    // Labels never take the focus: Return, then the four boxes, then Return again.
    QWidget::setTabOrder(cmdBReturn, txtTitle);
    QWidget::setTabOrder(txtTitle, txtAuthor);
    QWidget::setTabOrder(txtAuthor, txtPub);
    QWidget::setTabOrder(txtPub, txtComments);

    Data1->open();
    cmdBReturn->setFocus();
}

void FrmBook::cmdBReturn_Click()
{
    frmBook.hide();
}

TextBox* FrmBook::field(const QString& name, QRect geometry, const QColor& text, const QFont& font)
{
    auto* box = new TextBox(this);
    box->setObjectName(name);
    box->setGeometry(geometry);
    box->setMultiLine(false);
    box->setLocked(true);
    setColors(box, colors::lightGrey, text);
    box->setFont(font);
    return box;
}

QLabel* FrmBook::heading(const QString& name, const QString& text, QRect geometry)
{
    QLabel* l = pagecontrols::label(this, name, text, geometry, colors::teal, colors::navy,
                                    fonts::systemBold(), Qt::AlignLeft);
    l->setWordWrap(false);
    l->lower(); // a heading reaches a pixel into its box: the box's border stays whole
    return l;
}
