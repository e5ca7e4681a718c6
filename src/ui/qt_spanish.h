#pragma once

class QCoreApplication;

// Qt's own texts (the buttons of message boxes, the file and print dialogs) in Spanish like the
// rest of the program, whatever the system's language: installs Qt's Spanish translation when it
// is there (Debian package qt6-translations-l10n). False when it is not; Qt then speaks English.
bool InstallQtSpanishTranslations(QCoreApplication& application);
