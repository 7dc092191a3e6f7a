// The font dialog: face, size, bold and italic, and with effects also strikethrough,
// underline and a text colour from the sixteen basic colours.
#pragma once

#include "fontattributes.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;

class FontChooser final : public QDialog {
    Q_OBJECT
public:
    FontChooser(const FontAttributes& font, bool effects, QWidget* parent = nullptr);

    // The dialog's values; a size that is not a number keeps the size it was given.
    FontAttributes chosen() const;

    QComboBox* fontName;
    QComboBox* fontSize;
    QCheckBox* fontBold;
    QCheckBox* fontItalic;
    QCheckBox* fontStrikethru;
    QCheckBox* fontUnderline;
    QComboBox* foreColor;
    QLabel* sample;

private:
    void showSample();

    FontAttributes m_given;
};
