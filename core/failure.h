// Why a ribbon build (or any other core operation) stopped. The core throws BuildFailure inside;
// the boundaries (GetRibbonXML, the COM methods, the command-line tool) catch it and turn it
// into a result, so nothing thrown ever leaves the core through a host call.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

namespace trelvane {

enum class FailureKind {
  kNotANumber,       // a stored setting is not a decimal number
  kOutOfRange,       // a stored number (or a sum of them) does not fit its type
  kCounterOverflow,  // an id counter would pass the largest 32-bit value
  kStore,            // the settings store could not be read or written
  kHost,             // a call into the host application failed
  kOutOfMemory,
  kInternal,
};

struct Failure {
  FailureKind kind = FailureKind::kInternal;
  std::string reason;     // one line, for people
  std::int32_t code = 0;  // the host's own error code for kHost (an HRESULT on Windows)
};

class BuildFailure : public std::runtime_error {
 public:
  explicit BuildFailure(Failure failure)
      : std::runtime_error(failure.reason), failure_(std::move(failure)) {}
  BuildFailure(FailureKind kind, std::string reason, std::int32_t code = 0)
      : BuildFailure(Failure{kind, std::move(reason), code}) {}

  const Failure& failure() const { return failure_; }

 private:
  Failure failure_;
};

// Runs `body` and turns whatever it throws into `failure`. Returns true when it completed.
// Never throws: if even the reason cannot be copied, the kind alone is kept.
template <typename Body>
bool CatchFailure(Body&& body, Failure& failure) noexcept {
  auto keep = [&failure](FailureKind kind, const char* reason, std::int32_t code) noexcept {
    failure.kind = kind;
    failure.code = code;
    try {
      failure.reason = reason;
    } catch (...) {
      failure.reason.clear();
    }
  };
  try {
    body();
    return true;
  } catch (const BuildFailure& e) {
    keep(e.failure().kind, e.what(), e.failure().code);
  } catch (const std::bad_alloc&) {
    keep(FailureKind::kOutOfMemory, "out of memory", 0);
  } catch (const std::exception& e) {
    keep(FailureKind::kInternal, e.what(), 0);
  } catch (...) {
    keep(FailureKind::kInternal, "unknown failure", 0);
  }
  return false;
}

}  // namespace trelvane
