// The host's Application object as the core needs it. On Windows it wraps the object Office
// hands to OnConnection and calls it late-bound; elsewhere a stand-in answers.
#pragma once

#include <string>

namespace trelvane {

class HostApplication {
 public:
  virtual ~HostApplication() = default;

  // The application's name ("Microsoft Excel", ...). Throws BuildFailure (kHost, with the
  // host's error code) when the host cannot answer.
  virtual std::string Name() = 0;
};

// A host that answers with a fixed name: the command-line tool's stand-in, and tests'.
class NamedHost final : public HostApplication {
 public:
  explicit NamedHost(std::string name) : name_(std::move(name)) {}
  std::string Name() override { return name_; }

 private:
  std::string name_;
};

}  // namespace trelvane
