#include "isolatedRead.h"

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string_view>
#include <vector>

namespace interchange {
namespace {

// The child's answer: a flag, then each text as its length, a line feed and its bytes.
void putText(std::string& out, std::string_view text) {
    out += std::to_string(text.size());
    out += '\n';
    out += text;
}
void putTexts(std::string& out, const std::vector<std::string>& texts) {
    out += std::to_string(texts.size());
    out += '\n';
    for (const std::string& t : texts)
        putText(out, t);
}

class AnswerReader {
public:
    explicit AnswerReader(std::string_view bytes) : bytes_(bytes) {}
    bool number(std::size_t& n) {
        const std::size_t end = bytes_.find('\n', at_);
        if (end == std::string_view::npos || end == at_ || end - at_ > 12)
            return false;
        n = 0;
        for (std::size_t i = at_; i < end; ++i) {
            if (bytes_[i] < '0' || bytes_[i] > '9')
                return false;
            n = n * 10 + std::size_t(bytes_[i] - '0');
        }
        at_ = end + 1;
        return true;
    }
    bool text(std::string& out) {
        std::size_t n = 0;
        if (!number(n) || n > bytes_.size() - at_)
            return false;
        out.assign(bytes_.substr(at_, n));
        at_ += n;
        return true;
    }
    bool texts(std::vector<std::string>& out) {
        std::size_t n = 0;
        if (!number(n) || n > bytes_.size())
            return false;
        out.resize(n);
        for (std::string& t : out)
            if (!text(t))
                return false;
        return true;
    }
    bool atEnd() const { return at_ == bytes_.size(); }

private:
    std::string_view bytes_;
    std::size_t at_ = 0;
};

bool writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        bytes.remove_prefix(std::size_t(n));
    }
    return true;
}

// Closes the descriptor when it goes.
struct Descriptor {
    int fd = -1;
    ~Descriptor() {
        if (fd >= 0)
            ::close(fd);
    }
};

[[noreturn]] void runChild(const std::function<bool(IsolatedResult&)>& read, int out) {
    // A reader that stops ends the child plainly: handlers the parent installed for its own crashes (a
    // sanitizer's, a fuzzer's) would otherwise report the child's end as the parent's and write files.
    for (int sig : {SIGABRT, SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGTRAP})
        ::signal(sig, SIG_DFL);
    // The reader's own complaint on its way down is not the user's message: the parent gives that.
    if (const int null = ::open("/dev/null", O_WRONLY); null >= 0)
        ::dup2(null, STDERR_FILENO);
    IsolatedResult result;
    const bool ok = read(result);
    std::string answer(ok ? "1\n" : "0\n");
    putText(answer, result.error);
    putTexts(answer, result.report.sheetNames);
    putText(answer, result.report.sheetName);
    putTexts(answer, result.report.warnings);
    putText(answer, result.document);
    ::_exit(writeAll(out, answer) ? 0 : 1);
}

} // namespace

bool readIsolated(const std::function<bool(IsolatedResult&)>& read, ImportReport& report, std::string& document,
                  std::string& error) {
    int ends[2];
    if (::pipe2(ends, O_CLOEXEC) != 0) {
        error = "the workbook cannot be read (no pipe for its reader)";
        return false;
    }
    Descriptor in{ends[0]}, out{ends[1]};
    const pid_t child = ::fork();
    if (child < 0) {
        error = "the workbook cannot be read (no process for its reader)";
        return false;
    }
    if (child == 0)
        runChild(read, out.fd);
    ::close(out.fd);
    out.fd = -1;
    std::string answer;
    char buffer[1 << 16];
    for (;;) {
        const ssize_t n = ::read(in.fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        answer.append(buffer, std::size_t(n));
    }
    int status = 0;
    while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    IsolatedResult result;
    const bool whole = WIFEXITED(status) && WEXITSTATUS(status) == 0 && answer.size() >= 2 &&
                       (answer[0] == '0' || answer[0] == '1') && answer[1] == '\n';
    if (whole) {
        AnswerReader rest(std::string_view(answer).substr(2));
        if (rest.text(result.error) && rest.texts(result.report.sheetNames) && rest.text(result.report.sheetName) &&
            rest.texts(result.report.warnings) && rest.text(result.document) && rest.atEnd()) {
            report = std::move(result.report);
            if (answer[0] == '0') {
                error = result.error;
                return false;
            }
            document = std::move(result.document);
            return true;
        }
    }
    error = "the workbook is malformed (its reader stopped on it)";
    return false;
}

} // namespace interchange
