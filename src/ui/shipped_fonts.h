#pragma once

#include <QString>
#include <QStringList>

// The printouts are laid out in "DejaVu Sans" (printer_canvas.cpp), which Windows lacks: the
// program ships its fonts in the data folder's fonts/ there, and adds for itself each family
// that the system has not, so that a document breaks its lines and pages alike on both
// systems. Needs the application object. Returns the families added.
QStringList AddMissingFonts(const QString& folder, const QStringList& systemFamilies);
// The same for the installed data folder's fonts/ (none on Linux, where the system has them).
QStringList AddShippedFonts();
