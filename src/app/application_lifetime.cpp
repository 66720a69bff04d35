// The application object exists before WinMain runs and is destroyed after it returns, which
// destroys the main window and its components. Linked into the program only: native tests make
// and end the object around each test themselves.
#include "vcl/application.h"

namespace {

struct ApplicationLifetime {
    ApplicationLifetime() { CreateApplication(); }
    ~ApplicationLifetime() { DestroyApplication(); }
    ApplicationLifetime(const ApplicationLifetime&) = delete;
    ApplicationLifetime& operator=(const ApplicationLifetime&) = delete;
};

const ApplicationLifetime lifetime;

}  // namespace
