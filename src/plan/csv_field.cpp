#include "csv_field.h"

#include "cp1252.h"

namespace plan {

void AppendCsvField(std::string& out, const std::string& text) {
    const std::string utf8 = cp1252::ToUtf8(text);
    if (utf8.find_first_of(";\"\r\n") == std::string::npos) {
        out += utf8;
        return;
    }
    out += '"';
    for (const char c : utf8) {
        if (c == '"') out += '"';
        out += c;
    }
    out += '"';
}

}  // namespace plan
