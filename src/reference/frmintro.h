// The introduction to Proverbs.
#pragma once

#include "controls/form.h"

class QPushButton;

class FrmIntro final : public Form {
    Q_OBJECT
public:
    FrmIntro();

    QPushButton* cmdRIntro;

    void cmdRIntro_Click();
};
