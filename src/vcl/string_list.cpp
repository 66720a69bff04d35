#include "vcl/string_list.h"

#include "vcl/wide_text.h"

namespace {

// Compared as characters, so that the second byte of a double-byte character is never taken
// for a letter.
WideText Folded(const AnsiString& text) {
    WideText wide = ToWide(text);
    for (WCHAR& c : wide) {
        if (c >= u'a' && c <= u'z') c = static_cast<WCHAR>(c - u'a' + u'A');
    }
    return wide;
}

}  // namespace

int TStringList::Add(const AnsiString& line) {
    lines_.push_back(line);
    return Count() - 1;
}

int TStringList::IndexOfName(const AnsiString& name) const {
    const WideText wanted = Folded(name);
    for (int i = 0; i < Count(); ++i) {
        const AnsiString& line = lines_[static_cast<size_t>(i)];
        const size_t equals = line.find('=');
        if (equals != AnsiString::npos && Folded(line.substr(0, equals)) == wanted) return i;
    }
    return -1;
}

void TStringList::SetValue(const AnsiString& name, const AnsiString& value) {
    const int index = IndexOfName(name);
    if (index < 0) {
        Add(name + "=" + value);
    } else {
        lines_[static_cast<size_t>(index)] = name + "=" + value;
    }
}
