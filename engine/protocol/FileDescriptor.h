#pragma once

#include <utility>

#include <unistd.h>

// An open file descriptor that is closed with its owner. Sounds travel from
// the program to the engine's process as open files, and every path they
// take (a failed render, a sound replaced, a message that carried one it
// did not need) must close them.
class FileDescriptor {
public:
    FileDescriptor() = default;
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor() { Reset(); }
    FileDescriptor(FileDescriptor &&other) noexcept : fd_(other.Release()) {}
    FileDescriptor &operator=(FileDescriptor &&other) noexcept
    {
        Reset(other.Release());
        return *this;
    }
    FileDescriptor(const FileDescriptor &) = delete;
    FileDescriptor &operator=(const FileDescriptor &) = delete;

    bool IsValid() const { return fd_ >= 0; }
    int Get() const { return fd_; }
    int Release() { return std::exchange(fd_, -1); }
    void Reset(int fd = -1)
    {
        if (fd_ >= 0)
            ::close(fd_);
        fd_ = fd;
    }

private:
    int fd_ = -1;
};
