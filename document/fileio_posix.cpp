#include "fileio.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

IoStatus readFileBounded(const char* path, size_t maxSize, std::vector<uint8_t>& out) {
    out.clear();
    int fd = ::open(path, O_RDONLY | O_CLOEXEC);
    if (fd < 0) return IoStatus::CannotOpen;
    struct stat st;
    if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return IoStatus::CannotOpen;
    }
    if (static_cast<unsigned long long>(st.st_size) > maxSize) {
        ::close(fd);
        return IoStatus::TooLarge;
    }
    out.resize(static_cast<size_t>(st.st_size));
    size_t got = 0;
    while (got < out.size()) {
        ssize_t n = ::read(fd, out.data() + got, out.size() - got);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break; // the file shrank under us: keep what was read
        got += static_cast<size_t>(n);
    }
    ::close(fd);
    out.resize(got);
    return IoStatus::Ok;
}

IoStatus writeFileReplacing(const char* path, const uint8_t* data, size_t size) {
    std::string tmp = std::string(path) + ".XXXXXX";
    int fd = mkstemp(&tmp[0]);
    if (fd < 0) return IoStatus::CannotOpen;
    fchmod(fd, 0644);
    size_t done = 0;
    bool ok = true;
    while (done < size) {
        ssize_t n = ::write(fd, data + done, size - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            ok = false;
            break;
        }
        done += static_cast<size_t>(n);
    }
    if (ok && fsync(fd) != 0) ok = false;
    if (::close(fd) != 0) ok = false;
    if (ok && std::rename(tmp.c_str(), path) != 0) ok = false;
    if (!ok) {
        ::unlink(tmp.c_str());
        return IoStatus::WriteFailed;
    }
    return IoStatus::Ok;
}
