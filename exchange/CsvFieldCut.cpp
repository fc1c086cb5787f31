#include "exchange/CsvFieldCut.h"

namespace reelcase {

namespace {

bool isLineEnd(char c) {
    return c == '\n' || c == '\r';
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

void CsvFieldCut::cut(std::string_view bytes, std::string& out) {
    for (const char c : bytes) {
        const State before = state_;
        if (firstLine_ && before != State::Quoted) {
            commas_ += c == ',' ? 1 : 0;
            semicolons_ += c == ';' ? 1 : 0;
        }
        const bool boundary = step(c);
        if (isLineEnd(c)) {
            // Each line is cut on its own, so that a stray quote cannot make one field of the
            // rest of the file. What was handed on is brought into the true state first.
            if (dropping_ && ((boundary && emitted_ == State::Quoted) ||
                              (!boundary && emitted_ == State::QuoteSeen))) {
                out += '"';
            }
            out += c;
            dropping_ = lineFull_ = false;
            fieldBytes_ = 0;
            if (boundary) {
                state_ = emitted_ = State::FieldStart;
                fields_ = 0;
                if (firstLine_) {
                    endOfFirstLine();
                }
            } else {
                emitted_ = state_;
            }
            continue;
        }
        if (boundary) {
            state_ = State::FieldStart;
            if (lineFull_) {
                continue;
            }
            if (dropping_ && emitted_ == State::Quoted) {
                out += '"';
            }
            out += c;
            fieldBytes_ = 0;
            emitted_ = State::FieldStart;
            dropping_ = ++fields_ >= kFieldsPerLine;
            lineFull_ = dropping_;
            continue;
        }
        if (!dropping_ && fieldBytes_ >= kFieldBytes &&
            (static_cast<unsigned char>(c) & 0xC0) != 0x80) {
            // Not inside a character: the text handed on stays valid UTF-8.
            dropping_ = true;
            emitted_ = before;
        }
        if (!dropping_) {
            out += c;
            ++fieldBytes_;
        }
    }
}

}  // namespace reelcase
