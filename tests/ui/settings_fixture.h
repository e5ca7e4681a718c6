#pragma once

#include <gtest/gtest.h>

#include <QSettings>
#include <QStandardPaths>

#include "temp_dir.h"
#include "text_codec.h"

// Gives each test an empty per-user store of its own in a scratch folder.
struct ScratchSettings : ::testing::Test {
    TempDir home;

    void SetUp() override {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, PathToQt(home.path()));
    }
    void TearDown() override {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                           QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));
    }

    // The value as the platform's store holds it, read around the program's own code.
    static QVariant Stored(const char* application) {
        return QSettings(QSettings::NativeFormat, QSettings::UserScope, "TORVE", application)
            .value("Mostrar Inicio");
    }
    static void Store(const char* application, const QString& value) {
        QSettings(QSettings::NativeFormat, QSettings::UserScope, "TORVE", application)
            .setValue("Mostrar Inicio", value);
    }
};
