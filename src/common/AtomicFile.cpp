// Replacing a file only once its new contents are safely on disk.
#include "common/AtomicFile.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <system_error>

#include "common/MessageText.h"

namespace lm {

namespace {

std::string SystemMessage(int err) { return std::generic_category().message(err); }

// Past the file-size limit the default action kills the process mid-save; ignored, the
// write fails with EFBIG and the save is reported as failed instead.
void IgnoreFileSizeSignal() {
    struct sigaction current {};
    if (::sigaction(SIGXFSZ, nullptr, &current) == 0 && current.sa_handler == SIG_DFL)
        ::signal(SIGXFSZ, SIG_IGN);
}

// A new file beside the target under a name nobody can guess or plant a link at. The
// name is short and its own, not the target's with more on the end: a target whose name
// is already as long as a name may be must still be saved.
int CreateTemporaryBeside(const std::filesystem::path& target, std::string& temp) {
    static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    const std::filesystem::path folder = target.parent_path();
    for (int attempt = 0; attempt < 100; ++attempt) {
        unsigned char random[12];
        if (::getentropy(random, sizeof random) != 0) return -1;
        std::string name = ".saving-";
        for (unsigned char r : random) name += kLetters[r % (sizeof kLetters - 1)];
        temp = (folder / name).string();
        const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    errno = EEXIST;
    return -1;
}

// Returns 0 or the error that stopped the write.
int WriteAll(int fd, std::span<const unsigned char> bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return n < 0 ? errno : EIO;
        done += static_cast<std::size_t>(n);
    }
    return 0;
}

// Makes the rename itself survive a power cut. The new file is complete by now, so a
// folder that cannot be synced does not undo the save.
void SyncFolderOf(const std::filesystem::path& target) {
    const std::filesystem::path folder = target.has_parent_path() ? target.parent_path() : ".";
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    [[maybe_unused]] const int synced = ::fsync(fd);
    ::close(fd);
}

}  // namespace

std::string WriteFileAtomically(const std::string& path, std::span<const unsigned char> bytes) {
    namespace fs = std::filesystem;
    std::error_code ec;
    const fs::file_status existing = fs::status(path, ec);
    if (fs::is_directory(existing)) return "Cannot save " + QuoteForMessage(path, '"') + ": it is a folder.";
    // Renaming over a device or pipe would replace it with a plain file.
    if (fs::exists(existing) && !fs::is_regular_file(existing))
        return "Cannot save " + QuoteForMessage(path, '"') + ": it is not a regular file.";

    // Through a link, the file it names is the one replaced; the link stays.
    fs::path target(path);
    if (fs::is_symlink(fs::symlink_status(target, ec))) {
        const fs::path real = fs::canonical(target, ec);
        if (!ec) target = real;
    }
    const auto failed = [&](int err) {
        return "Cannot save " + QuoteForMessage(path, '"') + ": " + SystemMessage(err ? err : EIO) +
               ". The file on disk was not changed.";
    };

    IgnoreFileSizeSignal();
    std::string temp;
    const int fd = CreateTemporaryBeside(target, temp);
    if (fd < 0) return failed(errno);
    int err = WriteAll(fd, bytes);
    struct stat old {};
    if (!err && ::stat(target.c_str(), &old) == 0) {
        // Owner first: changing it may clear set-id bits the mode then restores.
        // Where the owner cannot be given away, the group may still be kept.
        if (::fchown(fd, old.st_uid, old.st_gid) != 0 &&
            ::fchown(fd, static_cast<uid_t>(-1), old.st_gid) != 0) {
        }
        if (::fchmod(fd, old.st_mode & 07777) != 0) err = errno;
    }
    if (!err && ::fsync(fd) != 0) err = errno;
    if (::close(fd) != 0 && !err) err = errno;
    if (!err && ::rename(temp.c_str(), target.c_str()) != 0) err = errno;
    if (err) {
        ::unlink(temp.c_str());
        return failed(err);
    }
    SyncFolderOf(target);
    return {};
}

}  // namespace lm
