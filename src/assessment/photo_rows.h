#pragma once

#include "file_path.h"
#include "photo_list.h"

class PageFlow;

// How a printout shows the photos of what it describes: in rows below the flow's cursor, each
// photo as wide as `width` (narrower when the row has no room for it) and no taller, with its
// caption below it (its file's name when it has none).
struct PhotoRows {
    FilePath folder;  // the document's photos folder; empty for a document never saved
    int perRow = 2;
    int width = 0;  // of one photo, in layout units
    int captionPoints = 8;
};

// The photos from x to the body's right edge. A row goes to the next page whole, with its
// captions, when it does not fit; a photo that cannot be read leaves a frame with its name.
void PrintPhotos(PageFlow& flow, const PhotoRows& rows, const PhotoList& photos, int x);
