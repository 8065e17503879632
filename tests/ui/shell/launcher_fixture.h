#pragma once

#include "platform/posix/ini_profile_reader.h"
#include "platform/progress_sink.h"
#include "storage/inventory_check.h"
#include "tests/ui/support/modal_watchdog.h"
#include "tests/ui/support/test_app.h"
#include "ui/shell/kalvex_view.h"
#include "ui/shell/launcher_pane.h"
#include "ui/shell/main_frame.h"

#include <QAction>
#include <QMenu>
#include <QTest>
#include <memory>
#include <vector>

namespace kalvex::testing {

// A factor folder holding the fourteen built-in groups as a first start leaves them.
struct FirstStartApp {
    FirstStartApp() : legacy(std::filesystem::path(app.folder.path().toStdString()))
    {
        app.services.legacy = &legacy;
        app.state.services.legacy = &legacy;
        CheckInventory();
    }

    void CheckInventory()
    {
        NullProgressSink progress;
        CheckGroupInventory(app.state, progress);
    }

    TestApp app;
    IniProfileReader legacy;
};

// A main frame with its launcher over the groups of a first start. The launcher is 200 x 400
// pixels, so its grid has three columns.
struct LauncherFixture : FirstStartApp {
    LauncherFixture() { OpenFrame(); }

    // Closes the windows and starts again over the same factor folder and settings.
    void Restart()
    {
        frame.reset();
        app.state.m_numCust = app.state.m_numActCust = app.state.m_numStd = app.state.m_enabledCount = 0;
        CheckInventory();
        OpenFrame();
        Show();
    }

    void Show()
    {
        frame->show();
        QVERIFY(QTest::qWaitForWindowExposed(frame.get()));
    }

    AppState& State() { return app.state; }
    std::string FactorFile(const char* tag) const { return app.state.m_factorPath + tag + ".fsf"; }

    static std::vector<int> CommandIds(const QMenu* menu)
    {
        std::vector<int> ids;
        for (const QAction* action : menu->actions())
            if (!action->isSeparator())
                ids.push_back(action->data().toInt());
        return ids;
    }

    void OpenFrame()
    {
        frame = std::make_unique<CMainFrame>(app.state);
        view = new CKalvexView(app.state, app.current, *frame);
        frame->SetView(view, view);
        view->setFixedSize(200, 400);
    }

    // Centre of the icon of entry j, in the launcher's viewport.
    QPoint IconCentre(int j) const { return view->Grid().IconRect(j).center(); }

    std::unique_ptr<CMainFrame> frame;
    CKalvexView* view = nullptr;
    ModalWatchdog watchdog;
};

// The main window as the program builds it, launcher and find field, over the groups of a first
// start.
struct MainWindowApp : FirstStartApp {
    MainWindowApp()
    {
        frame = std::make_unique<CMainFrame>(app.state);
        pane = new CLauncherPane(app.state, app.current, *frame);
        frame->SetView(pane, pane);
        frame->resize(420, 600);
        frame->show();
        QVERIFY(QTest::qWaitForWindowExposed(frame.get()));
    }

    std::unique_ptr<CMainFrame> frame;
    CLauncherPane* pane = nullptr;
    ModalWatchdog watchdog;
};

} // namespace kalvex::testing
