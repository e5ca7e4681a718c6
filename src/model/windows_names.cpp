#include "windows_names.h"

#include <windows.h>

#include <algorithm>
#include <cctype>

namespace windows_names {

const char* const kTooLong =
    "la ruta es demasiado larga para Windows, que admite 259 caracteres; guárdelo en una carpeta "
    "de ruta más corta o con un nombre más corto";

std::wstring Wide(const FilePath& path) {
    const std::string& utf8 = path.Utf8();
    if (utf8.empty()) return {};
    const int length = ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(), length);
    std::replace(wide.begin(), wide.end(), L'/', L'\\');
    return wide;
}

std::string Utf8(const std::wstring& wide) {
    if (wide.empty()) return {};
    const int length = ::WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0,
                                             nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(length), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), utf8.data(), length, nullptr,
                          nullptr);
    return utf8;
}

FilePath PathOf(const std::wstring& wide) {
    std::string utf8 = Utf8(wide);
    std::replace(utf8.begin(), utf8.end(), '\\', '/');
    return FilePath(std::move(utf8));
}

bool IsReservedName(const std::string& utf8FileName) {
    // The device is named by what comes before the first dot, less trailing blanks.
    std::string stem = utf8FileName.substr(0, utf8FileName.find('.'));
    while (!stem.empty() && stem.back() == ' ') stem.pop_back();
    for (char& c : stem) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (stem == "CON" || stem == "PRN" || stem == "AUX" || stem == "NUL") return true;
    return stem.size() == 4 && (stem.starts_with("COM") || stem.starts_with("LPT")) && stem[3] >= '1' &&
           stem[3] <= '9';
}

std::string FileName(const FilePath& path) {
    const std::string& utf8 = path.Utf8();
    return utf8.substr(utf8.find_last_of("/\\") + 1);
}

std::optional<std::string> PathRefusal(const FilePath& path) {
    const std::string name = FileName(path);
    if (IsReservedName(name))
        return "«" + name + "» lleva un nombre que Windows reserva para un dispositivo; elija otro nombre";
    if (name.find_first_of("<>:\"|?*\\") != std::string::npos)
        return "el nombre no puede llevar ninguno de estos caracteres: < > : \" | ? * \\";
    if (Wide(path).size() > kLongestPath)
        return kTooLong;
    return std::nullopt;
}

std::string ErrorText(unsigned long code) {
    switch (code) {
        case ERROR_SHARING_VIOLATION:
        case ERROR_LOCK_VIOLATION:
            return "otro programa tiene abierto el archivo; ciérrelo allí y vuelva a intentarlo";
        case ERROR_ACCESS_DENIED:
            return "no tiene permiso para escribir aquí, o el archivo es de solo lectura";
        case ERROR_DISK_FULL:
        case ERROR_HANDLE_DISK_FULL:
            return "el disco está lleno; libere espacio o guárdelo en otro disco";
        case ERROR_FILE_NOT_FOUND:
            return "no existe el archivo";
        case ERROR_PATH_NOT_FOUND:
            return "no existe la carpeta";
        case ERROR_FILENAME_EXCED_RANGE:
            return "la ruta es más larga de lo que admite Windows";
        case ERROR_INVALID_NAME:
        case ERROR_BAD_PATHNAME:
            return "Windows no admite ese nombre de archivo";
        case ERROR_WRITE_PROTECT:
            return "el disco está protegido contra escritura";
        case ERROR_NOT_READY:
            return "la unidad no está preparada (¿se ha retirado el disco o la memoria USB?)";
        default:
            break;
    }
    wchar_t* text = nullptr;
    const DWORD length = ::FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
        code, MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT), reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::string result = "error de Windows " + std::to_string(code);
    if (length > 0 && text) {
        std::wstring wide(text, length);
        while (!wide.empty() && (wide.back() == L'\n' || wide.back() == L'\r' || wide.back() == L'.'))
            wide.pop_back();
        result += " (" + Utf8(wide) + ")";
    }
    if (text) ::LocalFree(text);
    return result;
}

}  // namespace windows_names
