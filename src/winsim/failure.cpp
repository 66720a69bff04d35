#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>

#include "winsim/detail.h"
#include "winsim/reset_parts.h"
#include "winsim/sim.h"

namespace winsim {
namespace {

[[noreturn]] void ReportAndAbort(const std::string& what) {
    std::fprintf(stderr, "winsim: %s\n", what.c_str());
    std::abort();
}

std::function<void(const std::string&)>& Hook() {
    static std::function<void(const std::string&)> hook = ReportAndAbort;
    return hook;
}

}  // namespace

void SetFailureHook(std::function<void(const std::string& what)> hook) {
    Hook() = hook ? std::move(hook) : ReportAndAbort;
}

namespace detail {

void Fail(const std::string& what) {
    Hook()(what);
    // A hook that returns would let the simulation carry on in a state it cannot be in.
    ReportAndAbort(what);
}

void ResetFailureHook() { Hook() = ReportAndAbort; }

}  // namespace detail
}  // namespace winsim
