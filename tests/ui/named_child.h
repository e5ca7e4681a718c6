#pragma once

#include <gtest/gtest.h>

#include <QObject>
#include <stdexcept>

// The control of a window by its name (the names the design documents give the controls, which
// are their object names). A control that is missing, or of another type, fails the test at once.
template <typename Control>
Control* Named(const QObject& window, const char* name) {
    Control* control = window.findChild<Control*>(QString::fromLatin1(name));
    if (!control) {
        ADD_FAILURE() << "no " << Control::staticMetaObject.className() << " named " << name;
        throw std::runtime_error(name);
    }
    return control;
}
