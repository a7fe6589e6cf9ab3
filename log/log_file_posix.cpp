#include "log_file.h"

#include "log_format.h"

#include <cerrno>
#include <ctime>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

Timestamp SystemClock() {
    return static_cast<Timestamp>(static_cast<unsigned long long>(std::time(nullptr)));
}

namespace {
// Whether the log ends inside a line (an editor's last line, say) that the record must not join.
bool EndsInsideLine(int fd) {
    struct stat st {};
    if (fstat(fd, &st) != 0 || st.st_size == 0)
        return false;
    char last = '\n';
    return pread(fd, &last, 1, st.st_size - 1) == 1 && last != '\n';
}

ssize_t WriteOnce(int fd, const std::string& bytes) {
    ssize_t written;
    do
        written = write(fd, bytes.data(), bytes.size());
    while (written < 0 && errno == EINTR);
    return written;
}

// A disk that fills part-way through a record leaves its first digits behind, which would read
// back as a wrong press. They are cut off again, unless another copy has written since.
void TakeBackCutRecord(int fd, off_t written) {
    struct stat st {};
    if (fstat(fd, &st) == 0 && st.st_size >= written && EndsInsideLine(fd))
        (void)ftruncate(fd, st.st_size - written);
}
} // namespace

bool AppendTimestampAt(const std::string& path, Clock clock) {
    if (path.empty())
        return false;
    // O_APPEND puts every write at the end as one step, so copies pressing at once never overwrite
    // each other's records.
    const int fd = open(path.c_str(), O_RDWR | O_APPEND | O_CREAT | O_CLOEXEC, 0666);
    if (fd < 0)
        return false;
    const std::string record = FormatRecord(clock(), EndsInsideLine(fd));
    const ssize_t written = WriteOnce(fd, record);
    const bool whole = written == static_cast<ssize_t>(record.size());
    if (!whole && written > 0)
        TakeBackCutRecord(fd, static_cast<off_t>(written));
    const bool closed = close(fd) == 0;
    return whole && closed;
}

void ClearLogAt(const std::string& path) {
    if (path.empty())
        return;
    const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd >= 0)
        close(fd);
}

std::optional<std::vector<Timestamp>> ReadLogAt(const std::string& path) {
    if (path.empty())
        return std::nullopt;
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return std::nullopt;
    struct stat st {};
    CLogParser parser(fstat(fd, &st) == 0 ? static_cast<unsigned long long>(st.st_size) : 0);
    char chunk[64 * 1024];
    for (;;) {
        const ssize_t got = read(fd, chunk, sizeof chunk);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            break; // a read error ends the log like its end; what was read stands
        parser.Feed({chunk, static_cast<std::size_t>(got)});
    }
    close(fd);
    return parser.Finish();
}
