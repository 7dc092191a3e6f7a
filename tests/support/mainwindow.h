// The main window over a fresh data folder with the fake platform; every window
// goes at the end of the test.
#pragma once

#include "app/windows.h"
#include "main/frmmain.h"
#include "support/datafolder.h"
#include "support/fakeplatform.h"

#include <QTest>

struct MainWindow {
    FakePlatformScope fake;
    DataFolder data;
    FrmMain& w;
    MainWindow() : w(frmMain.get()) {}
    ~MainWindow() { resetWindows(); }
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;

    bool showActive()
    {
        frmMain.show();
        return QTest::qWaitForWindowActive(&w);
    }
};
