// The bookshelf: recommended books from Pbook.mdb, one at a time.
#pragma once

#include "controls/form.h"

class QPushButton;

class FrmBook final : public Form {
    Q_OBJECT
public:
    FrmBook();

    QPushButton* cmdBReturn;

    void cmdBReturn_Click();
};
