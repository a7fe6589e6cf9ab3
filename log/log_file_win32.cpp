#include "log_file.h"

#include "log_format.h"

#include <windows.h>

Timestamp SystemClock() {
    FILETIME ft;
    GetSystemTimeAsFileTime(&ft);
    const unsigned long long ticks =
        (static_cast<unsigned long long>(ft.dwHighDateTime) << 32) | ft.dwLowDateTime;
    constexpr unsigned long long kTicksTo1970 = 116444736000000000ULL;
    constexpr unsigned long long kTicksPerSecond = 10000000ULL;
    return static_cast<Timestamp>((ticks - kTicksTo1970) / kTicksPerSecond);
}

namespace {
constexpr DWORD kShareWithOtherCopies = FILE_SHARE_READ | FILE_SHARE_WRITE;

// Whether the log ends inside a line (an editor's last line, say) that the record must not join.
bool EndsInsideLine(HANDLE file) {
    LARGE_INTEGER size;
    if (!GetFileSizeEx(file, &size) || size.QuadPart == 0)
        return false;
    OVERLAPPED at{};
    const unsigned long long lastOffset = static_cast<unsigned long long>(size.QuadPart) - 1;
    at.Offset = static_cast<DWORD>(lastOffset);
    at.OffsetHigh = static_cast<DWORD>(lastOffset >> 32);
    char last = '\n';
    DWORD got = 0;
    return ReadFile(file, &last, 1, &got, &at) && got == 1 && last != '\n';
}

// Windows makes each write on an append-only handle one step; Wine does not. Holding a lock on a
// byte far beyond any log's end while looking at the end and writing makes the copies take turns
// there too, and never stands in a reader's way.
class CAppendTurn {
  public:
    explicit CAppendTurn(HANDLE file) : m_file(file) {
        m_at.OffsetHigh = 0x7FFFFFFF;
        m_locked = LockFileEx(m_file, LOCKFILE_EXCLUSIVE_LOCK, 0, 1, 0, &m_at);
    }
    ~CAppendTurn() {
        if (m_locked)
            UnlockFileEx(m_file, 0, 1, 0, &m_at);
    }
    CAppendTurn(const CAppendTurn&) = delete;
    CAppendTurn& operator=(const CAppendTurn&) = delete;

  private:
    HANDLE m_file;
    OVERLAPPED m_at{};
    BOOL m_locked;
};
} // namespace

bool AppendTimestampAt(const std::string& path, Clock clock) {
    if (path.empty())
        return false;
    // Append-only access makes every write land at the end as one step, so copies pressing at
    // once never overwrite each other's records.
    const HANDLE file = CreateFileA(
        path.c_str(), FILE_APPEND_DATA | FILE_READ_DATA | FILE_READ_ATTRIBUTES | SYNCHRONIZE,
        kShareWithOtherCopies, nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    bool whole;
    {
        const CAppendTurn turn(file);
        const std::string record = FormatRecord(clock(), EndsInsideLine(file));
        DWORD written = 0;
        whole =
            WriteFile(file, record.data(), static_cast<DWORD>(record.size()), &written, nullptr) &&
            written == record.size();
    }
    const bool closed = CloseHandle(file);
    return whole && closed;
}

void ClearLogAt(const std::string& path) {
    if (path.empty())
        return;
    const HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, kShareWithOtherCopies, nullptr,
                                    OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return;
    SetEndOfFile(file);
    CloseHandle(file);
}

std::optional<std::vector<Timestamp>> ReadLogAt(const std::string& path) {
    if (path.empty())
        return std::nullopt;
    const HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, kShareWithOtherCopies, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return std::nullopt;
    LARGE_INTEGER size{};
    CLogParser parser(GetFileSizeEx(file, &size) ? static_cast<unsigned long long>(size.QuadPart)
                                                 : 0);
    char chunk[64 * 1024];
    DWORD got = 0;
    // A read error ends the log like its end; what was read stands.
    while (ReadFile(file, chunk, sizeof chunk, &got, nullptr) && got > 0)
        parser.Feed({chunk, got});
    CloseHandle(file);
    return parser.Finish();
}
