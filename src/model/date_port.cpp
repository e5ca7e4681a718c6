#include "date_port.h"

std::string InvalidDateMessage(const std::string& text) {
    return "'" + text + "' is not a valid date";
}
