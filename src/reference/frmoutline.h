// The outline of Proverbs, chapter by chapter, under its heading.
#pragma once

#include "controls/form.h"

class TextBox;
class QLabel;
class QPushButton;

class FrmOutline final : public Form {
    Q_OBJECT
public:
    FrmOutline();

    QLabel* Label1;
    QWidget* Line1;
    TextBox* txtOutline;
    QPushButton* cmdOutReturn;

    void cmdOutReturn_Click();
};
