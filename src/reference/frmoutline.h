// The outline of Proverbs, chapter by chapter.
#pragma once

#include "controls/form.h"

class QPushButton;

class FrmOutline final : public Form {
    Q_OBJECT
public:
    FrmOutline();

    QPushButton* cmdOutReturn;

    void cmdOutReturn_Click();
};
