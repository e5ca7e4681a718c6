#include "text_codec.h"

#include <QList>

#include "cp1252.h"

QString ToQt(const std::string& cp1252Text) {
    QString out;
    out.reserve(static_cast<qsizetype>(cp1252Text.size()));
    for (char c : cp1252Text)
        out.append(QChar(static_cast<char16_t>(cp1252::ToUnicode(static_cast<unsigned char>(c)))));
    return out;
}

std::string FromQt(const QString& text, QString* unmappable) {
    std::string out;
    out.reserve(static_cast<std::size_t>(text.size()));
    for (const char32_t cp : text.toUcs4()) {
        const int byte = cp1252::FromUnicode(cp);
        if (byte < 0) {
            if (unmappable && unmappable->isEmpty()) *unmappable = QString::fromUcs4(&cp, 1);
            out += '?';
        } else {
            out += static_cast<char>(byte);
        }
    }
    return out;
}

QString PathToQt(const FilePath& path) {
    return QString::fromStdString(path.Utf8());
}

FilePath PathFromQt(const QString& path) {
    return FilePath(path.toStdString());
}
