#include "deferred_canvas.h"

bool DeferredCanvas::BeginJob(const std::string&, std::string*) {
    pages_.assign(1, {});
    return true;
}

void DeferredCanvas::NewPage() {
    pages_.emplace_back();
}

void DeferredCanvas::SetFontSize(int points) {
    size_ = points;
    target_.SetFontSize(points);
}

void DeferredCanvas::SetFontStyle(FontStyle style) {
    target_.SetFontStyle(style);
}

std::vector<DeferredCanvas::Drawing>& DeferredCanvas::Page() {
    if (pages_.empty()) pages_.emplace_back();
    return pages_.back();
}

void DeferredCanvas::DrawText(int x, int y, const std::string& text) {
    Page().push_back({Drawing::Kind::kText, x, y, 0, 0, 0, size_, target_.Style(), text});
}

void DeferredCanvas::DrawRectangle(int left, int top, int right, int bottom) {
    Page().push_back({Drawing::Kind::kRectangle, left, top, right, bottom, 0, 0, FontStyle::Regular, {}});
}

void DeferredCanvas::FillRectangle(int left, int top, int right, int bottom, int rgb) {
    Page().push_back({Drawing::Kind::kFill, left, top, right, bottom, rgb, 0, FontStyle::Regular, {}});
}

void DeferredCanvas::DrawPicture(int left, int top, int right, int bottom, const FilePath& file) {
    Page().push_back({Drawing::Kind::kPicture, left, top, right, bottom, 0, 0, FontStyle::Regular, file.Utf8()});
}

void DeferredCanvas::Replay(int page) {
    int size = -1;
    bool styled = false;
    FontStyle style = FontStyle::Regular;
    for (const Drawing& d : pages_.at(static_cast<std::size_t>(page))) {
        switch (d.kind) {
            case Drawing::Kind::kText:
                // Fonts are set only where they change: each change costs the printer a new font.
                if (d.size != size) target_.SetFontSize(size = d.size);
                if (!styled || d.style != style) target_.SetFontStyle(style = d.style);
                styled = true;
                target_.DrawText(d.left, d.top, d.text);
                break;
            case Drawing::Kind::kRectangle:
                target_.DrawRectangle(d.left, d.top, d.right, d.bottom);
                break;
            case Drawing::Kind::kFill:
                target_.FillRectangle(d.left, d.top, d.right, d.bottom, d.rgb);
                break;
            case Drawing::Kind::kPicture:
                target_.DrawPicture(d.left, d.top, d.right, d.bottom, FilePath(d.text));
                break;
        }
    }
}
