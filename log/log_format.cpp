#include "log_format.h"

#include <charconv>
#include <cstddef>
#include <iterator>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

std::string FormatRecord(Timestamp t, bool startNewLine) {
    char digits[10];
    const auto end = std::to_chars(digits, digits + sizeof digits, t).ptr;
    std::string record = startNewLine ? "\r\n" : "";
    record.append(digits, end);
    record += "\r\n";
    return record;
}

namespace {
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Exactly the six ASCII white-space characters; no byte of a double-byte character counts.
bool IsSpace(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}
} // namespace

#if defined(__SSE2__)
namespace {
// Four records as written, ten digits and CR LF each, checked and converted side by side; false
// when any byte of the 48 is not where a record has it. Reads 52 bytes from `at`.
constexpr std::ptrdiff_t kFourRecordsReach = 52;

bool FourRecords(const char* at, Timestamp* out) {
    const auto load = [at](int record) {
        return _mm_loadu_si128(reinterpret_cast<const __m128i*>(at + 12 * record));
    };
    const __m128i a = load(0), b = load(1), c = load(2), d = load(3);
    // The first eight digits of two records side by side, and the last four bytes of all four.
    const __m128i heads01 = _mm_unpacklo_epi64(a, b);
    const __m128i heads23 = _mm_unpacklo_epi64(c, d);
    const __m128i tails = _mm_unpacklo_epi64(_mm_unpackhi_epi32(a, b), _mm_unpackhi_epi32(c, d));

    // Each byte less its lowest allowed value must not exceed the allowed span: adding 127 less
    // the span sets the top bit of any byte that does (or that went below zero and wrapped).
    const __m128i digitLow = _mm_set1_epi8('0');
    const __m128i tailLow = _mm_set1_epi32(0x0A0D3030); // '0' '0' CR LF
    const __m128i h01 = _mm_sub_epi8(heads01, digitLow);
    const __m128i h23 = _mm_sub_epi8(heads23, digitLow);
    const __m128i t = _mm_sub_epi8(tails, tailLow);
    const __m128i digitSpanToTop = _mm_set1_epi8(127 - 9);
    const __m128i tailSpanToTop = _mm_set1_epi32(0x7F7F7676); // digits, then CR and LF exactly
    const __m128i outside = _mm_or_si128(
        _mm_or_si128(_mm_adds_epu8(h01, digitSpanToTop), _mm_adds_epu8(h23, digitSpanToTop)),
        _mm_adds_epu8(t, tailSpanToTop));
    if (_mm_movemask_epi8(outside) != 0)
        return false;

    // Neighbouring digits into two-digit numbers in 16-bit lanes: first + 256 * second, times
    // 2561, is first + 256 * (10 * first + second) modulo 2^16. The factor is hidden from the
    // compiler, which would make the multiply into shifts and adds: shifts are what this runs
    // short of.
    __m128i by2561 = _mm_set1_epi16(2561);
    __asm__("" : "+x"(by2561));
    const auto pairs = [by2561](__m128i digits) {
        return _mm_srli_epi16(_mm_mullo_epi16(digits, by2561), 8);
    };
    // Two-digit numbers into four-digit ones, then those into the eight-digit heads.
    const __m128i hundred = _mm_set1_epi32(0x00010064); // 100 * first + second
    const __m128i quads01 = _mm_madd_epi16(pairs(h01), hundred);
    const __m128i quads23 = _mm_madd_epi16(pairs(h23), hundred);
    const __m128i heads =
        _mm_madd_epi16(_mm_packs_epi32(quads01, quads23), _mm_set1_epi32(0x00012710)); // 10000
    // The last two digits; CR LF less themselves left zero in the upper half of each lane.
    const __m128i lasts = pairs(t);
    // heads * 100 + lasts, modulo 2^32 as any other reading of ten digits.
    const __m128i heads4 = _mm_slli_epi32(heads, 2);
    const __m128i values = _mm_add_epi32(_mm_add_epi32(heads4, _mm_slli_epi32(heads4, 3)),
                                         _mm_add_epi32(_mm_slli_epi32(heads4, 4), lasts));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(out), values);
    return true;
}
} // namespace
#endif

// The writer's own lines, digits and CR LF (or LF), read straight off the chunk: the great
// majority of any log. Anything else, and a line that runs past the chunk, goes the careful way.
const char* CLogParser::TakeWholeLines(const char* at, const char* end) {
    // Gathered on the stack and added in batches: a record at a time would keep the vector's end
    // in memory between records and make each wait for the last.
    Timestamp batch[256];
    std::size_t taken = 0;
    while (end - at >= 12) {
        if (taken + 4 > std::size(batch)) {
            m_records.insert(m_records.end(), batch, batch + taken);
            taken = 0;
        }
#if defined(__SSE2__)
        if (end - at >= kFourRecordsReach && FourRecords(at, batch + taken)) {
            taken += 4;
            at += 48;
            continue;
        }
#endif
        // One line of up to ten digits and its end.
        const char* digit = at;
        Timestamp value = 0;
        while (IsDigit(*digit) && digit - at < 10) {
            value = value * 10u + static_cast<Timestamp>(*digit - '0');
            ++digit;
        }
        if (digit == at)
            break;
        if (digit[0] == '\r' && digit[1] == '\n')
            at = digit + 2;
        else if (digit[0] == '\n')
            at = digit + 1;
        else
            break;
        batch[taken++] = value;
    }
    m_records.insert(m_records.end(), batch, batch + taken);
    return at;
}

void CLogParser::Feed(std::string_view bytes) {
    const char* at = bytes.data();
    const char* const end = at + bytes.size();
    while (at < end) {
        if (m_length == 0 && !m_pendingCR) {
            at = TakeWholeLines(at, end);
            if (at == end)
                break;
        }
        // One character the careful way; at a line's end the fast way may take over again.
        const char c = *at++;
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
    if (!m_roomMade)
        MakeRoomLike(bytes.size());
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

void CLogParser::MakeRoomLike(std::size_t firstChunkBytes) {
    m_roomMade = true;
    if (firstChunkBytes == 0 || m_fileBytes <= firstChunkBytes)
        return;
    m_records.reserve(
        static_cast<std::size_t>(m_records.size() * (m_fileBytes / firstChunkBytes + 1)));
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
        } else {
            // A NUL ends the piece's text; anything else that is no number is skipped.
            StartNumberOrIgnore(c);
        }
        break;
    case State::Sign:
        StartNumberOrIgnore(c);
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

void CLogParser::StartNumberOrIgnore(char c) {
    if (IsDigit(c)) {
        m_value = static_cast<Timestamp>(c - '0');
        m_hasNumber = true;
        m_state = State::Digits;
    } else {
        m_state = State::Ignoring;
    }
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
