#include "exchange/CsvFieldCut.h"

#include <algorithm>

namespace reelcase {

namespace {

bool isLineEnd(char c) {
    return c == '\n' || c == '\r';
}

bool isSpecial(char c) {
    return c == '"' || c == ',' || c == ';' || isLineEnd(c);
}

}  // namespace

bool CsvFieldCut::step(char c) {
    const bool ends = isSeparator(c) || isLineEnd(c);
    switch (state_) {
        case State::FieldStart:
            if (c == '"') {
                state_ = State::Quoted;
            } else if (ends) {
                return true;
            } else if (c != ' ' && c != '\t') {
                state_ = State::Unquoted;
            }
            return false;
        case State::Unquoted:
            return ends;
        case State::Quoted:
            if (c == '"') {
                state_ = State::QuoteSeen;
            }
            return false;
        case State::QuoteSeen:
            if (c == '"') {
                state_ = State::Quoted;  // a doubled quote
                return false;
            }
            if (ends) {
                return true;
            }
            state_ = State::Unquoted;  // text after the closing quote, which the reader refuses
            return false;
    }
    return false;
}

void CsvFieldCut::endOfFirstLine() {
    firstLine_ = false;
    separator_ = semicolons_ > commas_ ? ';' : ',';
}

std::size_t CsvFieldCut::skipPlain(std::string_view bytes, std::size_t i) {
    if (dropping_ || firstLine_ || (state_ != State::Unquoted && state_ != State::Quoted)) {
        return i;
    }
    const std::size_t limit =
        std::min(bytes.size(), i + (kFieldBytes - std::min(fieldBytes_, kFieldBytes)));
    std::size_t j = i;
    while (j < limit && !isSpecial(bytes[j])) {
        ++j;
    }
    fieldBytes_ += j - i;
    return j;
}

void CsvFieldCut::lineEnd(bool boundary, std::string& out) {
    // Each line is cut on its own, so that a stray quote cannot make one field of the rest of
    // the file. What was handed on is brought into the true state first.
    if (dropping_ &&
        ((boundary && emitted_ == State::Quoted) || (!boundary && emitted_ == State::QuoteSeen))) {
        out += '"';
    }
    dropping_ = lineFull_ = false;
    fieldBytes_ = 0;
    if (boundary) {
        state_ = State::FieldStart;
        fields_ = 0;
        if (firstLine_) {
            endOfFirstLine();
        }
    }
}

bool CsvFieldCut::separator(std::string& out) {
    state_ = State::FieldStart;
    if (lineFull_) {
        return false;
    }
    if (dropping_ && emitted_ == State::Quoted) {
        out += '"';
    }
    fieldBytes_ = 0;
    dropping_ = lineFull_ = ++fields_ >= kFieldsPerLine;
    emitted_ = State::FieldStart;
    return true;
}

void CsvFieldCut::cut(std::string_view bytes, std::string& out) {
    // Bytes are handed on in runs, from run up to the byte at hand. While dropping, run is
    // always the byte at hand.
    std::size_t run = 0;
    const auto handOn = [&](std::size_t end) {
        out.append(bytes.data() + run, end - run);
        run = end;
    };
    for (std::size_t i = skipPlain(bytes, 0); i < bytes.size(); i = skipPlain(bytes, i + 1)) {
        const char c = bytes[i];
        const State before = state_;
        if (firstLine_ && before != State::Quoted) {
            commas_ += c == ',' ? 1 : 0;
            semicolons_ += c == ';' ? 1 : 0;
        }
        const bool boundary = step(c);
        // A quote put back goes after what was handed on and before this byte.
        if (isLineEnd(c)) {
            handOn(i);
            lineEnd(boundary, out);
            continue;
        }
        if (boundary) {
            handOn(i);
            if (!separator(out)) {
                run = i + 1;  // dropped: the line is full
            } else if (lineFull_) {
                handOn(i + 1);  // the separator that fills the line, and nothing after it
            }
            continue;
        }
        if (!dropping_ && fieldBytes_ >= kFieldBytes &&
            (static_cast<unsigned char>(c) & 0xC0) != 0x80) {
            // Not inside a character: the text handed on stays valid UTF-8.
            handOn(i);
            dropping_ = true;
            emitted_ = before;
        }
        if (dropping_) {
            run = i + 1;
        } else {
            ++fieldBytes_;
        }
    }
    if (!dropping_) {
        handOn(bytes.size());
    }
}

}  // namespace reelcase
