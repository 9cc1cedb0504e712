#pragma once

#include <memory>
#include <string>
#include <string_view>

namespace dd {

// A file written front to back in pieces, as a large export is: created (an existing one cut to zero length)
// when the writer is made, each piece written at once, closed by Close. While it is open other programs may read
// it but not write it. Each step is checked, and the first failure raises the input/output error of its code (a
// write that runs out of space as 101, "Disk full"); a writer destroyed without Close closes the file quietly.
// The file is not deleted after a failure. Defined per platform.
class FileWriter {
public:
    explicit FileWriter(const std::string& path);
    ~FileWriter();
    FileWriter(const FileWriter&) = delete;
    FileWriter& operator=(const FileWriter&) = delete;

    void Write(std::string_view bytes);
    void Close();

private:
    struct Open;
    std::unique_ptr<Open> file_;
};

// Creates the file, writes the bytes and closes it, as a FileWriter does.
void WriteWholeFile(const std::string& path, std::string_view bytes);

}  // namespace dd
