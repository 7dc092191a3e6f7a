// The find dialog: one class, three configurations (Proverbs, notes, information).
#pragma once

#include "controls/form.h"

class Picture;
class TextBox;
class QCheckBox;
class QLineEdit;
class QPushButton;

class FrmFind final : public Form {
    Q_OBJECT
public:
    using Handler = void (FrmFind::*)();

    // Everything in which the three dialogs differ.
    struct Config {
        QString name;      // frmFindP …
        QString caption;
        QString suffix;    // P, N, INFO: the control names end in it
        QString checkName; // chkFindP, chkFindN, chkFindInfo
        QPoint placeTwips;
        QSize checkTwips;
        bool checkBeforeCancel; // tab order: … Find, Ignore Case, Cancel
        QString picture;
        QString pictureName; // what the picture shows, for assistive technology
        int pictureLeft;
        TextBox* (*target)(); // the box this dialog searches, reached through its window
        Handler findClick;    // cmdFindP_Click …
        Handler cancelClick;  // cmdCancelP_Click …
    };
    static Config proverbs();
    static Config notes();
    static Config info();

    explicit FrmFind(const Config& config);

    QLineEdit* txtFind;
    QPushButton* cmdFind;
    QPushButton* cmdCancel;
    QCheckBox* chkFind;
    Picture* Image1;

    // The buttons' handlers under their own names; each dialog's buttons call its pair.
    void cmdFindP_Click() { cmdFind_Click(); }
    void cmdFindN_Click() { cmdFind_Click(); }
    void cmdFindINFO_Click() { cmdFind_Click(); }
    void cmdCancelP_Click() { cmdCancel_Click(); }
    void cmdCancelN_Click() { cmdCancel_Click(); }
    void cmdCancelINFO_Click() { cmdCancel_Click(); }

    void cmdFind_Click();
    void cmdCancel_Click();

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    Config m_config;
};
