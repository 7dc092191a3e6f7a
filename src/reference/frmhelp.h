// The help window: the help text from phelp.mdb under the program's name, on a
// background that the point sprinkler dots with random colours many times a second.
#pragma once

#include "controls/form.h"

#include <QColor>
#include <QPoint>
#include <QVector>
#include <memory>

class DataBar;
class TextBox;
class UniformSource;
class QPushButton;
class QTimer;

class FrmHelp final : public Form {
    Q_OBJECT
public:
    FrmHelp();
    ~FrmHelp() override;

    TextBox* Text1;
    QPushButton* cmdExit;
    TextBox* Text2;
    DataBar* DataH;
    QTimer* Timer1;
    // The sprinkler draws only while this is 1; the load step sets it.
    int drawFlag = 0;

    void Form_Load();
    void cmdExit_Click();
    void Timer1_Timer();

    // Replaces the sprinkler's random source (a test seeds its own).
    void setRandomSource(std::unique_ptr<UniformSource> source);

protected:
    void paintEvent(QPaintEvent* e) override;
    void showEvent(QShowEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    struct Dot {
        QPoint pixel;
        QColor colour;
    };
    std::unique_ptr<UniformSource> m_random;
    // The last tick's points, until the next paint puts them on the window; nothing
    // keeps them after that, so any repaint of the background wipes them out.
    QVector<Dot> m_undrawn;
    bool m_watchingExposure = false;
};
