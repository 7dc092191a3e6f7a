// The information window: the information text from pinfo.mdb.
#pragma once

#include "controls/form.h"

class DataBar;
class Picture;
class TextBox;
class QGroupBox;
class QLabel;
class QPushButton;

class FrmInfo final : public Form {
    Q_OBJECT
public:
    FrmInfo();

    TextBox* txtMy;
    DataBar* DataF;
    QPushButton* cmdOutline;
    QGroupBox* Frame1;
    QPushButton* cmdReturn;
    QLabel* Label1;
    Picture* Image1;

    void cmdReturn_Click();
    void cmdOutline_Click();
    void Image1_Click();
};
