#include "user_settings.h"

QSettings UserSettings() {
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, "TORVE", "Kaldo 3.1");
}
