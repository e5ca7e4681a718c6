#pragma once

#include <QString>
#include <string>

#include "file_path.h"

// The one place where the program's 8-bit Windows-1252 texts and its file paths meet Qt's
// Unicode strings.
QString ToQt(const std::string& cp1252Text);
// Converts to Windows-1252. A character that the character set cannot hold becomes '?' and
// is reported through *unmappable (the first one), so that callers can refuse the text.
std::string FromQt(const QString& text, QString* unmappable = nullptr);
QString PathToQt(const FilePath& path);
FilePath PathFromQt(const QString& path);
