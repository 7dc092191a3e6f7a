// The introduction to Proverbs: author, date, what proverbs, knowledge and wisdom
// are, and the key verse; it leads on to the outline.
#pragma once

#include "controls/form.h"

class TextBox;
class QPushButton;

class FrmIntro final : public Form {
    Q_OBJECT
public:
    FrmIntro();

    TextBox* txtIntro;
    QPushButton* cmdRIntro;
    QPushButton* Cmdout1;

    void cmdRIntro_Click();
    void Cmdout1_Click();
};
