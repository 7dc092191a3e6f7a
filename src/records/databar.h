// A record source as a control of its window: the arrow bar with its caption
// (first, previous | caption | next, last), and the text boxes bound to its fields.
#pragma once

#include <QWidget>

class RecordSource;
class TextBox;
class QLabel;

class DataBar final : public QWidget {
    Q_OBJECT
public:
    DataBar(const QString& fileName, const QString& table, const QStringList& fields,
            QWidget* parent = nullptr);

    // Shows the field of the current record in the box from now on.
    void bind(TextBox* box, const QString& field);
    void setCaption(const QString& caption);
    QString caption() const;

    // Opens the table on its first record; a failure is reported in one message box
    // naming the file, and the bound boxes stay empty.
    void open();

    RecordSource* recordset() const { return m_source; }

protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;

private:
    enum Arrow { First, Previous, Next, Last, None };
    Arrow arrowAt(QPoint p) const;
    QRect arrowRect(Arrow a) const;
    void refresh();

    RecordSource* m_source;
    QString m_caption;
    QVector<QPair<TextBox*, QString>> m_bound;
};
