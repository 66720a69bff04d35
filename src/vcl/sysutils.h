// Strings and the exception class that every layer above the seam shares.
#pragma once

#include <string>

// The platform's counted 8-bit string. Program texts are CP932 bytes.
using AnsiString = std::string;

// The platform's general exception. Its message is shown, followed by ".", in the error box
// of the application object when it escapes an event handler.
class Exception {
  public:
    explicit Exception(AnsiString message) : message_(std::move(message)) {}
    virtual ~Exception() = default;
    const AnsiString& Message() const { return message_; }

  private:
    AnsiString message_;
};

AnsiString IntToStr(int value);
