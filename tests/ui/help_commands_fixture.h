#pragma once

#include <QAction>
#include <QApplication>
#include <QTimer>
#include <gtest/gtest.h>

#include "catalogue.h"
#include "main_window.h"
#include "scripted_port.h"
#include "settings_fixture.h"

// The main window with a scripted user, for the help menu's tests.
struct HelpCommandsTest : ScratchSettings {
    Catalogue catalogue;
    ScriptedPort port;
    FixedDates dates;
    MainWindow window{catalogue, &port, &dates};

    // Runs `inspect` on the modal window that the action opens, then closes that window.
    template <typename Inspect>
    void TriggerModal(QAction* action, Inspect inspect) {
        bool seen = false;
        QTimer::singleShot(0, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            ASSERT_NE(modal, nullptr);
            seen = true;
            inspect(modal);
            if (modal->isVisible()) modal->close();
        });
        action->trigger();
        EXPECT_TRUE(seen) << "no modal window";
    }
};

