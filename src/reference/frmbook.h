// The bookshelf: recommended study books from Pbook.mdb, one at a time, stepped
// through with the arrow bar.
#pragma once

#include "controls/form.h"

class DataBar;
class Picture;
class TextBox;
class QLabel;
class QPushButton;

class FrmBook final : public Form {
    Q_OBJECT
public:
    FrmBook();

    QLabel* Label1;
    QPushButton* cmdBReturn;
    TextBox* txtTitle;
    QLabel* lblTitle;
    TextBox* txtAuthor;
    QLabel* lblAuthor;
    TextBox* txtPub;
    QLabel* lblPub;
    TextBox* txtComments;
    QLabel* lblComments;
    DataBar* Data1;
    Picture* Image1;

    void cmdBReturn_Click();

private:
    TextBox* field(const QString& name, QRect geometry, const QColor& text, const QFont& font);
    QLabel* heading(const QString& name, const QString& text, QRect geometry);
};
