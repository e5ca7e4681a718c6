#pragma once

#include <sys/types.h>
#include <string>

// A private X server (Xvfb) for one test program: it picks a free display number itself and
// goes away with this object.
class PrivateXServer {
public:
    PrivateXServer();
    ~PrivateXServer();
    PrivateXServer(const PrivateXServer&) = delete;
    PrivateXServer& operator=(const PrivateXServer&) = delete;

    // ":N", or empty when no server could be started (Xvfb missing).
    const std::string& Display() const { return display_; }

private:
    pid_t pid_ = -1;
    std::string display_;
};
