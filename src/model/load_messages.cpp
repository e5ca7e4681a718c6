#include "load_messages.h"

#include "cp1252.h"

void LoadMessages::ShowMessage(const std::string& text) {
    if (limit_ > 0 && shown_ >= limit_) {
        ++held_;
        return;
    }
    ++shown_;
    port_.ShowMessage(text);
}

void LoadMessages::Finish() {
    if (held_ > 0) port_.ShowMessage(MoreMessagesText(held_));
    held_ = 0;
}

std::string MoreMessagesText(int count) {
    return W("… y ") + std::to_string(count) + (count == 1 ? W(" aviso más") : W(" avisos más"));
}
