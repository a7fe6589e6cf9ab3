#include "log_format.h"

#include <charconv>

std::string FormatRecord(Timestamp t, bool startNewLine) {
    char digits[10];
    const auto end = std::to_chars(digits, digits + sizeof digits, t).ptr;
    std::string record = startNewLine ? "\r\n" : "";
    record.append(digits, end);
    record += "\r\n";
    return record;
}

namespace {
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Exactly the six ASCII white-space characters; no byte of a double-byte character counts.
bool IsSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }
} // namespace

void CLogParser::Feed(std::string_view bytes) {
    for (const char c : bytes) {
        if (m_pendingCR) {
            m_pendingCR = false;
            if (c == '\n') {
                TakeChar('\n');
                continue;
            }
            TakeChar('\r'); // a CR on its own is an ordinary character
        }
        if (c == '\r')
            m_pendingCR = true;
        else
            TakeChar(c);
    }
}

std::vector<Timestamp> CLogParser::Finish() {
    if (m_pendingCR) {
        m_pendingCR = false;
        TakeChar('\r');
    }
    if (m_length > 0)
        EndPiece();
    return std::move(m_records);
}

void CLogParser::TakeChar(char c) {
    ++m_length;
    if (c == '\n') {
        EndPiece();
        return;
    }
    switch (m_state) {
    case State::Leading:
        if (IsSpace(c))
            break;
        if (c == '+' || c == '-') {
            m_negative = c == '-';
            m_state = State::Sign;
        } else if (IsDigit(c)) {
            m_value = static_cast<Timestamp>(c - '0');
            m_hasNumber = true;
            m_state = State::Digits;
        } else {
            // A NUL ends the piece's text; anything else that is no number is skipped.
            m_state = State::Ignoring;
        }
        break;
    case State::Sign:
        if (IsDigit(c)) {
            m_value = static_cast<Timestamp>(c - '0');
            m_hasNumber = true;
            m_state = State::Digits;
        } else {
            m_state = State::Ignoring;
        }
        break;
    case State::Digits:
        if (IsDigit(c))
            m_value = m_value * 10u + static_cast<Timestamp>(c - '0'); // modulo 2^32
        else
            m_state = State::Ignoring;
        break;
    case State::Ignoring:
        break;
    }
    if (m_length == kPieceLength)
        EndPiece();
}

void CLogParser::EndPiece() {
    if (m_hasNumber)
        m_records.push_back(m_negative ? 0u - m_value : m_value);
    m_state = State::Leading;
    m_hasNumber = false;
    m_negative = false;
    m_value = 0;
    m_length = 0;
}

std::vector<Timestamp> ParseLog(std::string_view bytes) {
    CLogParser parser;
    parser.Feed(bytes);
    return parser.Finish();
}
