#include "util/text.h"

#include <algorithm>
#include <cstdio>
#include <string_view>
#include <utility>

#include "vcl/file_names.h"
#include "win/win.h"

namespace {

// The text the byte routines work on: all of it up to its first NUL.
std::string_view UpToNul(const AnsiString& text) {
    return std::string_view(text).substr(0, text.find('\0'));
}

}  // namespace

bool TestFileExists(AnsiString fileName) {
    std::FILE* file = std::fopen(fileName.c_str(), "r");
    if (file == nullptr) return false;
    std::fclose(file);
    return true;
}

void MakeFile(AnsiString fileName) {
    if (std::FILE* file = std::fopen(fileName.c_str(), "a")) std::fclose(file);
}

void RemoveFile(AnsiString fileName) { DeleteFileA(fileName.c_str()); }

RandomEngine& RandomSource() {
    static RandomEngine source;
    return source;
}

int RandomBetween(int low, int high) {
    if (low == high) return low;
    const long long draw = static_cast<long long>(RandomSource()() >> 1);
    // In 64 bits: the width of the range, and the sum, need not fit an int on the way.
    const long long width = static_cast<long long>(high) - low;
    return static_cast<int>(low + draw % width);
}

int CountChar(AnsiString text, char c) {
    const std::string_view bytes = UpToNul(text);
    return static_cast<int>(std::count(bytes.begin(), bytes.end(), c));
}

int TextLength(AnsiString text) { return static_cast<int>(UpToNul(text).size()); }

AnsiString SubText(AnsiString text, int start, int count) {
    const std::string_view bytes = UpToNul(text);
    const long long size = static_cast<long long>(bytes.size());
    const long long first = std::clamp<long long>(start, 0, size);
    const long long end = std::clamp<long long>(static_cast<long long>(start) + count, first, size);
    return AnsiString(bytes.substr(first, end - first));
}

int IndexOfChar(AnsiString text, char c) { return IndexOfNthChar(std::move(text), c, 0); }

int IndexOfNthChar(AnsiString text, char c, int n) {
    const std::string_view bytes = UpToNul(text);
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] != c) continue;
        if (n <= 0) return static_cast<int>(i);
        --n;
    }
    return -1;
}

AnsiString PathDirectory(AnsiString path) { return ExtractFileDir(path); }
AnsiString PathDrive(AnsiString path) { return ExtractFileDrive(path); }
AnsiString PathFileName(AnsiString path) { return ExtractFileName(path); }
AnsiString PathExtension(AnsiString path) { return ExtractFileExt(path); }
