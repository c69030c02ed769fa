#include "search/temporaryfile.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <string>
#include <system_error>
#include <unistd.h>

namespace search {

namespace {

[[noreturn]] void fail(int error)
{
    throw std::system_error(error ? error : EIO, std::generic_category(), TemporaryFile::folder());
}

} // namespace

const char *TemporaryFile::folder()
{
    const char *folder = std::getenv("TMPDIR");
    return folder && *folder ? folder : "/tmp";
}

TemporaryFile::TemporaryFile()
{
    int fd = open(folder(), O_TMPFILE | O_RDWR | O_CLOEXEC, 0600);
    if (fd < 0 && (errno == EOPNOTSUPP || errno == EISDIR || errno == EINVAL)) {
        // A file system without unnamed files: a named one, unlinked at once.
        std::string name = std::string(folder()) + "/zyklar-XXXXXX";
        fd = mkostemp(name.data(), O_CLOEXEC);
        if (fd >= 0)
            unlink(name.c_str());
    }
    if (fd < 0)
        fail(errno);
    m_file = fdopen(fd, "w+b");
    if (!m_file) {
        const int error = errno;
        close(fd);
        fail(error);
    }
}

TemporaryFile::~TemporaryFile()
{
    std::fclose(m_file);
}

void TemporaryFile::write(const void *data, std::size_t bytes)
{
    errno = 0;
    if (std::fwrite(data, 1, bytes, m_file) != bytes)
        fail(errno);
}

void TemporaryFile::rewind()
{
    errno = 0;
    if (std::fflush(m_file) != 0 || std::fseek(m_file, 0, SEEK_SET) != 0)
        fail(errno);
}

void TemporaryFile::read(void *data, std::size_t bytes)
{
    errno = 0;
    if (std::fread(data, 1, bytes, m_file) != bytes)
        fail(errno);
}

} // namespace search
