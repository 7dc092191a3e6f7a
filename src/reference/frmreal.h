// The scripture page: headed passages from Romans on sin and salvation.
#pragma once

#include "controls/form.h"

class QLabel;
class QPushButton;

class FrmReal final : public Form {
    Q_OBJECT
public:
    FrmReal();

    QLabel* lblTitle;
    QLabel* lblGood;
    QLabel* lblRom310;
    QLabel* lblWho;
    QLabel* lblRom323;
    QLabel* lblWhere;
    QLabel* lblRom512;
    QLabel* lblPrice;
    QLabel* lblRom623;
    QLabel* lblWay;
    QLabel* lblRom58;
    QLabel* lblRom1013;
    QLabel* lblEnd;
    QLabel* lblRom109;
    QPushButton* cmdRReturn;

    void cmdRReturn_Click();
};
