// Prints its arguments one a line, as the headless mode prints: after PrepareConsole, from
// ProgramArguments. process_setup_windows_test.cpp runs it with names of any alphabet.
#include <iostream>

#include "process_setup.h"

int main(int argc, char** argv) {
    PrepareProcess();
    const std::vector<std::string> arguments = ProgramArguments(argc, argv);
    PrepareConsole();
    for (const std::string& argument : arguments) std::cout << argument << '\n';
    std::cerr << "Gestión\n";
    return static_cast<int>(arguments.size());
}
