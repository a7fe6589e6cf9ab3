// Any bytes at all as a log: the streaming reader must agree with a plain reading of the rules,
// whatever chunks it is fed in; what it reads, written back, reads the same; and a press appended
// by the writer's rule always adds exactly one record at the end.
#include "log_format.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace {
// The rules written out the simple way: decode, cut into pieces, read each piece.
std::vector<Timestamp> ReadByTheRules(std::string_view bytes) {
    std::string text;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n')
            continue; // CR LF becomes LF
        text += bytes[i];
    }
    std::vector<Timestamp> records;
    for (std::size_t start = 0; start < text.size();) {
        std::size_t end = start;
        while (end < text.size() && end - start < 511 && text[end] != '\n')
            ++end;
        if (end < text.size() && text[end] == '\n' && end - start < 511)
            ++end; // the LF belongs to the piece
        std::string piece = text.substr(start, end - start);
        start = end;
        piece = piece.substr(0, piece.find('\0'));
        std::size_t at = piece.find_first_not_of(" \t\n\v\f\r");
        if (at == std::string::npos)
            continue;
        const bool negative = piece[at] == '-';
        if (piece[at] == '+' || piece[at] == '-')
            ++at;
        if (at >= piece.size() || piece[at] < '0' || piece[at] > '9')
            continue;
        std::uint64_t value = 0;
        for (; at < piece.size() && piece[at] >= '0' && piece[at] <= '9'; ++at)
            value = (value * 10 + static_cast<unsigned>(piece[at] - '0')) % (1ull << 32);
        records.push_back(static_cast<Timestamp>(negative ? (1ull << 32) - value : value));
    }
    return records;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::vector<Timestamp> records = ParseLog(bytes);
    if (records != ReadByTheRules(bytes))
        __builtin_trap();

    CLogParser chunked;
    const std::size_t step = size > 0 ? data[0] % 19 + 1 : 1;
    for (std::size_t at = 0; at < size; at += step)
        chunked.Feed(bytes.substr(at, step));
    if (chunked.Finish() != records)
        __builtin_trap();

    std::string rewritten;
    for (const Timestamp t : records)
        rewritten += FormatRecord(t, false);
    if (ParseLog(rewritten) != records)
        __builtin_trap();

    const bool lastLineOpen = size > 0 && bytes.back() != '\n';
    std::vector<Timestamp> expected = records;
    expected.push_back(1077408000);
    if (ParseLog(std::string(bytes) + FormatRecord(1077408000, lastLineOpen)) != expected)
        __builtin_trap();
    return 0;
}
