#include "qt_settings_store.h"

#include <QSettings>

#include "text_codec.h"

namespace {

QSettings Open(const QString& key) {
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, setting::kOrganisation, key);
}

}  // namespace

std::optional<std::string> QtSettingsStore::Read(const std::string& key, const std::string& name) {
    const QSettings settings = Open(ToQt(key));
    if (settings.status() != QSettings::NoError) return std::nullopt;
    const QVariant value = settings.value(ToQt(name));
    if (!value.isValid()) return std::nullopt;
    return FromQt(value.toString());
}

bool QtSettingsStore::Write(const std::string& key, const std::string& name, const std::string& value) {
    QSettings settings = Open(ToQt(key));
    if (!settings.isWritable()) return false;
    settings.setValue(ToQt(name), ToQt(value));
    settings.sync();
    return settings.status() == QSettings::NoError;
}

QVariant QtSettingsStore::Value(const char* name) const {
    return Open(setting::kProgramKey).value(name);
}

void QtSettingsStore::SetValue(const char* name, const QVariant& value) {
    Open(setting::kProgramKey).setValue(name, value);
}
