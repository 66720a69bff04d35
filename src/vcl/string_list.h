// A list of texts in the order they were added, as the platform's string list keeps it unsorted.
// Lines of the form name=value can be set by name.
#pragma once

#include <vector>

#include "vcl/classes.h"
#include "vcl/sysutils.h"

class TStringList : public TObject {
  public:
    int Count() const { return static_cast<int>(lines_.size()); }
    const AnsiString& Strings(int index) const { return lines_.at(static_cast<size_t>(index)); }
    int Add(const AnsiString& line);
    // The first line whose part before "=" is `name`, letter case not counted; -1 when none.
    int IndexOfName(const AnsiString& name) const;
    // Replaces the line of that name with name=value, or adds it when there is none.
    void SetValue(const AnsiString& name, const AnsiString& value);

  private:
    std::vector<AnsiString> lines_;
};
