#include "line_source.h"

LineSource::LineSource(std::string bytes) : bytes_(std::move(bytes)) {
    const std::size_t ctrlZ = bytes_.find('\x1A');
    end_ = ctrlZ == std::string::npos ? bytes_.size() : ctrlZ;
}

std::string LineSource::NextLine() {
    std::size_t stop = pos_;
    while (stop < end_ && bytes_[stop] != '\r' && bytes_[stop] != '\n')
        ++stop;
    std::string line = bytes_.substr(pos_, stop - pos_);
    std::size_t lf = bytes_.find('\n', stop);
    pos_ = (lf == std::string::npos || lf >= end_) ? end_ : lf + 1;
    return line;
}
