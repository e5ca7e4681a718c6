#include "page_flow.h"

#include <algorithm>
#include <utility>

#include "report_line_wrap.h"

PageFlow::PageFlow(Canvas& canvas, Body body) : canvas_(canvas), body_(body), y_(body.top) {}

void PageFlow::MoveTo(int y) {
    y_ = y;
    if (!measuring_) pageEmpty_ = y <= body_.top;
}

void PageFlow::Font(int points, FontStyle style) {
    size_ = points;
    canvas_.SetFontSize(points);
    canvas_.SetFontStyle(style);
    const int height = canvas_.TextHeight("Ág");
    lineHeight_ = height + height / 6;
}

void PageFlow::NewPage() {
    if (measuring_) return;
    canvas_.NewPage();
    y_ = body_.top;
    pageEmpty_ = true;
    if (onNewPage_) {
        // The repeated heading is no line of the marked block.
        const std::optional<int> marker = std::exchange(marker_, std::nullopt);
        const FontStyle style = canvas_.Style();
        const int size = size_;
        onNewPage_();
        if (size > 0) Font(size, style);
        marker_ = marker;
    }
}

void PageFlow::Need(int height) {
    if (!measuring_ && !pageEmpty_ && y_ + height > body_.bottom) NewPage();
}

void PageFlow::Gap(int height) {
    y_ = measuring_ ? y_ + height : std::min(y_ + height, body_.bottom);
}

int PageFlow::Reserve(int height) {
    Need(height);
    const int top = y_;
    y_ += height;
    pageEmpty_ = measuring_ ? pageEmpty_ : false;
    if (marker_ && !measuring_) canvas_.FillRectangle(markerX_, top, markerX_ + markerWidth_, y_, *marker_);
    return top;
}

std::vector<std::string> PageFlow::Wrap(const std::string& text, int width) {
    // A kept block is laid out twice, measured then drawn: the second time its lines are known.
    WrapKey key;
    if (keeping_) {
        key = {text, width, size_, canvas_.Style()};
        if (const auto known = wraps_.find(key); known != wraps_.end()) return known->second;
    }
    std::vector<std::string> out;
    for (const std::string& line : TextLines(text)) {
        for (std::string& piece : FitToWidth(canvas_, line, std::max(1, width)))
            out.push_back(std::move(piece));
    }
    if (out.empty()) out.emplace_back();
    if (keeping_) wraps_.emplace(std::move(key), out);
    return out;
}

int PageFlow::Text(const std::string& text, int x, int width) {
    const std::vector<std::string> lines = Wrap(text, width);
    for (const std::string& line : lines)
        DrawText(x, LineTop(), line);
    return static_cast<int>(lines.size());
}

void PageFlow::Field(const std::string& label, const std::string& value, int x, int labelWidth) {
    const FontStyle style = canvas_.Style();
    canvas_.SetFontStyle(FontStyle::Regular);
    const std::vector<std::string> lines = Wrap(value, body_.right - x - labelWidth);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const int top = LineTop();
        if (i == 0) {
            canvas_.SetFontStyle(FontStyle::Bold);
            DrawText(x, top, label);
            canvas_.SetFontStyle(FontStyle::Regular);
        }
        DrawText(x + labelWidth, top, lines[i]);
    }
    canvas_.SetFontStyle(style);
}

void PageFlow::DrawText(int x, int y, const std::string& text) {
    if (!measuring_ && !text.empty()) canvas_.DrawText(x, y, text);
}

void PageFlow::DrawRectangle(int left, int top, int right, int bottom) {
    if (!measuring_) canvas_.DrawRectangle(left, top, right, bottom);
}

void PageFlow::FillRectangle(int left, int top, int right, int bottom, int rgb) {
    if (!measuring_) canvas_.FillRectangle(left, top, right, bottom, rgb);
}

void PageFlow::DrawPicture(int left, int top, int right, int bottom, const FilePath& file) {
    if (!measuring_) canvas_.DrawPicture(left, top, right, bottom, file);
}

void PageFlow::KeepTogether(const std::function<void()>& block) {
    if (measuring_) {
        block();
        return;
    }
    const int start = y_;
    const FontStyle style = canvas_.Style();
    const int size = size_;
    const std::optional<int> marker = marker_;
    measuring_ = true;
    const bool inside = std::exchange(keeping_, true);
    block();
    measuring_ = false;
    const int height = y_ - start;
    y_ = start;
    if (size > 0) Font(size, style);
    marker_ = marker;
    if (height <= body_.bottom - body_.top) Need(height);
    block();
    keeping_ = inside;
    if (!inside) wraps_.clear();
}

void PageFlow::SetMarker(std::optional<int> rgb, int x, int width) {
    marker_ = rgb;
    markerX_ = x;
    markerWidth_ = width;
}
