#include "engine/regular_file.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    Descriptor(const Descriptor &) = delete;
    Descriptor &operator=(const Descriptor &) = delete;
    int get() const { return fd_; }

private:
    int fd_;
};

std::optional<std::string> Fail(FileProblem &problem, std::string reason, bool missing = false) {
    problem.reason = std::move(reason);
    problem.missing = missing;
    return std::nullopt;
}

}  // namespace

std::optional<std::string> ReadRegularFile(const std::string &path, std::size_t maxBytes, FileProblem &problem) {
    // Non-blocking, so that opening a FIFO without a writer returns at once.
    const Descriptor fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (fd.get() < 0) return Fail(problem, std::strerror(errno), errno == ENOENT);
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0) return Fail(problem, std::strerror(errno));
    if (!S_ISREG(st.st_mode)) return Fail(problem, "is not a regular file");
    if (static_cast<unsigned long long>(st.st_size) > maxBytes)
        return Fail(problem, "is larger than " + std::to_string(maxBytes) + " bytes");
    std::string content;
    content.resize(maxBytes < 65536 ? maxBytes + 1 : 65536);
    std::size_t used = 0;
    for (;;) {
        if (used == content.size()) {
            // The file grew while it was read: never beyond the bound.
            if (content.size() > maxBytes) return Fail(problem, "is larger than " + std::to_string(maxBytes) + " bytes");
            content.resize(std::min(content.size() * 2, maxBytes + 1));
        }
        const ssize_t n = ::read(fd.get(), content.data() + used, content.size() - used);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return Fail(problem, std::strerror(errno));
        if (n == 0) break;
        used += static_cast<std::size_t>(n);
    }
    if (used > maxBytes) return Fail(problem, "is larger than " + std::to_string(maxBytes) + " bytes");
    content.resize(used);
    return content;
}

std::string FileProblemText(const std::string &path, const FileProblem &problem) {
    const bool sentence = problem.reason.rfind("is ", 0) == 0;
    return "\"" + path + "\" " + (sentence ? problem.reason : "cannot be read: " + problem.reason) + ".";
}
