#pragma once

#include "timestamp.h"

#include <string>
#include <string_view>
#include <vector>

// The bytes of the log: what the writer produces and how any file, also one written by hand, is
// read back.

// One record as written: the decimal digits and CR LF, led by CR LF when the log's last line is
// still open, so that a press never runs on into the line before it.
std::string FormatRecord(Timestamp t, bool startNewLine);

// Reads the log from its bytes in chunks of any size, so that memory grows with the records and
// not with the file.
class CLogParser {
  public:
    // `fileBytes`, when known, is the size of the whole file: after the first chunk the parser
    // makes room for as many records as the rest will hold if it is like that chunk, so that a
    // long log is not copied again and again as it grows.
    explicit CLogParser(unsigned long long fileBytes = 0) : m_fileBytes(fileBytes) {}

    void Feed(std::string_view bytes);
    std::vector<Timestamp> Finish();

    // The reader takes lines into a 512-byte buffer: a longer line arrives in pieces of this many
    // characters, each read like a line of its own.
    static constexpr unsigned kPieceLength = 511;

  private:
    enum class State : unsigned char { Leading, Sign, Digits, Ignoring };

    void MakeRoomLike(std::size_t firstChunkBytes);
    const char* TakeWholeLines(const char* at, const char* end);
    void TakeChar(char c);
    void StartNumberOrIgnore(char c);
    void EndPiece();

    State m_state = State::Leading;
    bool m_hasNumber = false;
    bool m_negative = false;
    bool m_pendingCR = false;
    Timestamp m_value = 0;
    unsigned m_length = 0;
    unsigned long long m_fileBytes;
    bool m_roomMade = false;
    std::vector<Timestamp> m_records;
};

std::vector<Timestamp> ParseLog(std::string_view bytes);
