#include "frmreal.h"

#include "app/windows.h"
#include "controls/style.h"
#include "controls/twips.h"
#include "reference/pagecontrols.h"
#include "reference/readingtext.h"

#include <QLabel>
#include <QPushButton>

namespace {
enum class Role { Title, Heading, Passage, Appeal };

struct LabelRow {
    QLabel* FrmReal::*member;
    const char* name;
    Role role;
    int top, width, height;
    Qt::Alignment alignment;
    const char* text; // headings and the two sentences; passages come from the resource
};

// From the top of the page down; each label is laid over those above it, so where
// two boxes share a strip the lower label's text stays whole.
const LabelRow labelRows[] = {
    {&FrmReal::lblTitle, "lblTitle", Role::Title, 0, 8175, 495, Qt::AlignHCenter,
     "Do you know that if you died today, you would go to Heaven?  "
     "If you could know for sure, would you do what the Bible says?"},
    {&FrmReal::lblGood, "lblGood", Role::Heading, 480, 1455, 255, Qt::AlignLeft, "Who is Good?"},
    {&FrmReal::lblRom310, "lblRom310", Role::Passage, 720, 6015, 255, Qt::AlignLeft, nullptr},
    {&FrmReal::lblWho, "lblWho", Role::Heading, 960, 1815, 255, Qt::AlignLeft, "Who Has Sinned?"},
    {&FrmReal::lblRom323, "lblRom323", Role::Passage, 1200, 7095, 255, Qt::AlignLeft, nullptr},
    {&FrmReal::lblWhere, "lblWhere", Role::Heading, 1440, 2055, 255, Qt::AlignLeft, "Where Sin Came From"},
    {&FrmReal::lblRom512, "lblRom512", Role::Passage, 1680, 8055, 495, Qt::AlignLeft, nullptr},
    {&FrmReal::lblPrice, "lblPrice", Role::Heading, 2160, 2175, 255, Qt::AlignLeft, "God's Price On Sin"},
    {&FrmReal::lblRom623, "lblRom623", Role::Passage, 2400, 8055, 495, Qt::AlignLeft, nullptr},
    {&FrmReal::lblWay, "lblWay", Role::Heading, 2880, 1215, 255, Qt::AlignLeft, "Our Way Out"},
    {&FrmReal::lblRom58, "lblRom58", Role::Passage, 3120, 8415, 495, Qt::AlignLeft, nullptr},
    {&FrmReal::lblRom1013, "lblRom1013", Role::Passage, 3600, 7935, 495, Qt::AlignLeft, nullptr},
    {&FrmReal::lblEnd, "lblEnd", Role::Appeal, 3840, 8415, 495, Qt::AlignHCenter,
     "Take God at His word and claim His promise for your salvation.  "
     "Right now, ask Jesus Christ to forgive your sins and save your soul."},
    {&FrmReal::lblRom109, "lblRom109", Role::Passage, 4320, 8295, 975, Qt::AlignHCenter, nullptr},
};

QColor textColour(Role role)
{
    switch (role) {
    case Role::Title: return colors::blue;
    case Role::Heading: case Role::Appeal: return colors::darkRed;
    case Role::Passage: break;
    }
    return colors::teal;
}
} // namespace

FrmReal::FrmReal()
    : Form(QStringLiteral("frmReal"), caption(QStringLiteral("Quillmere"), 104, QStringLiteral("Real Help")),
           QRect(1590, 1380, 8910, 5850), Frame::FixedSingle)
{
    pagecontrols::setBackground(this, colors::white);

    const QHash<QString, QString> passages =
        readingtext::namedLines(readingtext::load(QStringLiteral(":/text/real.txt")));
    for (const LabelRow& row : labelRows) {
        const QString name = QString::fromLatin1(row.name);
        const QString text = row.text ? QString::fromLatin1(row.text) : passages.value(name);
        QLabel* l = pagecontrols::label(this, name, text, twips::rect(360, row.top, row.width, row.height),
                                        colors::white, textColour(row.role),
                                        fonts::font(QStringLiteral("MS Sans Serif"), 9.75,
                                                    row.role == Role::Title ? 700 : 400),
                                        row.alignment);
        l->raise(); // over every label above it
        this->*row.member = l;
    }

    // The page is 8910 twips wide, so the button stands inside it: in the free strip to
    // the right of the Romans 3:23 passage, 120 twips from the right edge, over no label.
    cmdRReturn = pagecontrols::button(this, QStringLiteral("cmdRReturn"), QStringLiteral("&Return"),
                                      twips::rect(360 + 7095, 1080, 1335, 495));
    connect(cmdRReturn, &QPushButton::clicked, this, &FrmReal::cmdRReturn_Click);
    cmdRReturn->setFocus();
}

void FrmReal::cmdRReturn_Click()
{
    frmReal.hide();
}
