#include "fontchooser.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleValidator>
#include <QFontDatabase>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QVBoxLayout>

namespace {
struct NamedColor {
    const char* name;
    QColor color;
};

const NamedColor basicColors[] = {
    {"Black", QColor(0, 0, 0)},         {"Maroon", QColor(128, 0, 0)},
    {"Green", QColor(0, 128, 0)},       {"Olive", QColor(128, 128, 0)},
    {"Navy", QColor(0, 0, 128)},        {"Purple", QColor(128, 0, 128)},
    {"Teal", QColor(0, 128, 128)},      {"Gray", QColor(128, 128, 128)},
    {"Silver", QColor(192, 192, 192)},  {"Red", QColor(255, 0, 0)},
    {"Lime", QColor(0, 255, 0)},        {"Yellow", QColor(255, 255, 0)},
    {"Blue", QColor(0, 0, 255)},        {"Fuchsia", QColor(255, 0, 255)},
    {"Aqua", QColor(0, 255, 255)},      {"White", QColor(255, 255, 255)},
};

QIcon swatch(const QColor& c)
{
    QPixmap p(16, 12);
    p.fill(c);
    return QIcon(p);
}

template <class W>
W* named(W* w, const char* name)
{
    w->setObjectName(QLatin1String(name));
    return w;
}
} // namespace

FontChooser::FontChooser(const FontAttributes& font, bool effects, QWidget* parent)
    : QDialog(parent)
    , m_given(font)
{
    setObjectName(QStringLiteral("FontChooser"));
    setWindowTitle(tr("Font"));

    // The name given stays as it is even when the system has no face of that name
    // (it prints with the face standing in for it).
    fontName = named(new QComboBox(this), "fontName");
    QStringList families = QFontDatabase::families();
    if (!families.contains(font.FontName))
        families.prepend(font.FontName);
    fontName->addItems(families);
    fontName->setCurrentText(font.FontName);

    fontSize = named(new QComboBox(this), "fontSize");
    fontSize->setEditable(true);
    fontSize->setInsertPolicy(QComboBox::NoInsert);
    for (int s : {8, 9, 10, 11, 12, 14, 16, 18, 20, 22, 24, 26, 28, 36, 48, 72})
        fontSize->addItem(QString::number(s));
    auto* sizes = new QDoubleValidator(1, 999, 2, fontSize);
    sizes->setLocale(QLocale::c());
    fontSize->setValidator(sizes);
    fontSize->setEditText(QLocale::c().toString(font.FontSize, 'g', 6));

    fontBold = named(new QCheckBox(tr("&Bold"), this), "fontBold");
    fontBold->setChecked(font.FontBold);
    fontItalic = named(new QCheckBox(tr("&Italic"), this), "fontItalic");
    fontItalic->setChecked(font.FontItalic);
    fontStrikethru = named(new QCheckBox(tr("Stri&keout"), this), "fontStrikethru");
    fontStrikethru->setChecked(font.FontStrikethru);
    fontUnderline = named(new QCheckBox(tr("&Underline"), this), "fontUnderline");
    fontUnderline->setChecked(font.FontUnderline);

    foreColor = named(new QComboBox(this), "foreColor");
    for (const NamedColor& c : basicColors)
        foreColor->addItem(swatch(c.color), QLatin1String(c.name), c.color);
    int colorIndex = foreColor->findData(font.ForeColor);
    if (colorIndex < 0) {
        foreColor->addItem(swatch(font.ForeColor), tr("Custom"), font.ForeColor);
        colorIndex = foreColor->count() - 1;
    }
    foreColor->setCurrentIndex(colorIndex);

    sample = named(new QLabel(QStringLiteral("AaBbYyZz"), this), "sample");
    sample->setMinimumSize(220, 60);
    sample->setAlignment(Qt::AlignCenter);
    sample->setFrameShape(QFrame::StyledPanel);

    auto* form = new QFormLayout;
    form->addRow(tr("&Font:"), fontName);
    form->addRow(tr("&Size:"), fontSize);
    form->addRow(QString(), fontBold);
    form->addRow(QString(), fontItalic);
    form->addRow(QString(), fontStrikethru);
    form->addRow(QString(), fontUnderline);
    form->addRow(tr("&Color:"), foreColor);
    form->addRow(tr("Sample:"), sample);
    // Without effects the dialog offers face, size and style only.
    for (QWidget* w : {static_cast<QWidget*>(fontStrikethru), static_cast<QWidget*>(fontUnderline),
                       static_cast<QWidget*>(foreColor)})
        form->setRowVisible(w, effects);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);

    connect(fontName, &QComboBox::currentTextChanged, this, &FontChooser::showSample);
    connect(fontSize, &QComboBox::currentTextChanged, this, &FontChooser::showSample);
    for (QCheckBox* box : {fontBold, fontItalic, fontStrikethru, fontUnderline})
        connect(box, &QCheckBox::toggled, this, &FontChooser::showSample);
    connect(foreColor, &QComboBox::currentIndexChanged, this, &FontChooser::showSample);
    showSample();
}

FontAttributes FontChooser::chosen() const
{
    FontAttributes f;
    f.FontName = fontName->currentText();
    bool ok = false;
    const double size = QLocale::c().toDouble(fontSize->currentText(), &ok);
    f.FontSize = ok && size > 0 ? size : m_given.FontSize;
    f.FontBold = fontBold->isChecked();
    f.FontItalic = fontItalic->isChecked();
    f.FontStrikethru = fontStrikethru->isChecked();
    f.FontUnderline = fontUnderline->isChecked();
    f.ForeColor = foreColor->currentData().value<QColor>();
    return f;
}

void FontChooser::showSample()
{
    const FontAttributes f = chosen();
    QFont font = f.toFont();
    font.setPointSizeF(qMin(f.FontSize, 36.0)); // the sample box keeps its size
    sample->setFont(font);
    QPalette p = sample->palette();
    p.setColor(QPalette::WindowText, f.ForeColor);
    sample->setPalette(p);
}
