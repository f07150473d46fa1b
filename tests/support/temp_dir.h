#pragma once
// A fresh directory under the system's temp directory, removed with everything in it.
#include <QDir>
#include <QTemporaryDir>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>

namespace mivo::test {

class TempDir {
  public:
    TempDir() {
        if (!dir_.isValid()) throw std::runtime_error(dir_.errorString().toStdString());
    }
    std::string operator/(const std::string& name) const { return (path() / name).string(); }
    std::filesystem::path path() const { return dir_.path().toStdString(); }

  private:
    QTemporaryDir dir_{QDir::tempPath() + "/mivo-XXXXXX"};
};

inline std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void WriteBytes(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

}  // namespace mivo::test
