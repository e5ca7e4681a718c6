#pragma once

#include <optional>
#include <string>

class DatePort;
struct NodeDataAdaptation;
struct NodeDataValues;

// The numbers and the date among the firm's data and a workstation's, as the node data editor
// takes them: typed as text, checked before "Aceptar" stores anything, and kept in one form
// (a whole number without blanks or leading zeros, a date in the document's short date format).
namespace firm_figures {

// A count of people: decimal digits with blanks around them, at most 9 999 999; empty stays
// empty. Nothing for anything else (signs, points, letters).
std::optional<std::string> Count(const std::string& typed);
// A date as the date fields hold it; empty stays empty. Nothing when it is not a date.
std::optional<std::string> DateText(const std::string& typed, DatePort& dates);

// Whether a stored value is one that the editor would store as it stands (empty included): the
// documents print stored values as they are, and a review of the data marks the others
// ("99999999999999999999" workers, "31/02/2026").
bool AcceptedCount(const std::string& stored);
bool AcceptedDate(const std::string& stored, DatePort& dates);

// Checks the figures that the kind's editor shows (NodeDataAdaptation) and puts them in their
// stored form; the message for the first that cannot be stored (Windows-1252), or nothing.
std::optional<std::string> Check(NodeDataValues& values, const NodeDataAdaptation& adaptation,
                                 DatePort& dates);

}  // namespace firm_figures
