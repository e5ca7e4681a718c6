#include <libintl.h>

#include <clocale>
#include <csignal>

#include "process_setup.h"

void PrepareProcess() {
    std::signal(SIGXFSZ, SIG_IGN);
}

std::vector<std::string> ProgramArguments(int argc, char** argv) {
    return std::vector<std::string>(argv + 1, argv + argc);
}

// The system's error texts in the user's language (LC_ALL, LC_MESSAGES, LANG), in UTF-8 like
// all of the headless mode's output. Only the messages: dates and numbers keep their rules.
void PrepareConsole() {
    std::setlocale(LC_MESSAGES, "");
    ::bind_textdomain_codeset("libc", "UTF-8");
}
