#pragma once

#include "catalogue.h"
#include "scripted_port.h"

// Loads the catalogue that ships with the program (data/C31.TXT) into `catalogue`; the result
// says whether it loaded. It loads without a message, so none is shown to anybody.
inline Catalogue::LoadResult LoadShippedCatalogue(Catalogue& catalogue) {
    ScriptedPort port;
    return catalogue.Load(FilePath(KALDO_SOURCE_DIR "/data/C31.TXT"), port);
}

// The shipped catalogue, loaded once, for tests that only read it.
inline const Catalogue& ShippedCatalogue() {
    static const Catalogue catalogue = [] {
        Catalogue loaded;
        LoadShippedCatalogue(loaded);
        return loaded;
    }();
    return catalogue;
}
