#pragma once

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

class Catalogue;
class DatePort;
class UserPort;

// What a headless option works with.
struct HeadlessContext {
    std::ostream& out;
    std::ostream& err;
    UserPort& port;
    DatePort& dates;
    const Catalogue& catalogue;
};

// A command-line option of the headless mode. Arguments come as the terminal gives them, in
// UTF-8: a file name becomes a FilePath, a text for the document goes through cp1252::FromUtf8.
struct HeadlessOption {
    std::string name;   // e.g. "--verificar"
    std::string usage;  // arguments, e.g. "DOC"
    std::string help;   // one line, in Spanish
    int minArguments;
    int maxArguments;
    int (*run)(HeadlessContext& context, const std::vector<std::string>& arguments);
};

const std::vector<HeadlessOption>& HeadlessOptions();
// True when the arguments ask for the headless mode (an option, not a document to open).
bool IsHeadless(const std::vector<std::string>& arguments);
// Runs the headless mode once the catalogue is loaded; returns the exit status.
int RunHeadless(const std::vector<std::string>& arguments, HeadlessContext& context);
void PrintUsage(std::ostream& out);

// Exit statuses of the headless mode.
namespace exit_status {
constexpr int kOk = 0;
constexpr int kNotADocument = 1;
constexpr int kIoError = 2;
constexpr int kUsage = 3;
constexpr int kNoCatalogue = 4;
constexpr int kGaps = 5;  // --revisar: the document still lacks something
}  // namespace exit_status
