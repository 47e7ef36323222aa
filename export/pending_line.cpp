#include "export/pending_line.h"

#include "export/number_text.h"

namespace bellnozzle {

PointListLines::PointListLines(std::string& out, std::string_view opening)
    : out_(out), lineStart_(out.size()) {
    out_.append(opening);
}

void PointListLines::Add(const WedgePointText& point, WedgeSide side) {
    out_ += '(';
    point.Append(out_, side, " ");
    out_ += ") ";
    if (out_.size() - lineStart_ > kMaxLength) {
        out_ += "\n\t";
        lineStart_ = out_.size() - 1;
    }
}

void PointListLines::Close() { out_ += ")\n"; }

NumberListLines::NumberListLines(std::string& out, std::string_view opening)
    : out_(out), lineStart_(out.size()) {
    out_.append(opening);
}

void NumberListLines::Add(long long number, bool last) {
    AppendInt(out_, number);
    out_ += ',';
    lastCommaPending_ = last;
    if (out_.size() - lineStart_ > kMaxLength) {
        if (last) {
            out_.pop_back();
            lastCommaPending_ = false;
        }
        out_ += '\n';
        lineStart_ = out_.size();
    }
}

void NumberListLines::Close() {
    if (lastCommaPending_) out_.pop_back();
    out_ += "};\n\n";
}

}  // namespace bellnozzle
