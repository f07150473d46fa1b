#include "cli/cli_args.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "cli/fd_stream.h"
#include "cli/report_output.h"
#include "common/convert.h"
#include "common/said_text.h"
#include "files/data_files.h"
#include "files/file_io.h"

namespace mivo {

namespace {

// The --log file: appended to line by line; a write that failed is told when it closes, as the
// command ends, so that the operation runs on without its log.
class LogStream : public std::ofstream {
  public:
    LogStream(int fd, std::string path) : buffer_(fd, true, true), path_(std::move(path)) {
        std::basic_ios<char>::rdbuf(&buffer_);
    }
    ~LogStream() override {
        buffer_.pubsync();
        if (buffer_.error() != 0)
            NoteLogFailure(CannotWrite(path_, std::strerror(buffer_.error())));
    }
    LogStream(const LogStream&) = delete;
    LogStream& operator=(const LogStream&) = delete;

  private:
    FdOutBuf buffer_;
    std::string path_;
};

// Opens the log for appending. Refused as a save target is (a FIFO, which would hang the open
// with no reader, a device, a directory, a read-only file), with `reason`.
int OpenLog(const std::string& path, std::string& reason) {
    std::string target;
    if (!SaveTarget(path, target, reason)) return -1;
    const int fd =
        ::open(target.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_NONBLOCK | O_CLOEXEC, 0666);
    if (fd < 0) {
        reason = std::strerror(errno);
        return -1;
    }
    struct stat st {};
    // Something else put in its place since the look above.
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        reason = "Not a regular file";
        ::close(fd);
        return -1;
    }
    ::fcntl(fd, F_SETFL, O_WRONLY | O_APPEND);
    return fd;
}

}  // namespace

bool ParseArgs(const std::vector<std::string>& args, const OptionSpec& known, ParsedArgs& out,
               std::string& error) {
    out = {};
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--") {
            out.words.insert(out.words.end(), args.begin() + static_cast<long>(i) + 1, args.end());
            break;
        }
        if (arg.size() < 2 || arg.compare(0, 2, "--") != 0) {
            out.words.push_back(arg);
            continue;
        }
        const std::size_t eq = arg.find('=');
        const std::string name = arg.substr(0, eq);
        std::string value;
        if (known.flags.count(name) != 0) {
            if (eq != std::string::npos) {
                error = "option " + name + " takes no value";
                return false;
            }
        } else if (known.valued.count(name) != 0) {
            if (eq != std::string::npos) {
                value = arg.substr(eq + 1);
            } else if (i + 1 < args.size()) {
                value = args[++i];
            } else {
                error = "option " + name + " needs a value";
                return false;
            }
        } else {
            error = "unknown option " + name;
            return false;
        }
        if (!out.options.emplace(name, value).second) {
            error = "option " + name + " given twice";
            return false;
        }
    }
    return true;
}

int ReadPortOptions(const ParsedArgs& args, PortOptions& out, std::string& problem) {
    if (args.has("--timeout")) {
        double seconds = 0;
        try {
            seconds = StrToFloat(args.value("--timeout"));
        } catch (const ConversionError& e) {
            problem = e.what();
            return kExitUsage;
        }
        if (seconds <= 0 || seconds > 86400) {
            problem = UI_TEXT("Message", "--timeout wants seconds above 0");
            return kExitUsage;
        }
        out.timeoutMs = static_cast<int>(seconds * 1000);
    }
    if (args.has("--log")) {
        // Appended to: a run that fails, a port that cannot be opened included, never empties
        // the log of an earlier one.
        std::string reason;
        const int fd = OpenLog(args.value("--log"), reason);
        if (fd < 0) {
            problem = CannotWrite(args.value("--log"), reason);
            return kExitFailed;
        }
        out.log = std::make_unique<LogStream>(fd, args.value("--log"));
    }
    return kExitCompleted;
}

const OptionSpec& MivoOptions() {
    static const OptionSpec known{
        {"--yes", "--help", "--version", "--quick", "--time", "--csv"},
        {"--port",      "--timeout", "--log",        "--range",  "--kind",    "--pallet", "--mode",
         "--hold",      "--cycles",  "--parameters", "--pdf",    "--program", "--only",   "--steps",
         "--calibrate", "--since",   "--until",      "--on-end", "--mqtt",    "--lang"}};
    return known;
}

}  // namespace mivo
