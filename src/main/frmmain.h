// The main window: chapter reader on the left, study notes on the right, the clock,
// the menus and the commands that open the other windows.
#pragma once

#include <QMainWindow>
#include <memory>

class DataBar;
class NotesBox;
class PrintLayout;
class Picture;
class TextBox;
class CommonDialog;
class QAction;
class QComboBox;
class QFrame;
class QLabel;
class QMenu;
class QPushButton;
class QTimer;

class FrmMain final : public QMainWindow {
    Q_OBJECT
public:
    FrmMain();
    ~FrmMain() override;

    // Controls, named as designed.
    TextBox* txtProverbs;
    NotesBox* txtNotes;
    QLabel* lblDate;
    QLabel* LblTime;
    QPushButton* cmdExit;
    QFrame* Picture1;
    QLabel* lblFileName;
    QPushButton* cmdANnew;
    QPushButton* cmdANopen;
    QPushButton* cmdANsave;
    QPushButton* cmdANcopy;
    QPushButton* cmdANprint;
    QLabel* Label1;
    QFrame* Picture2;
    Picture* Image2;
    QPushButton* cmdIntro;
    TextBox* txtTitle;
    QComboBox* Combo1;
    DataBar* DataP1;
    Picture* Image1;
    QTimer* Timer1;
    std::unique_ptr<CommonDialog> CommonDialog1;

    QMenu* mnuFile;
    QAction* mnuFileNewPage;
    QAction* mnuFileOpenNotes;
    QAction* mnuFileSave;
    QAction* mnuFileSaveAs;
    QAction* mnuFilePrint;
    QAction* mnuFileExit;
    QMenu* mnuEdit;
    QAction* mnuEditCopy;
    QAction* mnuEditCut;
    QAction* mnuEditPaste;
    QMenu* mnuFormat;
    QAction* mnuFormatFont;
    QAction* mnuFormatBold;
    QMenu* mnuSearch;
    QAction* mnuSearchProverbs;
    QAction* mnuSearchNotes;
    QMenu* mnuHelp;
    QAction* mnuHelpAbout;
    QAction* mnuHelpHowTo;
    QAction* mnuHelpBookShelf;
    QAction* mnuHelpRealHelp;

    // The notes file in use; lblFileName always shows it.
    QString notesFileName;
    // The print layout of the last Print command.
    std::unique_ptr<PrintLayout> printLayout;

    // Handlers.
    void Form_Load();
    void Timer1_Timer();
    void cmdExit_Click();
    void mnuFileExit_Click();
    void mnuHelpAbout_Click();
    void Combo1_Click();
    void cmdIntro_Click();
    void Image1_Click();
    void Image2_Click();
    void mnuSearchProverbs_Click();
    void mnuSearchNotes_Click();
    void mnuHelpHowTo_Click();
    void mnuHelpBookShelf_Click();
    void mnuHelpRealHelp_Click();

    void mnuFileNewPage_Click();
    void mnuFileOpenNotes_Click();
    void mnuFileSave_Click();
    void mnuFileSaveAs_Click();
    void mnuFilePrint_Click();
    void cmdANcopy_Click();
    void mnuEditCopy_Click();
    void mnuEditCut_Click();
    void mnuEditPaste_Click();
    void mnuFormatFont_Click();
    void mnuFormatBold_Click();

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    void buildReader();
    void buildNotes();
    void buildClockAndCommands();
    void buildMenus();
    void setTabOrder();
    void nameForAccessibility();
    void setNotesFileName(const QString& path);
    QPushButton* button(const QString& name, const QString& text, QRect geometry, bool systemFont);
    QAction* item(QMenu* menu, const QString& name, const QString& text,
                  const QKeySequence& shortcut, void (FrmMain::*handler)());
};
