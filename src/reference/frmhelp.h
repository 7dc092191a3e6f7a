// The help window: the help text from phelp.mdb under the program's name.
#pragma once

#include "controls/form.h"

class DataBar;
class TextBox;
class QPushButton;
class QTimer;

class FrmHelp final : public Form {
    Q_OBJECT
public:
    FrmHelp();

    TextBox* Text1;
    QPushButton* cmdExit;
    TextBox* Text2;
    DataBar* DataH;
    QTimer* Timer1;

    void cmdExit_Click();
};
