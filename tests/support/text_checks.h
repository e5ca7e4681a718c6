#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

// Whether the text holds the part.
inline bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

// Checks that a text (a report, a PDF read back, what a program wrote) holds every one of the
// parts: each part it lacks is a failure of its own that names it.
inline void ExpectContainsAll(const std::string& text, std::initializer_list<const char*> parts) {
    for (const char* part : parts)
        EXPECT_TRUE(Contains(text, part)) << "missing: " << part;
}
