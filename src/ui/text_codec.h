#pragma once

#include <QString>
#include <string>

// The one place where the program's 8-bit Windows-1252 texts meet Qt's Unicode strings.
QString ToQt(const std::string& bytes);
// Converts to Windows-1252. A character that the character set cannot hold becomes '?' and
// is reported through *unmappable (the first one), so that callers can refuse the text.
std::string FromQt(const QString& text, QString* unmappable = nullptr);
// File names are the platform's own (UTF-8 here), never Windows-1252.
QString PathToQt(const std::string& path);
std::string PathFromQt(const QString& path);
