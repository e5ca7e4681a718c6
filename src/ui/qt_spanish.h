#pragma once

class QCoreApplication;
class QDateTimeEdit;

// Qt's own texts (the buttons of message boxes, the file and print dialogs) in Spanish like the
// rest of the program, whatever the system's language: installs Qt's Spanish translation when it
// is there (Debian package qt6-translations-l10n). False when it is not; Qt then speaks English.
bool InstallQtSpanishTranslations(QCoreApplication& application);

// The drop-down calendar of a date picker in Spanish (month and day names, weeks from Monday)
// whatever the system's locale. The picker's own text keeps the format it was given: the
// user's short date format.
void ShowCalendarInSpanish(QDateTimeEdit& picker);
