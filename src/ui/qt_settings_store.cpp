#include "qt_settings_store.h"

#include <QSettings>

#include "text_codec.h"

namespace {

const char* const kOrganisation = "TORVE";

}  // namespace

std::optional<std::string> QtSettingsStore::Read(const std::string& key, const std::string& name) {
    const QSettings settings(QSettings::NativeFormat, QSettings::UserScope, kOrganisation, ToQt(key));
    if (settings.status() != QSettings::NoError) return std::nullopt;
    const QVariant value = settings.value(ToQt(name));
    if (!value.isValid()) return std::nullopt;
    return FromQt(value.toString());
}

bool QtSettingsStore::Write(const std::string& key, const std::string& name, const std::string& value) {
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, kOrganisation, ToQt(key));
    if (!settings.isWritable()) return false;
    settings.setValue(ToQt(name), ToQt(value));
    settings.sync();
    return settings.status() == QSettings::NoError;
}
