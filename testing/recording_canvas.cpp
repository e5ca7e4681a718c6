#include "recording_canvas.h"

RecordingCanvas::RecordingCanvas(int pageWidth, int pageHeight, int widthPerPoint, int heightPerPoint)
    : pageWidth_(pageWidth),
      pageHeight_(pageHeight),
      widthPerPoint_(widthPerPoint),
      heightPerPoint_(heightPerPoint) {}

namespace {

RecordingCanvas::Call Make(RecordingCanvas::Call::Kind kind, int x = 0, int y = 0, int right = 0,
                           int bottom = 0, std::string text = {}) {
    RecordingCanvas::Call call;
    call.kind = kind;
    call.x = x;
    call.y = y;
    call.right = right;
    call.bottom = bottom;
    call.text = std::move(text);
    return call;
}

}  // namespace

void RecordingCanvas::Record(Call call) {
    call.page = page_;
    call.size = size_;
    call.style = style_;
    calls.push_back(std::move(call));
}

bool RecordingCanvas::BeginJob(const std::string& title, std::string* error) {
    if (refuseJob) {
        if (error) *error = "printer unavailable";
        return false;
    }
    page_ = 1;
    Record(Make(Call::Kind::Begin, 0, 0, 0, 0, title));
    return true;
}

void RecordingCanvas::NewPage() {
    ++page_;
    Record(Make(Call::Kind::NewPage));
}

bool RecordingCanvas::EndJob(std::string* error) {
    Record(Make(Call::Kind::End));
    if (failEnd && error) *error = "disk full";
    return !failEnd;
}

int RecordingCanvas::TextWidth(const std::string& text) {
    return static_cast<int>(text.size()) * CharWidth();
}

int RecordingCanvas::TextHeight(const std::string&) {
    return CharHeight();
}

void RecordingCanvas::DrawText(int x, int y, const std::string& text) {
    Record(Make(Call::Kind::Text, x, y, x + TextWidth(text), y + CharHeight(), text));
}

void RecordingCanvas::DrawRectangle(int left, int top, int right, int bottom) {
    Record(Make(Call::Kind::Rectangle, left, top, right, bottom));
}

void RecordingCanvas::FillRectangle(int left, int top, int right, int bottom, int rgb) {
    Call call = Make(Call::Kind::Fill, left, top, right, bottom);
    call.rgb = rgb;
    Record(std::move(call));
}

std::optional<PictureSize> RecordingCanvas::PictureSizeOf(const FilePath& file) {
    const auto found = pictures.find(file.Utf8());
    if (found == pictures.end()) return std::nullopt;
    return found->second;
}

void RecordingCanvas::DrawPicture(int left, int top, int right, int bottom, const FilePath& file) {
    Record(Make(Call::Kind::Picture, left, top, right, bottom, file.Utf8()));
}

std::vector<RecordingCanvas::Call> RecordingCanvas::Texts() const {
    std::vector<Call> out;
    for (const Call& call : calls) {
        if (call.kind == Call::Kind::Text) out.push_back(call);
    }
    return out;
}

std::vector<RecordingCanvas::Call> RecordingCanvas::Rectangles() const {
    std::vector<Call> out;
    for (const Call& call : calls) {
        if (call.kind == Call::Kind::Rectangle) out.push_back(call);
    }
    return out;
}

std::vector<RecordingCanvas::Call> RecordingCanvas::Fills() const {
    std::vector<Call> out;
    for (const Call& call : calls) {
        if (call.kind == Call::Kind::Fill) out.push_back(call);
    }
    return out;
}

std::vector<RecordingCanvas::Call> RecordingCanvas::Pictures() const {
    std::vector<Call> out;
    for (const Call& call : calls) {
        if (call.kind == Call::Kind::Picture) out.push_back(call);
    }
    return out;
}

const RecordingCanvas::Call* RecordingCanvas::FindText(const std::string& text) const {
    for (const Call& call : calls) {
        if (call.kind == Call::Kind::Text && call.text == text) return &call;
    }
    return nullptr;
}

std::uint64_t RecordingCanvas::Fingerprint() const {
    // FNV-1a over the fields of every call.
    std::uint64_t hash = 14695981039346656037ull;
    auto add = [&hash](const std::string& bytes) {
        for (const char c : bytes) {
            hash ^= static_cast<unsigned char>(c);
            hash *= 1099511628211ull;
        }
    };
    for (const Call& call : calls) {
        add(std::to_string(static_cast<int>(call.kind)) + "," + std::to_string(call.page) + "," +
            std::to_string(call.x) + "," + std::to_string(call.y) + "," + std::to_string(call.right) + "," +
            std::to_string(call.bottom) + "," + std::to_string(call.size) + "," +
            std::to_string(static_cast<int>(call.style)) + "," + std::to_string(call.rgb) + "," + call.text + ";");
    }
    return hash;
}
