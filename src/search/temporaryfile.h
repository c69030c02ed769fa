#pragma once

#include <cstddef>
#include <cstdio>

namespace search {

// A file for data too large for memory, in $TMPDIR (or /tmp), that never
// has a name: it is made unlinked (O_TMPFILE) or unlinked at once, so it
// disappears when it is closed or the process ends, however it ends.
// Throws std::system_error when it cannot be made, written or read.
class TemporaryFile
{
public:
    TemporaryFile();
    ~TemporaryFile();
    TemporaryFile(const TemporaryFile &) = delete;
    TemporaryFile &operator=(const TemporaryFile &) = delete;

    void write(const void *data, std::size_t bytes);
    // Back to the start, for reading what was written.
    void rewind();
    void read(void *data, std::size_t bytes);

    // The folder the files go to.
    static const char *folder();

private:
    std::FILE *m_file = nullptr;
};

} // namespace search
