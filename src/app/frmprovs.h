// The splash window: the picture for four seconds, then the main window.
#pragma once

#include <QWidget>

class Picture;
class QTimer;

class FrmProvS final : public QWidget {
    Q_OBJECT
public:
    FrmProvS();

    Picture* Image1;
    QTimer* Timer2;

    void Timer2_Timer();
};
