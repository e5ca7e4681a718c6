#include "startup.h"

#include "catalogue.h"
#include "cp1252.h"
#include "tip_setting.h"

std::optional<std::string> LoadStartupCatalogue(Catalogue& catalogue, const FilePath& path, UserPort& port) {
    std::string utf8Error;
    switch (catalogue.Load(path, port, &utf8Error)) {
        case Catalogue::LoadResult::Loaded:
            return std::nullopt;
        case Catalogue::LoadResult::NotFound:
            return CatalogueNotFoundMessage();
        case Catalogue::LoadResult::ReadError:
            break;
    }
    return cp1252::FromUtf8(utf8Error);
}

bool StartUp(Catalogue& catalogue, const FilePath& path, UserPort& port, const TipSetting& tips,
             StartupWindows& windows) {
    if (const std::optional<std::string> failure = LoadStartupCatalogue(catalogue, path, port)) {
        windows.ShowWarning(*failure);
        return false;
    }
    if (tips.ShowAtStartup()) windows.ShowTipWindow();
    windows.NameApplication();
    windows.CreateMainWindow();
    return true;
}
