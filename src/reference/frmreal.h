// The scripture page: headed passages on sin and salvation.
#pragma once

#include "controls/form.h"

class QPushButton;

class FrmReal final : public Form {
    Q_OBJECT
public:
    FrmReal();

    QPushButton* cmdRReturn;

    void cmdRReturn_Click();
};
