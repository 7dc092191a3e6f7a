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
        int pictureLeft;
        TextBox* (*target)(); // the box this dialog searches, reached through its window
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

    void cmdFind_Click();
    void cmdCancel_Click();

private:
    Config m_config;
};
