#include "recovery_copy.h"

#include <charconv>

namespace {

constexpr std::string_view kFormatLine = "KALDO copia de recuperacion 1\n";
constexpr std::string_view kDocumentKey = "documento=";
constexpr std::string_view kCopiedKey = "copia=";

std::string Escape(const std::string& text) {
    std::string out;
    for (const char c : text) {
        if (c == '\\')
            out += "\\\\";
        else if (c == '\n')
            out += "\\n";
        else if (c == '\r')
            out += "\\r";
        else
            out += c;
    }
    return out;
}

std::optional<std::string> Unescape(std::string_view text) {
    std::string out;
    for (std::size_t k = 0; k < text.size(); ++k) {
        if (text[k] != '\\') {
            out += text[k];
            continue;
        }
        if (++k == text.size()) return std::nullopt;
        switch (text[k]) {
            case '\\':
                out += '\\';
                break;
            case 'n':
                out += '\n';
                break;
            case 'r':
                out += '\r';
                break;
            default:
                return std::nullopt;
        }
    }
    return out;
}

// The line at `pos` without its LF, moving `pos` past it; nothing when no LF ends it.
std::optional<std::string_view> TakeLine(std::string_view bytes, std::size_t& pos) {
    const std::size_t end = bytes.find('\n', pos);
    if (end == std::string_view::npos) return std::nullopt;
    const std::string_view line = bytes.substr(pos, end - pos);
    pos = end + 1;
    return line;
}

std::optional<std::string_view> Value(std::optional<std::string_view> line, std::string_view key) {
    if (!line || !line->starts_with(key)) return std::nullopt;
    return line->substr(key.size());
}

}  // namespace

std::string ComposeCopy(const RecoveryCopy& copy) {
    std::string out(kFormatLine);
    out.reserve(out.size() + copy.bytes.size() + copy.document.Utf8().size() + 64);
    out.append(kDocumentKey).append(Escape(copy.document.Utf8())).append("\n");
    out.append(kCopiedKey).append(std::to_string(copy.copiedAtMs)).append("\n\n");
    out += copy.bytes;
    return out;
}

std::optional<RecoveryCopy> ParseCopy(const std::string& fileBytes) {
    const std::string_view bytes(fileBytes);
    if (!bytes.starts_with(kFormatLine)) return std::nullopt;
    std::size_t pos = kFormatLine.size();
    const auto document = Value(TakeLine(bytes, pos), kDocumentKey);
    const auto copied = Value(TakeLine(bytes, pos), kCopiedKey);
    const auto blank = TakeLine(bytes, pos);
    if (!document || !copied || !blank || !blank->empty()) return std::nullopt;

    RecoveryCopy copy;
    const auto path = Unescape(*document);
    const auto [end, error] =
        std::from_chars(copied->data(), copied->data() + copied->size(), copy.copiedAtMs);
    if (!path || error != std::errc() || end != copied->data() + copied->size()) return std::nullopt;
    copy.document = FilePath(*path);
    copy.bytes = fileBytes.substr(pos);
    return copy;
}
