#include "frmmain.h"

#include "app/windows.h"
#include "controls/form.h"
#include "controls/picture.h"
#include "controls/shortcuts.h"
#include "controls/style.h"
#include "controls/twips.h"
#include "main/clockformat.h"
#include "notes/notesbox.h"
#include "notes/notesfile.h"
#include "notes/printlayout.h"
#include "notes/printnotes.h"
#include "platform/commondialog.h"
#include "platform/platform.h"
#include "platform/printerjob.h"
#include "records/criterion.h"
#include "records/databar.h"
#include "records/recordsource.h"
#include "reference/frmbook.h"
#include "reference/frmhelp.h"
#include "reference/frminfo.h"
#include "reference/frmintro.h"
#include "reference/frmreal.h"
#include "search/frmfind.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>

namespace {
template <class W>
W* named(W* w, const QString& name, QRect geometry)
{
    w->setObjectName(name);
    w->setGeometry(geometry);
    return w;
}
} // namespace

FrmMain::FrmMain()
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(Form::caption(QStringLiteral("      Quillmere"), 153, QStringLiteral("Version 1.1")));
    setWindowIcon(Picture::icon(QStringLiteral(":/pictures/redbook.svg")));
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    setColors(client, colors::teal, Qt::black);
    client->setFont(fonts::defaultFont());
    setCentralWidget(client);

    buildReader();
    buildNotes();
    buildClockAndCommands();
    buildMenus();
    setTabOrder();
    nameForAccessibility();

    // The client area lies at its designed place and size; the menu bar sits above it.
    const int menuHeight = menuBar()->sizeHint().height();
    const QRect area = twips::rect(60, 690, 11850, 7890);
    setGeometry(area.x(), area.y() - menuHeight, area.width(), area.height() + menuHeight);

    Form_Load();
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(500);
    connect(Timer1, &QTimer::timeout, this, &FrmMain::Timer1_Timer);
    Timer1->start();

    DataP1->open();
    txtProverbs->setFocus();
}

FrmMain::~FrmMain() = default;

QPushButton* FrmMain::button(const QString& name, const QString& text, QRect geometry, bool systemFont)
{
    auto* b = named(new QPushButton(text, centralWidget()), name, geometry);
    b->setAutoDefault(false);
    if (systemFont)
        b->setFont(fonts::systemBold());
    return b;
}

void FrmMain::buildReader()
{
    QWidget* c = centralWidget();
    txtProverbs = named(new TextBox(c), QStringLiteral("txtProverbs"), twips::rect(600, 720, 5415, 5535));
    txtProverbs->setLocked(true);
    txtProverbs->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setColors(txtProverbs, colors::lightGrey, colors::navy);
    txtProverbs->setFont(fonts::timesBold());

    txtTitle = named(new TextBox(c), QStringLiteral("txtTitle"), twips::rect(2520, 360, 1695, 375));
    txtTitle->setMultiLine(false);
    txtTitle->setLocked(true);
    txtTitle->setFrameShape(QFrame::NoFrame);
    txtTitle->setCentred(true);
    setColors(txtTitle, colors::teal, colors::navy);
    txtTitle->setFont(fonts::systemBold());

    Combo1 = named(new QComboBox(c), QStringLiteral("Combo1"), twips::rect(600, 7080, 2775, 360));
    Combo1->setEditable(true);
    Combo1->setInsertPolicy(QComboBox::NoInsert);
    // Typing selects no chapter: no completion, and the edit field's text is never matched.
    Combo1->setCompleter(nullptr);
    Combo1->setDuplicatesEnabled(true);
    // QComboBox would select an item whose text was typed once editing finishes.
    QObject::disconnect(Combo1->lineEdit(), &QLineEdit::editingFinished, nullptr, nullptr);
    for (int i = 1; i <= 31; ++i)
        Combo1->addItem(QStringLiteral("Chapter %1").arg(i));
    Combo1->setCurrentIndex(-1);
    Combo1->setEditText(QStringLiteral("Chapters"));
    Combo1->setMaxVisibleItems(12);
    setColors(Combo1, colors::lightGrey, colors::navy);
    Combo1->setFont(fonts::systemBold());
    shortcuts::yieldToMenus(Combo1->lineEdit());
    connect(Combo1, &QComboBox::activated, this, &FrmMain::Combo1_Click);

    DataP1 = named(new DataBar(QStringLiteral("pad.mdb"), QStringLiteral("pad"),
                               {QStringLiteral("title"), QStringLiteral("chapter")}, c),
                   QStringLiteral("DataP1"), twips::rect(600, 6720, 2775, 375));
    DataP1->setCaption(QStringLiteral("      Proverbs"));
    setColors(DataP1, colors::teal, colors::darkRed);
    DataP1->setFont(fonts::systemBold());
    DataP1->bind(txtTitle, QStringLiteral("title"));
    DataP1->bind(txtProverbs, QStringLiteral("chapter"));

    Label1 = named(new QLabel(QStringLiteral("To Info Area"), c), QStringLiteral("Label1"),
                   twips::rect(3600, 7200, 1575, 255));
    Label1->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    setColors(Label1, colors::teal, colors::darkRed);
    Label1->setFont(fonts::systemBold());

    Image1 = named(new Picture(c), QStringLiteral("Image1"), twips::rect(4080, 6480, 615, 615));
    Image1->setPicture(QStringLiteral(":/pictures/bookshelf.svg"));
    Image1->setPointer(QStringLiteral(":/pictures/pencil.svg"), QPoint(1, 30));
    connect(Image1, &Picture::clicked, this, &FrmMain::Image1_Click);
}

void FrmMain::buildNotes()
{
    QWidget* c = centralWidget();
    txtNotes = named(new NotesBox(c), QStringLiteral("txtNotes"), twips::rect(6840, 1200, 4295, 4815));
    txtNotes->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setColors(txtNotes, colors::lightGrey, colors::darkRed);
    txtNotes->setFont(fonts::timesBold());

    Picture1 = named(new QFrame(c), QStringLiteral("Picture1"), twips::rect(6840, 6000, 4295, 270));
    Picture1->setFrameShape(QFrame::Box);
    setColors(Picture1, colors::lightGrey, colors::darkRed);
    lblFileName = named(new QLabel(Picture1), QStringLiteral("lblFileName"), twips::rect(1560, 0, 915, 300));
    lblFileName->setFrameShape(QFrame::Box);
    lblFileName->setAlignment(Qt::AlignCenter);
    setColors(lblFileName, colors::lightGrey, colors::darkRed);
    lblFileName->hide(); // an empty auto-sized label shows nothing

    cmdANnew = button(QStringLiteral("cmdANnew"), QStringLiteral("New"), twips::rect(7560, 720, 705, 495), false);
    cmdANopen = button(QStringLiteral("cmdANopen"), QStringLiteral("Open"), twips::rect(8280, 720, 705, 495), false);
    cmdANsave = button(QStringLiteral("cmdANsave"), QStringLiteral("Save"), twips::rect(9000, 720, 705, 495), false);
    cmdANcopy = button(QStringLiteral("cmdANcopy"), QStringLiteral("Copy"), twips::rect(9720, 720, 705, 495), false);
    cmdANprint = button(QStringLiteral("cmdANprint"), QStringLiteral("Print"), twips::rect(10440, 720, 705, 495), false);
    connect(cmdANnew, &QPushButton::clicked, this, &FrmMain::mnuFileNewPage_Click);
    connect(cmdANopen, &QPushButton::clicked, this, &FrmMain::mnuFileOpenNotes_Click);
    connect(cmdANsave, &QPushButton::clicked, this, &FrmMain::mnuFileSave_Click);
    connect(cmdANcopy, &QPushButton::clicked, this, &FrmMain::cmdANcopy_Click);
    connect(cmdANprint, &QPushButton::clicked, this, &FrmMain::mnuFilePrint_Click);

    Picture2 = named(new QFrame(c), QStringLiteral("Picture2"), twips::rect(6840, 720, 705, 495));
    Picture2->setFrameShape(QFrame::Panel);
    Picture2->setFrameShadow(QFrame::Sunken);
    Image2 = named(new Picture(Picture2), QStringLiteral("Image2"), twips::rect(120, 0, 480, 480));
    Image2->setPicture(QStringLiteral(":/pictures/binoculars.svg"));
    Image2->setPointer(QStringLiteral(":/pictures/lightbulb.svg"), QPoint(16, 16));
    connect(Image2, &Picture::clicked, this, &FrmMain::Image2_Click);

    CommonDialog1 = std::make_unique<CommonDialog>();
    printLayout = std::make_unique<PrintLayout>();
}

void FrmMain::buildClockAndCommands()
{
    QWidget* c = centralWidget();
    lblDate = named(new QLabel(c), QStringLiteral("lblDate"), twips::rect(5520, 360, 75, 240));
    setColors(lblDate, colors::teal, colors::navy);
    lblDate->setFont(fonts::font(QStringLiteral("MS Sans Serif"), 9.75, 700));
    LblTime = named(new QLabel(c), QStringLiteral("LblTime"), twips::rect(6840, 120, 735, 255));
    setColors(LblTime, colors::teal, colors::navy);

    cmdExit = button(QStringLiteral("cmdExit"), QStringLiteral("E&xit"), twips::rect(10080, 7080, 1335, 495), true);
    connect(cmdExit, &QPushButton::clicked, this, &FrmMain::cmdExit_Click);
    cmdIntro = button(QStringLiteral("cmdIntro"), QStringLiteral("&Intro"), twips::rect(6480, 7080, 1335, 495), true);
    connect(cmdIntro, &QPushButton::clicked, this, &FrmMain::cmdIntro_Click);
}

QAction* FrmMain::item(QMenu* menu, const QString& name, const QString& text,
                       const QKeySequence& shortcut, void (FrmMain::*handler)())
{
    auto* a = menu->addAction(text);
    a->setObjectName(name);
    a->setShortcut(shortcut);
    a->setShortcutContext(Qt::WindowShortcut);
    connect(a, &QAction::triggered, this, handler);
    return a;
}

void FrmMain::buildMenus()
{
    QMenuBar* bar = menuBar();
    auto menu = [bar](const QString& name, const QString& text) {
        QMenu* m = bar->addMenu(text);
        m->setObjectName(name);
        return m;
    };
    mnuFile = menu(QStringLiteral("mnuFile"), QStringLiteral("&File"));
    mnuFileNewPage = item(mnuFile, QStringLiteral("mnuFileNewPage"), QStringLiteral("&New Page"), {}, &FrmMain::mnuFileNewPage_Click);
    mnuFileOpenNotes = item(mnuFile, QStringLiteral("mnuFileOpenNotes"), QStringLiteral("&Open Notes"), Qt::CTRL | Qt::Key_O, &FrmMain::mnuFileOpenNotes_Click);
    mnuFileSave = item(mnuFile, QStringLiteral("mnuFileSave"), QStringLiteral("&Save Notes"), Qt::CTRL | Qt::Key_S, &FrmMain::mnuFileSave_Click);
    mnuFileSaveAs = item(mnuFile, QStringLiteral("mnuFileSaveAs"), QStringLiteral("Save &As"), Qt::Key_F3, &FrmMain::mnuFileSaveAs_Click);
    mnuFilePrint = item(mnuFile, QStringLiteral("mnuFilePrint"), QStringLiteral("&Print"), Qt::CTRL | Qt::Key_P, &FrmMain::mnuFilePrint_Click);
    mnuFile->addSeparator()->setObjectName(QStringLiteral("mnuFileSep"));
    mnuFileExit = item(mnuFile, QStringLiteral("mnuFileExit"), QStringLiteral("E&xit"), Qt::CTRL | Qt::Key_Q, &FrmMain::mnuFileExit_Click);

    mnuEdit = menu(QStringLiteral("mnuEdit"), QStringLiteral("&Edit"));
    mnuEditCopy = item(mnuEdit, QStringLiteral("mnuEditCopy"), QStringLiteral("&Copy"), Qt::CTRL | Qt::Key_C, &FrmMain::mnuEditCopy_Click);
    mnuEditCut = item(mnuEdit, QStringLiteral("mnuEditCut"), QStringLiteral("Cu&t"), Qt::CTRL | Qt::Key_X, &FrmMain::mnuEditCut_Click);
    mnuEditPaste = item(mnuEdit, QStringLiteral("mnuEditPaste"), QStringLiteral("&Paste"), Qt::CTRL | Qt::Key_V, &FrmMain::mnuEditPaste_Click);

    mnuFormat = menu(QStringLiteral("mnuFormat"), QStringLiteral("F&ormat"));
    mnuFormatFont = item(mnuFormat, QStringLiteral("mnuFormatFont"), QStringLiteral("&Font"), Qt::CTRL | Qt::Key_F, &FrmMain::mnuFormatFont_Click);
    mnuFormatBold = item(mnuFormat, QStringLiteral("mnuFormatBold"), QStringLiteral("&Bold"), Qt::CTRL | Qt::Key_B, &FrmMain::mnuFormatBold_Click);
    mnuFormatBold->setCheckable(true);

    mnuSearch = menu(QStringLiteral("mnuSearch"), QStringLiteral("&Search"));
    mnuSearchProverbs = item(mnuSearch, QStringLiteral("mnuSearchProverbs"), QStringLiteral("Search &Proverbs"), Qt::CTRL | Qt::Key_Z, &FrmMain::mnuSearchProverbs_Click);
    mnuSearchNotes = item(mnuSearch, QStringLiteral("mnuSearchNotes"), QStringLiteral("Search &Notes"), {}, &FrmMain::mnuSearchNotes_Click);

    mnuHelp = menu(QStringLiteral("mnuHelp"), QStringLiteral("&Help"));
    mnuHelpAbout = item(mnuHelp, QStringLiteral("mnuHelpAbout"), QStringLiteral("&About This Program"), {}, &FrmMain::mnuHelpAbout_Click);
    mnuHelpHowTo = item(mnuHelp, QStringLiteral("mnuHelpHowTo"), QStringLiteral("&How to Use This Program"), Qt::Key_F1, &FrmMain::mnuHelpHowTo_Click);
    mnuHelp->addSeparator()->setObjectName(QStringLiteral("mnuHelpSep1"));
    mnuHelpBookShelf = item(mnuHelp, QStringLiteral("mnuHelpBookShelf"), QStringLiteral("&Book Shelf"), {}, &FrmMain::mnuHelpBookShelf_Click);
    mnuHelpRealHelp = item(mnuHelp, QStringLiteral("mnuHelpRealHelp"), QStringLiteral("&Real Help"), {}, &FrmMain::mnuHelpRealHelp_Click);
}

void FrmMain::nameForAccessibility()
{
    // Buttons and labels are named by their captions; these controls show no caption.
    txtProverbs->setAccessibleName(QStringLiteral("Chapter text"));
    txtTitle->setAccessibleName(QStringLiteral("Chapter title"));
    txtNotes->setAccessibleName(QStringLiteral("Notes"));
    Combo1->setAccessibleName(QStringLiteral("Chapters"));
    DataP1->setAccessibleName(QStringLiteral("Proverbs chapters: first, previous, next, last"));
    Image1->setAccessibleName(QStringLiteral("To Info Area"));
    Image2->setAccessibleName(QStringLiteral("Search Notes"));
    Picture1->setAccessibleName(QStringLiteral("Notes file"));
    lblFileName->setAccessibleName(QStringLiteral("Notes file name"));
    lblDate->setAccessibleName(QStringLiteral("Date"));
    LblTime->setAccessibleName(QStringLiteral("Time"));
}

void FrmMain::setTabOrder()
{
    const QList<QWidget*> order = {txtProverbs, txtNotes, cmdExit, cmdANnew, cmdANopen, cmdANsave,
                                   cmdANcopy, cmdANprint, cmdIntro, txtTitle, Combo1};
    for (qsizetype i = 0; i + 1 < order.size(); ++i)
        QWidget::setTabOrder(order[i], order[i + 1]);
}

void FrmMain::Form_Load()
{
    const QDateTime now = platform().now();
    lblDate->setText(clockformat::date(now.date(), platform().locale()));
    lblDate->adjustSize();
    LblTime->setText(clockformat::time(now.time()));
}

void FrmMain::Timer1_Timer()
{
    const QDateTime now = platform().now();
    LblTime->setText(clockformat::time(now.time()));
    lblDate->setText(clockformat::date(now.date(), platform().locale()));
    lblDate->adjustSize();
}

void FrmMain::cmdExit_Click()
{
    if (platform().messageBox(QStringLiteral("Are you sure you want to end your study?"),
                              QStringLiteral("Quillmere"), MsgIcon::Question, MsgButtons::OkCancel)
        != MsgResult::Ok)
        return;
    platform().beep();
    endProgram();
}

void FrmMain::closeEvent(QCloseEvent* e)
{
    // The main window never closes by itself: a close request asks first.
    e->ignore();
    cmdExit_Click();
}

void FrmMain::mnuFileExit_Click()
{
    endProgram();
}

void FrmMain::mnuHelpAbout_Click()
{
    platform().beep();
    platform().messageBox(QStringLiteral("Quillmere, written by the Quillmere developers for daily study of Proverbs, Version 1.1.0"),
                          QStringLiteral("About Quillmere"), MsgIcon::Information, MsgButtons::Ok);
}

void FrmMain::Combo1_Click()
{
    DataP1->recordset()->findFirst(Criterion::build(QStringLiteral("Title"), Combo1->currentText()));
}

void FrmMain::cmdIntro_Click() { frmIntro.show(); }
void FrmMain::Image2_Click() { frmFindN.show(); }
void FrmMain::mnuSearchProverbs_Click() { frmFindP.show(); }
void FrmMain::mnuSearchNotes_Click() { frmFindN.show(); }
void FrmMain::mnuHelpBookShelf_Click() { frmBook.show(); }
void FrmMain::mnuHelpRealHelp_Click() { frmReal.show(); }

void FrmMain::Image1_Click()
{
    frmInfo.show();
    frmInfo->DataF->recordset()->moveFirst();
}

void FrmMain::mnuHelpHowTo_Click()
{
    frmHelp.show();
    frmHelp->DataH->recordset()->moveFirst();
}

// The notes commands.
namespace {
const QString programTitle = QStringLiteral("Quillmere");

void setUpFileDialog(CommonDialog& dialog)
{
    dialog.Filter = QStringLiteral("Text files|*.TXT");
    dialog.FilterIndex = 1;
}
} // namespace

void FrmMain::setNotesFileName(const QString& path)
{
    lblFileName->setText(path);
    lblFileName->adjustSize();
    lblFileName->setVisible(!path.isEmpty());
    notesFileName = path;
}

void FrmMain::mnuFileNewPage_Click()
{
    if (platform().messageBox(QStringLiteral("Erase all text?"), QStringLiteral("New"), MsgIcon::Question,
                              MsgButtons::OkCancel)
        != MsgResult::Ok)
        return;
    txtNotes->setText(QString());
    setNotesFileName(QString());
}

void FrmMain::mnuFileOpenNotes_Click()
{
    setUpFileDialog(*CommonDialog1);
    if (!CommonDialog1->ShowOpen())
        return; // a cancel ends the command; the last path is not read again
    const QString path = CommonDialog1->FileName;
    const notesfile::ReadResult file = notesfile::read(path);
    if (file.status == notesfile::ReadResult::TooLarge)
        platform().messageBox(QStringLiteral("%1 is too large to open as notes: the largest is %2 MiB.")
                                  .arg(path).arg(notesfile::largestSize / (1024 * 1024)),
                              programTitle, MsgIcon::Warning, MsgButtons::Ok);
    if (file.status != notesfile::ReadResult::Read)
        return; // a missing or unreadable file ends the command silently
    txtNotes->setText(file.text);
    setNotesFileName(path);
}

void FrmMain::mnuFileSave_Click()
{
    if (notesFileName.isEmpty()) {
        mnuFileSaveAs_Click();
        return;
    }
    const QString failure = notesfile::write(notesFileName, txtNotes->text());
    if (!failure.isEmpty())
        platform().messageBox(QStringLiteral("The notes could not be saved to %1.\n%2").arg(notesFileName, failure),
                              programTitle, MsgIcon::Warning, MsgButtons::Ok);
}

void FrmMain::mnuFileSaveAs_Click()
{
    setUpFileDialog(*CommonDialog1);
    if (!CommonDialog1->ShowSave())
        return;
    const QString path = CommonDialog1->FileName;
    if (!notesfile::write(path, txtNotes->text()).isEmpty())
        return; // no "Saving As" and no new file name tell the user it failed
    platform().messageBox(QStringLiteral("Saving As: ") + path, programTitle, MsgIcon::None, MsgButtons::Ok);
    setNotesFileName(path);
}

void FrmMain::mnuFilePrint_Click()
{
    const std::unique_ptr<PrinterJob> printer = platform().defaultPrinter();
    if (!printNotes(printer.get(), *printLayout, txtNotes->text(), txtNotes->fontAttributes()))
        platform().messageBox(QStringLiteral("Document could not be printed."), programTitle, MsgIcon::None,
                              MsgButtons::Ok);
}

// Copy, Cut and Paste act on the notes wherever the focus is; only the menu's own
// Copy and Cut grey themselves, until the next Paste.
void FrmMain::cmdANcopy_Click()
{
    platform().setClipboardText(txtNotes->selText());
}

void FrmMain::mnuEditCopy_Click()
{
    platform().setClipboardText(txtNotes->selText());
    mnuEditCopy->setEnabled(false);
    mnuEditCut->setEnabled(false);
}

void FrmMain::mnuEditCut_Click()
{
    platform().setClipboardText(txtNotes->selText());
    txtNotes->setSelText(QString());
    mnuEditCut->setEnabled(false);
    mnuEditCopy->setEnabled(false);
}

void FrmMain::mnuEditPaste_Click()
{
    bool readable = false;
    const QString text = platform().clipboardText(&readable);
    if (!readable) {
        platform().messageBox(QStringLiteral("The clipboard could not be read; the notes are unchanged."),
                              programTitle, MsgIcon::Warning, MsgButtons::Ok);
        return;
    }
    txtNotes->pasteText(text); // no text on the clipboard: the selection goes
    mnuEditCut->setEnabled(true);
    mnuEditCopy->setEnabled(true);
}

void FrmMain::mnuFormatFont_Click()
{
    CommonDialog1->Flags = 259; // screen and printer fonts, with strikethrough, underline and colour
    CommonDialog1->Font = txtNotes->fontAttributes();
    if (!CommonDialog1->ShowFont())
        return;
    txtNotes->setFontAttributes(CommonDialog1->Font);
}

void FrmMain::mnuFormatBold_Click()
{
    FontAttributes font = txtNotes->fontAttributes();
    font.FontBold = !font.FontBold;
    txtNotes->setFontAttributes(font);
    // The mark shows what the last Bold did, not what the font dialog chose.
    mnuFormatBold->setChecked(font.FontBold);
}
