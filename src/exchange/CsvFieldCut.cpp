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

void CsvFieldCut::cut(std::string_view bytes, std::string& out) {
    // Bytes are handed on in runs: from run on, up to the byte at hand.
    std::size_t run = 0;
    const auto handOn = [&](std::size_t end) {
        out.append(bytes.data() + run, end - run);
        run = end;
    };
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        // Inside a field, bytes that are no quote, separator or line end only count.
        if (!dropping_ && !firstLine_ && (state_ == State::Unquoted || state_ == State::Quoted)) {
            const std::size_t limit =
                std::min(bytes.size(), i + (kFieldBytes - std::min(fieldBytes_, kFieldBytes)));
            std::size_t j = i;
            while (j < limit && !isSpecial(bytes[j])) {
                ++j;
            }
            fieldBytes_ += j - i;
            i = j;
            if (i == bytes.size()) {
                break;
            }
        }
        const char c = bytes[i];
        const State before = state_;
        if (firstLine_ && before != State::Quoted) {
            commas_ += c == ',' ? 1 : 0;
            semicolons_ += c == ';' ? 1 : 0;
        }
        const bool boundary = step(c);
        if (isLineEnd(c)) {
            // Each line is cut on its own, so that a stray quote cannot make one field of the
            // rest of the file. What was handed on is brought into the true state first.
            if (dropping_) {
                run = i;
                if ((boundary && emitted_ == State::Quoted) ||
                    (!boundary && emitted_ == State::QuoteSeen)) {
                    out += '"';
                }
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
            continue;
        }
        if (boundary) {
            state_ = State::FieldStart;
            if (lineFull_) {
                run = i + 1;
                continue;
            }
            if (dropping_) {
                run = i;
                if (emitted_ == State::Quoted) {
                    out += '"';
                }
            }
            fieldBytes_ = 0;
            dropping_ = ++fields_ >= kFieldsPerLine;
            if (dropping_) {
                handOn(i + 1);
                lineFull_ = true;
                emitted_ = State::FieldStart;
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
