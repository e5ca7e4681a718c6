#pragma once

#include <QGuiApplication>
#include <memory>

// The one application that fonts and printers need, on the offscreen platform as in the headless
// mode; made by the first benchmark that prints.
inline void NeedGuiApplication() {
    static int argc = 1;
    static char program[] = "kaldo_bench";
    static char* argv[] = {program, nullptr};
    static const std::unique_ptr<QGuiApplication> application = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        return std::make_unique<QGuiApplication>(argc, argv);
    }();
}
